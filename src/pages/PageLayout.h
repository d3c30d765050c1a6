#pragma once

#include "store/AnsiString.h"
#include "store/Limits.h"

#include <QByteArray>
#include <array>
#include <cstdint>

/** Object kinds of a page layout. */
namespace ObjectKind {
constexpr std::int16_t Title = 1;
constexpr std::int16_t Puzzle = 2;
constexpr std::int16_t DownHeader = 3;
constexpr std::int16_t AcrossHeader = 4;
constexpr std::int16_t DownClues = 5;
constexpr std::int16_t AcrossClues = 6;
constexpr std::int16_t WordList = 7;
constexpr std::int16_t BonusQuestion = 8;
constexpr std::int16_t CombinedClues = 9;
constexpr std::int16_t Text = 10;
constexpr std::int16_t Bitmap = 11;
constexpr std::int16_t Rectangle = 12;
constexpr std::int16_t Circle = 13;
} // namespace ObjectKind

/** Text alignment values of a page object. */
namespace TextAlignment {
constexpr std::int16_t Left = 1;
constexpr std::int16_t Center = 2;
constexpr std::int16_t Right = 3;
} // namespace TextAlignment

/** Sizes of the page layout record and its parts. */
namespace PageLimits {
constexpr int Objects = 20;                 ///< object slots in a layout
constexpr std::size_t HeaderSize = 88;      ///< bytes before the first object slot
constexpr std::size_t ObjectSize = 1439;    ///< bytes of one object slot
constexpr int LayoutNameLength = 20;        ///< String[20] layout and paper names
constexpr int ObjectNameLength = 15;        ///< String[15] object names
constexpr int FontNameLength = 30;          ///< String[30] font face names
constexpr int TextSize = 1001;              ///< NUL-terminated text buffer
constexpr int MaxTextLength = 1000;         ///< characters a text holds at most
constexpr int BitmapFileLength = 255;       ///< String[255] picture path
constexpr std::size_t HeaderReservedSize = 20;
constexpr std::size_t ObjectReservedSize = 28;
constexpr std::size_t ExportFileSize = 6 + Limits::PageLayoutSize; ///< "PAG1.0" and one layout
} // namespace PageLimits

/**
 * A boolean byte of a layout as stored: any nonzero byte reads as true, and the byte itself is
 * kept, so a layout copied into a puzzle, the page file or an export file keeps a 2 or a 255
 * as it was. Assigning a bool stores 0 or 1.
 */
class LayoutFlag {
public:
    constexpr LayoutFlag() = default;
    constexpr explicit LayoutFlag(bool value) : m_raw(value ? 1 : 0) {}
    constexpr LayoutFlag& operator=(bool value)
    {
        m_raw = value ? 1 : 0;
        return *this;
    }
    /** The flag with exactly this stored byte. */
    static constexpr LayoutFlag fromByte(std::uint8_t raw)
    {
        LayoutFlag f;
        f.m_raw = raw;
        return f;
    }
    constexpr operator bool() const { return m_raw != 0; }
    /** The byte as stored. */
    constexpr std::uint8_t raw() const { return m_raw; }
    /** Two flags are equal when their stored bytes are. */
    constexpr bool operator==(const LayoutFlag&) const = default;

private:
    std::uint8_t m_raw = 0;
};

/** A rectangle in design pixels, kept normalised (Left <= Right, Top <= Bottom). */
struct TObjectBounds {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;
    bool operator==(const TObjectBounds&) const = default;
};

/** One placed object of a page layout (1439 bytes stored). Colours are 0x00BBGGRR. */
struct TPageObject {
    std::int16_t Kind = 0;
    AnsiString<PageLimits::ObjectNameLength> Name;
    TObjectBounds Bounds;
    AnsiString<PageLimits::FontNameLength> TextFontName;
    std::int16_t TextFontSize = 0;
    std::uint32_t TextFontColor = 0;
    LayoutFlag TextBold;
    LayoutFlag TextItalic;
    LayoutFlag TextUnderline;
    LayoutFlag TextStrikeOut;
    AnsiString<PageLimits::FontNameLength> NumberFontName;
    std::int16_t NumberFontSize = 0;
    std::uint32_t NumberFontColor = 0;
    LayoutFlag NumberBold;
    LayoutFlag NumberItalic;
    LayoutFlag NumberUnderline;
    LayoutFlag NumberStrikeOut;
    std::uint32_t BlockColor = 0;
    std::uint32_t LineColor = 0;
    LayoutFlag NumbersHorizontal;
    std::int32_t LineWidth = 0;
    std::int16_t Alignment = 0;
    std::array<char, PageLimits::TextSize> Text{};
    LayoutFlag Transparent;
    std::int16_t Columns = 0;
    LayoutFlag SplitColumns;
    LayoutFlag MakeFit;
    LayoutFlag Filled;
    std::uint32_t FillColor = 0;
    std::uint32_t BorderColor = 0;
    LayoutFlag UseBorder;
    std::int16_t BorderWidth = 0;
    AnsiString<PageLimits::BitmapFileLength> BitmapFile;
    std::array<std::uint8_t, 4> ImageReference{};   ///< run-time only; carried, never interpreted
    std::int16_t FittedSize = 0;                     ///< run-time only
    std::array<std::uint8_t, PageLimits::ObjectReservedSize> Reserved{};

    /** The text up to its first NUL, at most 1000 characters. */
    QByteArray text() const;
    /** Stores a text cut to 1000 characters and NUL-terminates it; the rest of the buffer is zeroed. */
    void setText(const QByteArray& value);

    bool operator==(const TPageObject&) const = default;
};

/**
 * A page layout: paper and up to 20 objects in drawing order. Booleans are stored as one byte;
 * any nonzero byte reads as true and is written back unchanged.
 */
struct TPageLayout {
    AnsiString<PageLimits::LayoutNameLength> LayoutName;
    AnsiString<PageLimits::LayoutNameLength> PaperName;
    double PaperWidth = 0;
    double PaperHeight = 0;
    std::int16_t PixelWidth = 0;
    std::int16_t PixelHeight = 0;
    LayoutFlag UseInches{true};
    std::int16_t ObjectCount = 0;
    LayoutFlag Portrait{true};
    std::int16_t DesignZoom = 0;
    std::array<std::uint8_t, PageLimits::HeaderReservedSize> Reserved{};
    std::array<TPageObject, PageLimits::Objects> Objects{};

    /** Reads a layout from its 28868 stored bytes; a shorter block reads as zeros past its end. */
    static TPageLayout fromBytes(const char* data, std::size_t size);
    static TPageLayout fromBytes(const QByteArray& bytes) { return fromBytes(bytes.constData(), std::size_t(bytes.size())); }
    /** The 28868 stored bytes. */
    QByteArray toBytes() const;

    /** Slots in use, clamped to 0..20 whatever the record says. */
    int usedObjects() const;

    bool operator==(const TPageLayout&) const = default;
};
