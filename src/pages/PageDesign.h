#pragma once
// The page designer's rules on a layout record: new objects, the palette, hit testing, handles,
// dragging, slot moves and the rescaling that follows a zoom or unit change. No window here.

#include "pages/PageLayout.h"
#include "store/FixedMessage.h"

#include <QByteArray>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>
#include <cstdint>
#include <optional>

/** The designer's messages. */
namespace DesignerMessages {
inline constexpr TFixedMessage WidthInches{"Width must be between 3 and 12 inches.  Please re-enter width.", "Error"};
inline constexpr TFixedMessage WidthCentimetres{"Width must be between 7 and 31 centimeters.  Please re-enter width.", "Error"};
inline constexpr TFixedMessage HeightInches{"Height must be between 4 and 18 inches.  Please re-enter height.", "Error"};
inline constexpr TFixedMessage HeightCentimetres{"Height must be between 10 and 46 centimeters.  Please re-enter height.", "Error"};
inline constexpr TFixedMessage OddPaper{"Some printers do not support odd sized pages.  Printed results may vary.", "Warning"};
inline constexpr TFixedMessage BitmapMissing{"A bitmap for this layout could not be located.", "Warning"};
inline constexpr TFixedMessage NotABitmap{"The file selected is not a valid bitmap file.", "Error"};
inline constexpr TFixedMessage InvalidLeft{"Invalid left position entered.", "Error"};
inline constexpr TFixedMessage InvalidTop{"Invalid top position entered.", "Error"};
inline constexpr TFixedMessage InvalidWidth{"Invalid width entered.", "Error"};
inline constexpr TFixedMessage InvalidHeight{"Invalid height entered.", "Error"};
inline constexpr TFixedMessage InvalidColumns{"Invalid columns entered.", "Error"};
inline constexpr TFixedMessage OffPage{"The location you have specified will place the object off the page.  Do you wish abort your changes?", "Warning"};
} // namespace DesignerMessages

namespace PageDesign {

/** Kinds 1..13; index 0 of a per-kind table is unused. */
constexpr int KindCount = 13;
using KindFlags = std::array<bool, KindCount + 1>;

/** Handle types: 0 moves the whole object, 1..8 are the handles in reading order. */
enum Handle {
    MoveHandle = 0,
    TopLeft = 1,
    TopMiddle = 2,
    TopRight = 3,
    MiddleLeft = 4,
    MiddleRight = 5,
    BottomLeft = 6,
    BottomMiddle = 7,
    BottomRight = 8,
};

/** Side of a handle's square in page pixels. */
constexpr int HandleSize = 5;

/** Factor of "Inches" switched on: centimetre pixels become inch pixels. */
constexpr double CentimetresToInchesScale = 0.9448818897637795;
/** Factor of "Inches" switched off: inch pixels become centimetre pixels. */
constexpr double InchesToCentimetresScale = 1.0583333333333333;

/**
 * The factor between two designer zooms: 1.5 and 2 up from Small, 0.667 and 1.334 from Medium,
 * 0.5 and 0.75 down from Large (1 for the same zoom). Zooms outside 1..3 count as the nearest.
 */
double ZoomRescaleFactor(int fromZoom, int toZoom);

/** Every used object's four coordinates become Trunc(coordinate x factor). */
void RescaleObjects(TPageLayout& layout, double factor);

/** Largest page coordinate the designer keeps; design pages are at most 32767 pixels a side. */
constexpr std::int32_t CoordinateLimit = 32767;

/**
 * Makes a layout read from a file safe to edit: every used object's coordinates clamped to
 * -CoordinateLimit..CoordinateLimit and its rectangle normalised.
 */
void SanitiseBounds(TPageLayout& layout);

/** A rectangle with its coordinates clamped to -CoordinateLimit..CoordinateLimit and normalised. */
TObjectBounds Sanitised(TObjectBounds bounds);

/** A rectangle with Left <= Right and Top <= Bottom. */
TObjectBounds Normalised(TObjectBounds bounds);

/** Width and height of a new object in page pixels, Trunc(factor x pixels per unit) per side. */
QSize DefaultObjectSize(int kind, int pixelsPerUnit);

/** The kinds present on the page. */
KindFlags PresentKinds(const TPageLayout& layout);

/**
 * Which palette entries may be armed: none with 20 objects; else every kind except kinds 1..8
 * already present, Combined Clues beside a heading or clue list, and the headings and clue lists
 * beside Combined Clues.
 */
KindFlags PaletteEnabled(const TPageLayout& layout);

/**
 * A new object of a kind with its top-left corner at `at`, its default size and its default
 * name, texts, fonts, colours and flags. The heading labels are the settings' "Across Label" and
 * "Down Label".
 */
TPageObject NewPageObject(const TPageLayout& layout, int kind, QPoint at, int pixelsPerUnit,
                          const QByteArray& acrossLabel, const QByteArray& downLabel);

/** Appends an object in the next free slot; false when all 20 are used. Returns its slot. */
std::optional<int> AddObject(TPageLayout& layout, const TPageObject& object);

/** Removes slot `index`: later objects move down one slot. */
void RemoveObject(TPageLayout& layout, int index);

/** Moves slot `from` to slot `to`, shifting the objects in between by one. */
void MoveObject(TPageLayout& layout, int from, int to);

/** Slot of the highest object whose Bounds contain the point (edges included), or nothing. */
std::optional<int> ObjectAt(const TPageLayout& layout, QPoint point);

/** The square of one of the eight handles around a rectangle. */
QRect HandleSquare(const TObjectBounds& bounds, Handle handle);

/**
 * The handle zone a point lies in, tested top-left, top-right, bottom-left, bottom-right,
 * top-middle, bottom-middle, middle-left, middle-right; nothing outside all eight.
 */
std::optional<Handle> HandleAt(const TObjectBounds& bounds, QPoint point);

/** The rectangle a drag gives: a move offsets all four edges, a handle only its own edges. Not normalised. */
TObjectBounds Dragged(const TObjectBounds& bounds, Handle handle, QPoint offset);

/** The label drawn on an object of a kind in the designer; empty for Bitmap and unknown kinds. */
const char* DesignerLabel(int kind);

/** The designer colour (0x00BBGGRR) of a kind; white for unknown kinds. */
std::uint32_t DesignerColor(const TPageObject& object);

/** Whether a kind lists in columns (clue lists, word list, Combined Clues). */
bool HasColumns(int kind);

/** Columns after "Split Columns" is checked: rounded down to even, at least 2. */
int SplitColumnCount(int columns);

/** The refusal of a Custom paper side, or nothing when the value lies in range. */
std::optional<TFixedMessage> CustomSideError(bool width, bool useInches, double value);

/** A Custom paper side converted to the other unit: Trunc(x 0.3937... x 100) / 100 or Trunc(x 254) / 100. */
double ConvertedSide(double value, bool toInches);

/**
 * Pixels from a value in the layout's unit: Round(pixels per unit x value), halves to even.
 * Values beyond the int range are clamped.
 */
std::int32_t PixelsFromUnits(double value, int pixelsPerUnit);

} // namespace PageDesign
