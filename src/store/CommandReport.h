#pragma once

#include "store/FixedMessage.h"
#include "store/IoResult.h"

#include <QString>

/**
 * What a file command reports (page file commands, puzzle transfer): its outcome and the message
 * box to show, if any, with its caption.
 */
struct TCommandReport {
    IoResult Result;
    QString Text; ///< empty when there is nothing to show
    QString Caption;

    bool isOk() const { return Result.isOk(); }
    explicit operator bool() const { return isOk(); }

    /** The outcome with a fixed message as it stands: a refusal, or a notice of success. */
    static TCommandReport shown(const IoResult& result, const TFixedMessage& message)
    {
        return {result, message.text(), message.caption()};
    }

    /**
     * A failure: the command's message and, on a line of its own, the system's reason; an error
     * inside a file that was open has the caption "Error".
     */
    static TCommandReport failure(const IoResult& result, const TFixedMessage& message)
    {
        const QString caption = result.status == IoResult::IoError ? QStringLiteral("Error") : message.caption();
        return {result, result.describe(message.text()), caption};
    }
};
