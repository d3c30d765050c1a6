#pragma once

#include <QString>

/**
 * Outcome of a file operation. OpenFailed lets the caller show its own message ("Unable to save
 * puzzle." and the like); IoError carries the system's text for a failure after the file was opened.
 */
struct IoResult {
    enum Status { Ok, OpenFailed, IoError, Corrupt, Refused };
    Status status = Ok;
    QString systemError;

    static IoResult ok() { return {}; }
    static IoResult failed(Status status, QString text = {}) { return {status, std::move(text)}; }
    bool isOk() const { return status == Ok; }
    explicit operator bool() const { return isOk(); }
};
