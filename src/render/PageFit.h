#pragma once
// The fitted page: everything the measuring stage decided, ready to be drawn or replayed.

#include "render/PageCanvas.h"
#include "pages/PageLayout.h"
#include "store/PuzzleRecord.h"

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QStringList>
#include <array>
#include <variant>
#include <vector>

/** Limits of one rendering run. */
namespace RenderLimits {
constexpr int TextOverflowFlags = 21;   ///< Text objects whose overflow is reported, in drawing order
constexpr int MaxClueLines = 7;         ///< lines a clue may take
constexpr int MaxTextLines = 100;       ///< lines a Text object may take
constexpr int SingleLineFloor = 2;      ///< MakeFit stops shrinking a single line here (points)
constexpr int TextBlockFloor = 4;       ///< a text block shrinks while its size is at least this
constexpr int ListFloor = 3;            ///< clue and word lists shrink while their size is above this
constexpr int LetterFloor = 4;          ///< grid letters shrink down to this
constexpr int MinFontSize = 1;          ///< font sizes read from a layout are clamped to this range
constexpr int MaxFontSize = 400;
constexpr int MaxColumns = 200;         ///< more columns than items cannot help
constexpr int MaxBorderWidth = 9;       ///< border passes, 1..9
constexpr int MaxLineWidth = 100;       ///< grid outline passes
constexpr int BoundsLimit = 100000;     ///< design-pixel coordinates are clamped to +-this
constexpr int MaxTiles = 65536;         ///< a tiled picture with more tiles than this is not drawn
/** The string whose height gives the row height of lists and text blocks. */
inline const QString SampleText = QStringLiteral("ABCWjkl");
/** Message shown once when pictures of the layout are missing. */
inline const QString MissingBitmapsWarning =
    QStringLiteral("One or more bitmaps in the layout design could not be located.");
/** Warnings after a run (caption "Warning"), in the order they are shown. */
inline const QString ClueOverflowWarning = QStringLiteral(
    "Puzzle Clues would not fit in allocated space.  You will need to change the alotted clue space on the page "
    "layout, change the font size for the clues or select the \"Make It Fit\" attribute for the clue fonts.");
inline const QString WordOverflowWarning = QStringLiteral(
    "Puzzle Words would not fit in allocated space.  You will need to change the alotted word space on the page "
    "layout, change the font size for the words or select the \"Make It Fit\" attribute for the puzzle words.");
inline const QString TextOverflowWarning = QStringLiteral(
    "Text would not fit in allocated space.  You will need to change the alotted text space on the page layout, "
    "change the font size for the text or select the \"Make It Fit\" attribute for the text object.");
} // namespace RenderLimits

/** Border of an object: BorderWidth outlines growing outwards, one device pixel per pass. */
struct TFittedBorder {
    bool Used = false;
    std::uint32_t Color = 0;
    int Width = 1;
    bool Ellipse = false;   ///< a Circle's border passes are ellipse outlines
};

/** Metrics of a fitted font, inches: what drawing needs to place text without measuring again. */
struct TFittedFontMetrics {
    double Ascent = 0;
    double Descent = 0;
    double Height = 0;   ///< text height (cell height) of any text in the font
};

/** Title, headings and bonus question: one line of text. */
struct TFittedSingleLine {
    QString Text;
    double Width = 0;         ///< fitted width of Text, inches
};

/** A Text object: its lines as drawn (trimmed, line breaks removed). */
struct TFittedTextBlock {
    int Number = 0;           ///< 1-based count of Text objects in drawing order
    double LineHeight = 0;    ///< text height of the sample string, inches
    int Rows = 0;             ///< lines that fit the height
    QStringList Lines;
    std::vector<double> Widths;   ///< fitted width of each line
    bool Fits = true;
};

/** One word of the word list in its column and row (1-based); empty text when it is too wide. */
struct TFittedWord {
    int Column = 1;
    int Row = 1;
    QString Text;
    double Width = 0;
};

/** The word list: words sorted, placed R per column. */
struct TFittedWordList {
    int Rows = 0;
    double RowHeight = 0;     ///< T = H / R
    double Gap = 0;           ///< G = width of "9" / 4
    double ColumnWidth = 0;   ///< D = (W - G) / Columns
    std::vector<TFittedWord> Words;
    bool Fits = true;
};

/** One clue placed in a column, its first row and its wrapped lines (trimmed). */
struct TFittedClue {
    int Slot = 0;
    QString Number;           ///< the clue number followed by "."
    int Column = 1;
    int Row = 1;
    QStringList Lines;
    double NumberTextWidth = 0;       ///< fitted width of Number
    std::vector<double> LineWidths;   ///< fitted width of each line
};

/** A boxed heading of Combined Clues: one row, Width inches wide from its column's left edge. */
struct TFittedHeading {
    QString Text;
    int Column = 1;
    int Row = 1;
    double Width = 0;
    double TextWidth = 0;     ///< fitted width of Text
};

/** A clue list or Combined Clues. Column m starts at Left + (m-1) x (N + Q + P); numbers at + G. */
struct TFittedClues {
    int Columns = 1;
    int Rows = 0;
    double RowHeight = 0;     ///< T = H / R
    double NumberWidth = 0;   ///< N
    double Spacing = 0;       ///< P
    double Gap = 0;           ///< G
    double ClueWidth = 0;     ///< Q
    std::vector<TFittedClue> Clues;
    std::vector<TFittedHeading> Headings;
    bool Fits = true;
};

/** Text written in one grid cell (row and column 1-based). */
struct TGridText {
    int Row = 1;
    int Column = 1;
    QString Text;
    double Width = 0;         ///< fitted width of Text in its font
};

/** The grid: square cells of size E from Origin, colours, numbers and the letter passes. */
struct TFittedGrid {
    int Width = 1;
    int Height = 1;
    double CellSize = 0;
    QPointF Origin;
    GridCells Cells{};
    bool UseBoxes = true;
    std::uint32_t BoxColor = 0;
    std::uint32_t BlockColor = 0xFFFFFF;
    std::uint32_t LineColor = 0;
    int LineWidth = 1;
    TCanvasFont NumberFont;
    TFittedFontMetrics NumberMetrics;
    std::array<double, 10> DigitWidths{};   ///< width of each digit in the number font
    bool NumbersHorizontal = true;
    std::vector<TGridText> Numbers;
    TCanvasFont LetterFont;
    TFittedFontMetrics LetterMetrics;
    /** Answer key, partial answers, partial letters, separators: each drawn in its own pass. */
    std::vector<std::vector<TGridText>> LetterPasses;

    /** The rectangle of cell (row, column), inches. */
    QRectF cellRect(int row, int column) const
    {
        return QRectF(Origin.x() + (column - 1) * CellSize, Origin.y() + (row - 1) * CellSize, CellSize, CellSize);
    }
    /** Width of a clue number (digits only) in the number font, inches. */
    double numberWidth(const QString& digits) const
    {
        double width = 0;
        for (const QChar c : digits) {
            if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
                width += DigitWidths[std::size_t(c.unicode() - '0')];
        }
        return width;
    }
    /** The stored byte of cell (row, column). */
    std::uint8_t cell(int row, int column) const { return Cells[std::size_t((row - 1) * Limits::GridSide + column - 1)]; }
};

/** A Bitmap object: its picture stretched into the object or tiled over the page. */
struct TFittedBitmap {
    QImage Picture;
    bool Tiled = false;
    QSizeF TileSize;
    int TileColumns = 0;
    int TileRows = 0;
};

/** Rectangle and Circle: an optional fill. */
struct TFittedShape {
    bool Filled = false;
    std::uint32_t FillColor = 0;
};

/** One object of the page as it is drawn. */
struct TFittedObject {
    int Slot = 0;                  ///< 1..20 in the layout
    std::int16_t Kind = 0;
    TPageObject Object;            ///< the layout's slot, FittedSize set to the size used
    QRectF Rect;                   ///< inches on the paper
    TCanvasFont Font;              ///< the text font at its fitted size
    TFittedFontMetrics Metrics;    ///< metrics of Font
    bool Transparent = true;       ///< text background
    std::int16_t Alignment = 1;
    TFittedBorder Border;
    std::variant<std::monostate, TFittedSingleLine, TFittedTextBlock, TFittedWordList, TFittedClues,
                 TFittedGrid, TFittedBitmap, TFittedShape> Body;
};

/** The result of measuring and fitting one page: drawn by DrawPage, read for the overflow warnings. */
struct TFittedPage {
    QString Title;                 ///< the puzzle's title, for files that carry a document title
    double PaperWidth = 0;         ///< inches
    double PaperHeight = 0;
    double Scale = 0;              ///< s: inches per design pixel
    int PrintCount = 0;
    int AcrossCount = 0;           ///< across slots printed: 1..AcrossCount
    std::vector<TFittedObject> Objects;   ///< in slot order, only those that are printed
    bool ClueOverflow = false;
    bool WordOverflow = false;
    std::array<bool, RenderLimits::TextOverflowFlags> TextOverflow{};
    int TextObjects = 0;
    QStringList Warnings;          ///< messages for the caller to show once (caption "Warning")

    /** True when any Text object did not fit. */
    bool anyTextOverflow() const;
    /**
     * Every message the run leaves for the user, in the order shown: the run's own (missing
     * pictures), then the clue, word and text overflow warnings that apply.
     */
    QStringList runWarnings() const;
    /** The clue, word and text overflow warnings that apply, in that order. */
    QStringList overflowWarnings() const;
};
