#include "pages/ui/ObjectDialog.h"

#include "store/Ansi.h"
#include "ui/MessageService.h"
#include "ui/WindowSetup.h"

#include <QLineEdit>

TObjectDialog::TObjectDialog(AppContext& context, const TPageObject& object, const QString& caption, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_object(object)
{
    setWindowTitle(caption);
    setModal(true);
}

QString TObjectDialog::nameOf(const TPageObject& object)
{
    return Ansi::toUnicode(object.Name.text());
}

void TObjectDialog::showEvent(QShowEvent* event)
{
    PrepareDialog(this, m_context);
    m_typed.Take(this);
    QDialog::showEvent(event);
}

void TObjectDialog::reject()
{
    if (m_typed.MayClose(this))
        QDialog::reject();
}

void TObjectDialog::refuse(const char* text, QWidget* field)
{
    MessageService::error(this, QString::fromLatin1(text), QStringLiteral("Error"));
    if (field)
        field->setFocus();
}

int TObjectDialog::positiveNumber(const QLineEdit* box)
{
    bool ok = false;
    const int value = box->text().trimmed().toInt(&ok);
    return ok && value > 0 ? value : 0;
}
