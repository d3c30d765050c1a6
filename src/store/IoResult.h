#pragma once

#include <QString>

/**
 * Outcome of a file operation. Every failure carries the system's reason in systemError (a refusal
 * of the program's own carries its text there); the caller shows its own message for the command
 * ("Unable to save puzzle." and the like) followed by that reason, through describe().
 */
struct IoResult {
    enum Status { Ok, OpenFailed, IoError, Corrupt, Refused };
    Status status = Ok;
    QString systemError;

    static IoResult ok() { return {}; }
    static IoResult failed(Status status, QString text = {}) { return {status, std::move(text)}; }
    bool isOk() const { return status == Ok; }
    explicit operator bool() const { return isOk(); }

    /**
     * The message for the user: the command's own message, then the system's reason (for example
     * "No space left on device") on a line of its own when there is one.
     */
    QString describe(const QString& programMessage) const
    {
        if (systemError.isEmpty() || systemError == programMessage)
            return programMessage;
        return programMessage + QLatin1Char('\n') + systemError;
    }
};
