#pragma once
// A reader of EMF files independent of the writer: walks the records from the documented layout
// and collects the EXTTEXTOUTW texts with the text alignment in force. Shared by the metafile
// tests and the window tests that export a page.

#include <QByteArray>
#include <QRegularExpression>
#include <QString>
#include <QtEndian>
#include <cstdint>
#include <vector>

namespace EmfTest {

inline std::uint32_t u32At(const QByteArray& b, qsizetype offset)
{
    return qFromLittleEndian<quint32>(b.constData() + offset);
}

inline std::int32_t i32At(const QByteArray& b, qsizetype offset)
{
    return qFromLittleEndian<qint32>(b.constData() + offset);
}

inline std::uint16_t u16At(const QByteArray& b, qsizetype offset)
{
    return qFromLittleEndian<quint16>(b.constData() + offset);
}

inline std::int16_t i16At(const QByteArray& b, qsizetype offset)
{
    return qFromLittleEndian<qint16>(b.constData() + offset);
}

inline constexpr std::uint32_t EmrHeader = 1;
inline constexpr std::uint32_t EmrEof = 14;
inline constexpr std::uint32_t EmrSetTextAlign = 22;
inline constexpr std::uint32_t EmrStretchDiBits = 81;
inline constexpr std::uint32_t EmrExtTextOutW = 84;

/** One text record: its reference point, text and the alignment in force. */
struct EmfText {
    int X;
    int Y;
    QString Text;
    std::uint32_t Align;
    int FontHeight = 0;   ///< lfHeight of the font created last before the text
};

/** The records of a file: their types and texts, and whether the walk ended cleanly. */
struct EmfWalk {
    std::vector<std::uint32_t> Types;
    std::vector<EmfText> Texts;
    bool WellFormed = false;
};

/**
 * Walks the EMF records: each at least 8 bytes, a multiple of 4 and inside the file, the last an
 * EOF ending the file exactly. Text positions and lengths are checked against the file's size.
 */
inline EmfWalk walkEmf(const QByteArray& b)
{
    EmfWalk w;
    qsizetype at = 0;
    std::uint32_t align = 0;
    int fontHeight = 0;
    constexpr std::uint32_t EmrExtCreateFontIndirectW = 82;
    while (at + 8 <= b.size()) {
        const std::uint32_t type = u32At(b, at);
        const std::uint32_t size = u32At(b, at + 4);
        if (size < 8 || size % 4 != 0 || at + qsizetype(size) > b.size())
            return w;
        if (type == EmrExtCreateFontIndirectW && size >= 16)
            fontHeight = i32At(b, at + 12);   // after the handle index: LOGFONT's lfHeight
        if (type == EmrSetTextAlign && size >= 12)
            align = u32At(b, at + 8);
        if (type == EmrExtTextOutW && size >= 76) {
            // EMRTEXT after bounds (16), graphics mode (4) and two scales (8).
            const qsizetype text = at + 36;
            const std::uint32_t chars = u32At(b, text + 8);
            const std::uint32_t offString = u32At(b, text + 12);
            if (qsizetype(offString) + 2 * qsizetype(chars) > qsizetype(size))
                return w;
            QString s;
            for (std::uint32_t i = 0; i < chars; ++i)
                s += QChar(u16At(b, at + offString + 2 * i));
            w.Texts.push_back({i32At(b, text), i32At(b, text + 4), s, align, fontHeight});
        }
        w.Types.push_back(type);
        at += size;
        if (type == EmrEof) {
            w.WellFormed = at == b.size();
            return w;
        }
    }
    return w;
}

/**
 * The text an SVG made from a metafile by a reader (libwmf's wmf2svg) shows: the contents of its
 * text elements in order. A reader that honours the recorded advances places every character in
 * an element of its own.
 */
inline QString svgShownText(const QByteArray& svg)
{
    static const QRegularExpression element(QStringLiteral("<text[^>]*>([^<]*)</text>"));
    QString shown;
    for (const QRegularExpressionMatch& m : element.globalMatch(QString::fromUtf8(svg)))
        shown += m.captured(1);
    return shown;
}

/** The first text record with exactly that text, or nullptr. */
inline const EmfText* findText(const std::vector<EmfText>& texts, const QString& s)
{
    for (const EmfText& t : texts) {
        if (t.Text == s)
            return &t;
    }
    return nullptr;
}

} // namespace EmfTest
