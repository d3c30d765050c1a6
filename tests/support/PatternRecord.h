#pragma once
// Records of the crash tests: every 8 bytes repeat the record's id and generation, so a record
// that is part one write and part another shows at once.

#include <QByteArray>
#include <QtEndian>
#include <cstdint>

namespace PatternRecord {

/** The size of a puzzle record, so a write spans many 4 KB pages as a real save does. */
constexpr qint64 Size = 69623;

inline QByteArray make(std::uint32_t id, std::uint32_t generation)
{
    const quint64 word = (quint64(id) << 32) | generation;
    QByteArray record(Size, Qt::Uninitialized);
    for (qint64 i = 0; i < Size; ++i)
        record[i] = char(word >> (8 * (i % 8)));
    return record;
}

inline std::uint32_t idOf(const QByteArray& record)
{
    return record.size() >= 8 ? std::uint32_t(qFromLittleEndian<quint64>(record.constData()) >> 32) : 0;
}

/** True when the whole record is one id and generation: not torn. */
inline bool isWhole(const QByteArray& record)
{
    if (record.size() != Size)
        return false;
    const quint64 word = qFromLittleEndian<quint64>(record.constData());
    return record == make(std::uint32_t(word >> 32), std::uint32_t(word));
}

} // namespace PatternRecord
