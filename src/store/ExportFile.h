#pragma once

#include "store/IoResult.h"

#include <QByteArray>
#include <QString>

/**
 * Single-record export files (".LAY" shapes, ".PAG" page layouts): a 3-letter ASCII signature,
 * a 3-byte version and one record. Only the signature is compared; the version bytes are not.
 */
namespace ExportFile {

/** Writes signature + "1.0" + record, replacing any existing file whole. */
IoResult write(const QString& path, const QByteArray& signature, const QByteArray& record);

/**
 * Reads the record after a matching signature and 3 version bytes. Corrupt when the signature
 * differs (case matters) or fewer bytes than the record follow; bytes beyond it are ignored.
 */
IoResult read(const QString& path, const QByteArray& signature, qint64 recordSize, QByteArray& record);

} // namespace ExportFile
