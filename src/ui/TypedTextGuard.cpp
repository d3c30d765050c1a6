#include "ui/TypedTextGuard.h"

#include "ui/MessageService.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

/** The text of a field, or a null string for any other widget. */
QString fieldText(const QObject* field)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(field))
        return line->text();
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(field))
        return plain->toPlainText();
    if (const auto* rich = qobject_cast<const QTextEdit*>(field))
        return rich->toPlainText();
    return {};
}

} // namespace

void TypedTextGuard::Take(const QWidget* window)
{
    if (m_taken)
        return;
    m_taken = true;
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (qobject_cast<QLineEdit*>(child) || qobject_cast<QPlainTextEdit*>(child) || qobject_cast<QTextEdit*>(child))
            m_texts.append({child, fieldText(child)});
    }
}

bool TypedTextGuard::Changed() const
{
    for (const auto& [field, text] : m_texts)
        if (field && fieldText(field) != text)
            return true;
    return false;
}

bool TypedTextGuard::MayClose(QWidget* window, bool otherChanges) const
{
    if (!otherChanges && !Changed())
        return true;
    return MessageService::askDiscard(window, Question());
}

QString TypedTextGuard::Question()
{
    return QStringLiteral("Changes have been made.  Discard them?");
}
