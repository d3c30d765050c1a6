#include "Ansi.h"

#include <QList>
#include <QStringDecoder>

namespace {

// Unicode code points of the bytes 0x80..0x9F; the rest of Windows-1252 equals Latin-1.
constexpr char16_t HighTable[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

namespace Ansi {

std::optional<char> encode(char32_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<char>(u);
    for (int i = 0; i < 32; ++i) {
        if (HighTable[i] == u)
            return static_cast<char>(0x80 + i);
    }
    return std::nullopt;
}

QString toUnicode(QByteArrayView bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (char b : bytes) {
        const auto c = static_cast<unsigned char>(b);
        out.append(c >= 0x80 && c <= 0x9F ? QChar(HighTable[c - 0x80]) : QChar(char16_t(c)));
    }
    return out;
}

QByteArray fromUnicode(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (char32_t u : text.toUcs4())
        out.append(encode(u).value_or('?'));
    return out;
}

QByteArray fromTextFile(const QByteArray& fileBytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8.decode(fileBytes);
    if (!utf8.hasError())
        return fromUnicode(decoded);
    return fileBytes;
}

QString plainText(QStringView text, bool keepLineBreaks)
{
    QString out = text.toString();
    for (QChar& c : out) {
        const char16_t u = c.unicode();
        const bool control = u < 0x20 || (u >= 0x7F && u <= 0x9F);
        if (control && !(keepLineBreaks && (u == u'\r' || u == u'\n')))
            c = u' ';
    }
    return out;
}

QByteArray plainBytes(QByteArrayView bytes)
{
    return fromUnicode(plainText(toUnicode(bytes)));
}

namespace {

template <typename View>
View withoutEndSpaces(View text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.sliced(begin, end - begin);
}

} // namespace

QByteArray trimSpaces(QByteArrayView text)
{
    return withoutEndSpaces(text).toByteArray();
}

QString trimSpaces(QStringView text)
{
    return withoutEndSpaces(text).toString();
}

} // namespace Ansi
