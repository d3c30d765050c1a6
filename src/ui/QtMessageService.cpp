#include "ui/QtMessageService.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

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
    box.exec();
}

MessageService::Button QtMessageService::ask(QWidget* parent, const QString& text, const QString& caption,
                                             const QList<Button>& buttons, Icon icon)
{
    QMessageBox::StandardButtons standard;
    for (Button b : buttons)
        standard |= toStandard(b);
    QMessageBox box(toIcon(icon), caption, text, standard, parent);
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
