#include "ui/QtMessageService.h"

#include "ui/WindowFit.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <algorithm>

namespace {

MessageService* installed = nullptr;

QMessageBox::Icon toIcon(MessageService::Icon icon)
{
    switch (icon) {
    case MessageService::Icon::Error: return QMessageBox::Critical;
    case MessageService::Icon::Warning: return QMessageBox::Warning;
    case MessageService::Icon::Information: return QMessageBox::Information;
    case MessageService::Icon::Question: return QMessageBox::Question;
    case MessageService::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton toStandard(MessageService::Button button)
{
    switch (button) {
    case MessageService::Button::Ok: return QMessageBox::Ok;
    case MessageService::Button::Yes: return QMessageBox::Yes;
    case MessageService::Button::No: return QMessageBox::No;
    case MessageService::Button::Cancel: return QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

/** A file dialog that puts the request's check before its own overwrite question. */
class CheckedFileDialog : public QFileDialog {
public:
    CheckedFileDialog(QWidget* parent, const FileDialogRequest& request)
        : QFileDialog(parent, request.title, request.initialPath, request.filter)
        , m_refuse(request.refuse)
    {
        // The check runs in accept(), which only the dialog drawn by Qt itself goes through.
        if (m_refuse)
            setOption(QFileDialog::DontUseNativeDialog);
    }

    void accept() override
    {
        const QStringList chosen = selectedFiles();
        if (m_refuse && !chosen.isEmpty() && m_refuse(this, chosen.constFirst()))
            return;
        QFileDialog::accept();
    }

private:
    std::function<bool(QWidget*, const QString&)> m_refuse;
};

/** About where a message box wraps its text at factor 1.0 (its own limit, less its picture). */
constexpr int MessageWrapWidth = 420;

/**
 * A message box at the screen size of the window it belongs to: its text, buttons and picture
 * grow with that window's factor (the box measures itself again when shown).
 */
void scaleLikeParent(QMessageBox& box, QWidget* parent, QMessageBox::Icon icon)
{
    const double factor = WindowScale(parent);
    ScaleWindow(&box, factor);
    // The picture was drawn at the style's size when the box was made: drawn again at the factor,
    // which lays the box out anew, and that layout is scaled in turn.
    box.setIcon(QMessageBox::NoIcon);
    box.setIcon(icon);
    ScaleWindow(&box, factor);
    // The box wraps its text at a width of its own, the same at every factor: the text keeps the
    // lines it has at 1.0 by keeping its label that much wider.
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (label && factor > 1.0) {
        const int lines = label->fontMetrics().size(0, label->text()).width();
        label->setMinimumWidth(std::min(lines, int(MessageWrapWidth * factor)));
    }
}

QFileDialog* makeDialog(QWidget* parent, const FileDialogRequest& request, QFileDialog::AcceptMode mode)
{
    auto* dialog = new CheckedFileDialog(parent, request);
    dialog->setAcceptMode(mode);
    dialog->setDefaultSuffix(request.defaultSuffix);
    dialog->setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!request.confirmOverwrite)
        dialog->setOption(QFileDialog::DontConfirmOverwrite);
    const QFileInfo preset(request.initialPath);
    if (!request.initialPath.isEmpty() && !preset.isDir())
        dialog->selectFile(request.initialPath);
    ScaleWindow(dialog, WindowScale(parent));
    return dialog;
}

QString runDialog(QFileDialog* dialog)
{
    QString chosen;
    if (dialog->exec() == QDialog::Accepted && !dialog->selectedFiles().isEmpty())
        chosen = dialog->selectedFiles().constFirst();
    delete dialog;
    return chosen;
}

} // namespace

MessageService& MessageService::instance()
{
    static QtMessageService programService;
    return installed ? *installed : programService;
}

void MessageService::install(MessageService* service)
{
    installed = service;
}

void QtMessageService::inform(QWidget* parent, const QString& text, const QString& caption, Icon icon)
{
    QMessageBox box(toIcon(icon), caption, text, QMessageBox::Ok, parent);
    scaleLikeParent(box, parent, toIcon(icon));
    box.exec();
}

MessageService::Button QtMessageService::ask(QWidget* parent, const QString& text, const QString& caption,
                                             const QList<Button>& buttons, Icon icon)
{
    QMessageBox::StandardButtons standard;
    for (Button b : buttons)
        standard |= toStandard(b);
    QMessageBox box(toIcon(icon), caption, text, standard, parent);
    if (!buttons.isEmpty())
        box.setDefaultButton(toStandard(buttons.constFirst()));
    scaleLikeParent(box, parent, toIcon(icon));
    switch (box.exec()) {
    case QMessageBox::Yes: return Button::Yes;
    case QMessageBox::No: return Button::No;
    case QMessageBox::Ok: return Button::Ok;
    default: return Button::Cancel;
    }
}

QString QtMessageService::openFileName(QWidget* parent, const FileDialogRequest& request)
{
    return runDialog(makeDialog(parent, request, QFileDialog::AcceptOpen));
}

QString QtMessageService::saveFileName(QWidget* parent, const FileDialogRequest& request)
{
    return runDialog(makeDialog(parent, request, QFileDialog::AcceptSave));
}

void QtMessageService::beep()
{
    QApplication::beep();
}
