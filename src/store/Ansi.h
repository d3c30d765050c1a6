#pragma once
// Windows-1252 text: records and files keep these bytes; the windows show QString.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <optional>

namespace Ansi {

/** Decodes Windows-1252 bytes for display. The five unassigned bytes map to the C1 controls. */
QString toUnicode(QByteArrayView bytes);

/** Encodes text as Windows-1252; a character the code page cannot hold becomes "?". */
QByteArray fromUnicode(const QString& text);

/** The Windows-1252 byte of one character, or nothing when the code page cannot hold it. */
std::optional<char> encode(char32_t character);

/** Reads a text file's bytes: UTF-8 when they are valid UTF-8, else Windows-1252. Returns Windows-1252. */
QByteArray fromTextFile(const QByteArray& fileBytes);

/**
 * The text with every control character (C0, DEL and C1, which the five unassigned Windows-1252
 * bytes decode to) as a space, as every exported file wants it; keepLineBreaks keeps CR and LF.
 */
QString plainText(QStringView text, bool keepLineBreaks = false);

/** Windows-1252 bytes with every control character (and unassigned byte) as a space. */
QByteArray plainBytes(QByteArrayView bytes);

/** Upper-cases one ANSI byte: a..z, 224..246 and 248..254 lose 32; every other byte stays. */
constexpr std::uint8_t UpCaseLatin1(std::uint8_t c)
{
    if ((c >= 'a' && c <= 'z') || (c >= 224 && c <= 246) || (c >= 248 && c <= 254))
        return static_cast<std::uint8_t>(c - 32);
    return c;
}

/**
 * Removes leading and trailing spaces (the space character only, not tabs or line breaks), as
 * every text taken from an input field is trimmed; one rule for stored bytes and shown text.
 */
QByteArray trimSpaces(QByteArrayView text);
QString trimSpaces(QStringView text);

} // namespace Ansi
