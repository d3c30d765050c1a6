#pragma once

#include <QList>
#include <QString>
#include <functional>

class QWidget;

/** What a file chooser is asked to show. Filters use Qt's syntax ("Puzzle Shape (*.LAY)"). */
struct FileDialogRequest {
    QString title;
    QString filter;
    QString defaultSuffix;     ///< added when the typed name has no extension, e.g. "QV3"
    QString initialPath;       ///< preset file or directory
    bool confirmOverwrite = true;
    /**
     * Checked on a chosen name before the overwrite question: true refuses the name (the check
     * has shown its own message, parented to the dialog it is given) and the chooser stays open
     * for another. Empty: every name is taken.
     */
    std::function<bool(QWidget* chooser, const QString& path)> refuse;
};

/**
 * The one way windows show messages, ask questions and choose files. The program installs the
 * QMessageBox/QFileDialog implementation; tests install a scripted one that records every text and
 * caption and answers from a script. No window calls QMessageBox or QFileDialog directly.
 */
class MessageService {
public:
    enum class Button { Ok, Yes, No, Cancel };
    enum class Icon { None, Error, Warning, Information, Question };

    virtual ~MessageService() = default;

    /** A message with an OK button. */
    virtual void inform(QWidget* parent, const QString& text, const QString& caption, Icon icon) = 0;
    /**
     * A question; buttons is Yes/No or Yes/No/Cancel, shown in the platform's order, the first one
     * listed being the default that Enter presses. Returns the button pressed.
     */
    virtual Button ask(QWidget* parent, const QString& text, const QString& caption,
                       const QList<Button>& buttons, Icon icon) = 0;
    /** An existing file to open, or an empty string when cancelled. */
    virtual QString openFileName(QWidget* parent, const FileDialogRequest& request) = 0;
    /** A file to write, or an empty string when cancelled. */
    virtual QString saveFileName(QWidget* parent, const FileDialogRequest& request) = 0;
    /** The warning (exclamation) sound. */
    virtual void beep() = 0;

    /** The installed service; the program's QMessageBox one unless another was installed. */
    static MessageService& instance();
    /** Installs a service (not owned); nullptr restores the program's own. */
    static void install(MessageService* service);

    // Shorthands for the message kinds every window uses.
    static void error(QWidget* parent, const QString& text, const QString& caption = QStringLiteral("Error"))
    {
        instance().inform(parent, text, caption, Icon::Error);
    }
    static void warning(QWidget* parent, const QString& text, const QString& caption = QStringLiteral("Warning"))
    {
        instance().inform(parent, text, caption, Icon::Warning);
    }
    static void notice(QWidget* parent, const QString& text, const QString& caption = QStringLiteral("Notice"))
    {
        instance().inform(parent, text, caption, Icon::Information);
    }
    static bool askYesNo(QWidget* parent, const QString& text, const QString& caption)
    {
        return instance().ask(parent, text, caption, {Button::Yes, Button::No}, Icon::Question) == Button::Yes;
    }
    /** A Yes/No question whose Yes throws away what the user typed: No is the default, so a hasty
     *  Enter keeps the work. */
    static bool askDiscard(QWidget* parent, const QString& text)
    {
        return instance().ask(parent, text, QStringLiteral("Warning"), {Button::No, Button::Yes}, Icon::Question)
               == Button::Yes;
    }
};
