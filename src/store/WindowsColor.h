#pragma once
// Colours in records are Windows colour values 0x00BBGGRR: red in the low byte.

#include <QColor>
#include <cstdint>

/** The colour of a stored 0x00BBGGRR value; the top byte is ignored. */
inline QColor ColorFromWindows(std::uint32_t value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

/** The stored 0x00BBGGRR value of a colour. */
inline std::uint32_t WindowsFromColor(const QColor& color)
{
    return std::uint32_t(color.red()) | (std::uint32_t(color.green()) << 8) | (std::uint32_t(color.blue()) << 16);
}
