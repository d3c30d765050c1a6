#pragma once
// Files of the previous version written byte by byte from their documented offsets, so that the
// readers are checked against the layout itself and not against a writer of ours.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>

namespace OldBytes {

constexpr int RecordSize = 30347;
constexpr int ShapeSize = 2555;

inline void putI16(QByteArray& b, int offset, qint16 value) { qToLittleEndian<qint16>(value, b.data() + offset); }

/** Writes a length byte and the text at offset. */
inline void putString(QByteArray& b, int offset, const QByteArray& text)
{
    b[offset] = char(text.size());
    b.replace(offset + 1, text.size(), text);
}

/**
 * An old puzzle record: title at 0, size at 36, grid at 40, word/across/down counts at 2540/2542/2544,
 * word i at 2546 + 31(i-1), clue i at 8746 + 101(i-1), start cell, letter count and clue number i at
 * 28946/29346/29746 + 2(i-1), direction i at 30146 + (i-1). Words i = 1..filled are "W<i>" with clue
 * "Clue <i>", start cell 100 + i, letter count i % 7 + 2, clue number i, direction i % 2. The bytes
 * not read (38..39 and 30346) hold 0xEE.
 */
inline QByteArray record(const QByteArray& title, qint16 size, qint16 wordCount, int filled, qint16 across = 0,
                         qint16 down = 0)
{
    QByteArray b(RecordSize, '\0');
    putString(b, 0, title);
    putI16(b, 36, size);
    b[38] = char(0xEE);
    b[39] = char(0xEE);
    for (int cell = 0; cell < 2500; ++cell)
        b[40 + cell] = char(cell % 3 == 0 ? 0 : (cell % 3 == 1 ? ' ' : 'A' + cell % 26));
    putI16(b, 2540, wordCount);
    putI16(b, 2542, across);
    putI16(b, 2544, down);
    for (int i = 1; i <= filled; ++i) {
        putString(b, 2546 + 31 * (i - 1), "W" + QByteArray::number(i));
        putString(b, 8746 + 101 * (i - 1), "Clue " + QByteArray::number(i));
        putI16(b, 28946 + 2 * (i - 1), qint16(100 + i));
        putI16(b, 29346 + 2 * (i - 1), qint16(i % 7 + 2));
        putI16(b, 29746 + 2 * (i - 1), qint16(i));
        b[30146 + (i - 1)] = char(i % 2);
    }
    b[30346] = char(0xEE);
    return b;
}

/** A ".QVZ" file: "QVZ", the length byte, the unused string and one record. */
inline QByteArray qvz(const QByteArray& oldRecord, const QByteArray& unused = "Quorvex 2.0")
{
    return QByteArray("QVZ") + char(unused.size()) + unused + oldRecord;
}

/** A shape record: title at 0, width at 51, height at 53, cells from 55; every cell byte is `fill`. */
inline QByteArray shape(const QByteArray& title, qint16 width, qint16 height, char fill)
{
    QByteArray b(ShapeSize, fill);
    putString(b, 0, title);
    putI16(b, 51, width);
    putI16(b, 53, height);
    return b;
}

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

inline QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace OldBytes
