#pragma once
// Asking before a window that closes without keeping them drops the texts typed into it.

#include <QList>
#include <QPointer>
#include <QString>

class QObject;
class QWidget;

/**
 * The texts of a window's fields (line edits, text boxes, editable lists' fields) as they were
 * when the window was shown, so that its Cancel, Escape and close box can tell whether anything
 * was typed since and ask before dropping it. A window takes the texts in its showEvent and calls
 * MayClose from its reject().
 */
class TypedTextGuard {
public:
    /** Remembers the text of every field of the window as it is now; later calls keep the first texts. */
    void Take(const QWidget* window);
    /** Whether a field's text differs from what was taken (false before Take). */
    bool Changed() const;
    /**
     * True when the window may close: nothing was typed (and otherChanges is false), or the user
     * answered Yes to "Changes have been made.  Discard them?" (caption "Warning").
     */
    bool MayClose(QWidget* window, bool otherChanges = false) const;

    /** The question asked. */
    static QString Question();

private:
    QList<std::pair<QPointer<QObject>, QString>> m_texts;
    bool m_taken = false;
};
