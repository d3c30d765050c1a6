#pragma once
// Helpers for the shape tests: shape records written byte by byte and small file utilities.

#include "shapes/ShapeRecord.h"

#include <QFile>
#include <QtEndian>
#include <initializer_list>
#include <utility>

namespace ShapeTest {

/**
 * The 2555 stored bytes of a shape, laid out by hand: title length at 0 and its characters from
 * 1, width at 51 and height at 53 (little-endian), cell p at 54 + p.
 */
inline QByteArray HandRecord(const QByteArray& title, qint16 width, qint16 height,
                             std::initializer_list<std::pair<int, int>> cells = {})
{
    QByteArray b(2555, '\0');
    b[0] = char(title.size());
    for (int i = 0; i < title.size(); ++i)
        b[1 + i] = title[i];
    qToLittleEndian<qint16>(width, b.data() + 51);
    qToLittleEndian<qint16>(height, b.data() + 53);
    for (const auto& [row, column] : cells)
        b[54 + (row - 1) * 50 + column] = 1;
    return b;
}

inline TShapeRecord Shape(const QByteArray& title, qint16 width, qint16 height,
                          std::initializer_list<std::pair<int, int>> cells = {})
{
    return TShapeRecord::fromBytes(HandRecord(title, width, height, cells));
}

inline QByteArray FileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace ShapeTest
