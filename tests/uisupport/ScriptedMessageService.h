#pragma once

#include "ui/MessageService.h"

#include <QStringList>
#include <deque>

/**
 * A message service for window tests: records every message, question and file request with its
 * text and caption, and answers from queues the test fills. An unscripted question answers No and
 * an unscripted file request answers "cancelled".
 */
class ScriptedMessageService : public MessageService {
public:
    struct Shown {
        enum Kind { Message, Question, OpenFile, SaveFile, Beep } kind;
        QString text;      ///< message text, or the file dialog's title
        QString caption;   ///< message caption, or the file dialog's initial path
        Button defaultButton = Button::Ok;   ///< a question's default (Enter) button
    };

    std::deque<Button> answers;
    std::deque<QString> files;
    QList<Shown> shown;
    QList<FileDialogRequest> fileRequests;

    void inform(QWidget*, const QString& text, const QString& caption, Icon) override
    {
        shown.append({Shown::Message, text, caption});
    }
    Button ask(QWidget*, const QString& text, const QString& caption, const QList<Button>& buttons, Icon) override
    {
        shown.append({Shown::Question, text, caption, buttons.isEmpty() ? Button::Ok : buttons.constFirst()});
        if (answers.empty())
            return Button::No;
        const Button b = answers.front();
        answers.pop_front();
        return b;
    }
    QString openFileName(QWidget*, const FileDialogRequest& request) override { return nextFile(Shown::OpenFile, request); }
    QString saveFileName(QWidget*, const FileDialogRequest& request) override { return nextFile(Shown::SaveFile, request); }
    void beep() override { shown.append({Shown::Beep, {}, {}}); }

    /** Texts of the messages and questions shown, in order. */
    QStringList texts() const
    {
        QStringList out;
        for (const auto& s : shown)
            if (s.kind == Shown::Message || s.kind == Shown::Question)
                out.append(s.text);
        return out;
    }
    /** The last message or question, or an empty record. */
    Shown last() const
    {
        for (auto it = shown.crbegin(); it != shown.crend(); ++it)
            if (it->kind == Shown::Message || it->kind == Shown::Question)
                return *it;
        return {Shown::Message, {}, {}};
    }
    void clear() { shown.clear(); fileRequests.clear(); answers.clear(); files.clear(); }

private:
    /** The next scripted name; one the request's check refuses is passed over, as a chooser that stays open. */
    QString nextFile(Shown::Kind kind, const FileDialogRequest& request)
    {
        shown.append({kind, request.title, request.initialPath});
        fileRequests.append(request);
        while (!files.empty()) {
            QString f = files.front();
            files.pop_front();
            if (!request.refuse || !request.refuse(nullptr, f))
                return f;
        }
        return {};
    }
};
