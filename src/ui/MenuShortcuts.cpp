#include "ui/MenuShortcuts.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

namespace {

const char* const FieldsKeepKeyProperty = "quorvexFieldsKeepKey";

/** Whether an enabled command of the window answers the key sequence. */
bool WindowCommandTakes(const QWidget* window, const QKeySequence& keys)
{
    const QList<QAction*> actions = window->findChildren<QAction*>();
    for (const QAction* action : actions) {
        if (!action->isEnabled() || action->shortcutContext() == Qt::WidgetShortcut
            || action->property(FieldsKeepKeyProperty).toBool())
            continue;
        if (action->associatedObjects().isEmpty())
            continue;
        if (action->shortcuts().contains(keys))
            return true;
    }
    return false;
}

/**
 * Sees the shortcut-override question a field is asked before a key goes to the shortcuts, and
 * answers it for the field ("not mine") when the window has a command for that key.
 */
class MenuShortcutFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride || !watched->isWidgetType())
            return false;
        const auto* widget = static_cast<QWidget*>(watched);
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::ShiftModifier)
            return false; // plain typing always reaches the field
        if (!WindowCommandTakes(widget->window(), QKeySequence(key->keyCombination())))
            return false;
        event->ignore();
        return true;
    }
};

} // namespace

void LetFieldsKeepTheKeyOf(QAction* action)
{
    action->setProperty(FieldsKeepKeyProperty, true);
}

void GiveMenuShortcutsPriority(QApplication& application)
{
    static QPointer<QObject> installed;
    if (installed && installed->parent() == &application)
        return;
    installed = new MenuShortcutFilter(&application);
    application.installEventFilter(installed);
}
