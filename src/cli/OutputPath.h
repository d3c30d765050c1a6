#pragma once

#include <QString>
#include <QStringList>

/** Checks of quorvex-cli on the files it is asked to write, before anything is written. */
namespace OutputPath {

/**
 * Refuses, with a message on stderr, an output that is one of the inputs (the file would be
 * replaced while it is read) or that exists and is not a regular file (a device, FIFO or folder).
 * Returns the exit status to end with, 0 when the output may be written.
 */
int check(const QString& out, const QStringList& inputs);

/**
 * As check, and also refuses an existing file whose size is not a whole number of records of
 * recordSize bytes: it is not a collection, and appending would bury a record in it. A file that
 * begins as a collection is taken: its last record was cut short by a killed append, which the
 * write cuts off.
 */
int checkRecordFile(const QString& out, qint64 recordSize, const QStringList& inputs);

} // namespace OutputPath
