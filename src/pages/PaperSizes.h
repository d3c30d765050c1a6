#pragma once
// Paper names, their sizes and units, design pixels per unit, and the page size in inches.

#include <QByteArray>
#include <QByteArrayView>
#include <QSize>
#include <QSizeF>
#include <QStringList>
#include <array>
#include <optional>

struct TPageLayout;

/** A standard paper: its name in the layout, its portrait size and its unit. */
struct TPaperSize {
    const char* Name;
    double Width;   ///< portrait width in the paper's unit
    double Height;  ///< portrait height in the paper's unit
    bool UseInches; ///< true = inches, false = centimetres
};

namespace PaperSizes {

/** The paper name of a layout whose size is entered by hand. */
inline constexpr char CustomName[] = "Custom";

/** Inches in one centimetre. */
constexpr double InchesPerCentimetre = 0.39370078740157480316;

/** Designer zoom values. */
constexpr int ZoomSmall = 1;
constexpr int ZoomMedium = 2;
constexpr int ZoomLarge = 3;

/** Range of a Custom paper as the designer accepts it, per unit. */
constexpr double CustomMinWidthInches = 3;
constexpr double CustomMaxWidthInches = 12;
constexpr double CustomMinHeightInches = 4;
constexpr double CustomMaxHeightInches = 18;
constexpr double CustomMinWidthCentimetres = 7;
constexpr double CustomMaxWidthCentimetres = 31;
constexpr double CustomMinHeightCentimetres = 10;
constexpr double CustomMaxHeightCentimetres = 46;

/** Smallest and largest page side in inches that output accepts from a record; anything else is clamped. */
constexpr double MinPageInches = 1;
constexpr double MaxPageInches = 50;

/** The six standard papers in list order: Letter, Legal, A4, A5, B5, Executive. */
const std::array<TPaperSize, 6>& standardPapers();

/** The paper list of the designer: the six standard names, then "Custom". */
QStringList paperNames();

/** The standard paper of that name (exact, case-sensitive); none for "Custom" and unknown names. */
std::optional<TPaperSize> findPaper(QByteArrayView name);

/** Width and height of a paper in its own unit; landscape swaps them. */
QSizeF orientedSize(const TPaperSize& paper, bool portrait);

/**
 * Design pixels per unit at a zoom: 48/72/96 per inch or 20/30/40 per centimetre for
 * Small/Medium/Large. A zoom outside 1..3 counts as the nearest of them.
 */
int pixelsPerUnit(int zoom, bool useInches);

/** Design page size for a paper size in its unit: Trunc(size x pixels per unit), at least 1 x 1. */
QSize designPixels(QSizeF paperSize, int zoom, bool useInches);

/**
 * The page size in inches that output uses for a layout: a standard paper at its size turned by
 * `Portrait`; "Custom" and unknown names take `PaperWidth` x `PaperHeight`, converted from
 * centimetres when `UseInches` is 0. A size that is not a positive number falls back to Letter in
 * the layout's orientation; any other size is clamped to MinPageInches..MaxPageInches per side.
 */
QSizeF pageSizeInches(const TPageLayout& layout);

/**
 * The design page size of a layout for drawing: `PixelWidth` x `PixelHeight` when both are
 * positive, else the paper size at `DesignZoom` (clamped like pageSizeInches, in the layout's unit).
 */
QSize designPageSize(const TPageLayout& layout);

} // namespace PaperSizes
