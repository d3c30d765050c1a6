#include "pages/PageDesign.h"

#include "pages/PaperSizes.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace PageDesign {

namespace {

// Rows: from Small, Medium, Large; columns: to Small, Medium, Large. 0.667 and 1.334 are exact
// constants of the layouts already saved, not two thirds and four thirds.
constexpr double ZoomFactors[3][3] = {
    {1.0, 1.5, 2.0},
    {0.667, 1.0, 1.334},
    {0.5, 0.75, 1.0},
};

// Default object sizes in units: width, height per kind 1..13.
constexpr double DefaultSizes[KindCount][2] = {
    {2, 0.25}, // Title
    {3, 3},    // Puzzle
    {2, 0.25}, // Down Header
    {2, 0.25}, // Across Header
    {2, 3},    // Down Clues
    {2, 3},    // Across Clues
    {2, 3},    // Word List
    {4, 0.25}, // Bonus Question
    {4, 3},    // Combined Clues
    {2, 2},    // Text
    {2, 2},    // Bitmap
    {2, 2},    // Rectangle
    {2, 2},    // Circle
};

// Names of kinds 1..9; kinds 10..13 are numbered.
constexpr const char* FixedNames[9] = {"Title", "Puzzle", "Down Header", "Across Header", "Down Clues",
                                       "Across Clues", "Words", "Bonus Question", "Combined Clues"};
constexpr const char* NumberedNames[4] = {"Text ", "Bitmap ", "Rectangle ", "Circle "};

constexpr const char* Labels[KindCount] = {"Title", "Puzzle", "Down Header", "Across Header", "Down Clues",
                                           "Across Clues", "Word List", "Bonus Question", "Combined Clues",
                                           "Text", "", "Rectangle", "Circle"};

constexpr std::uint32_t Colors[KindCount] = {0x00FFFF, 0x000080, 0x008080, 0xFFFF00, 0x008080, 0xFFFF00, 0x808000,
                                             0xFF00FF, 0xFFFF00, 0xC0C0C0, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};

bool validKind(int kind)
{
    return kind >= ObjectKind::Title && kind <= ObjectKind::Circle;
}

std::int32_t scaled(std::int32_t value, double factor)
{
    const double result = std::trunc(double(value) * factor);
    return std::int32_t(std::clamp(result, double(std::numeric_limits<std::int32_t>::min()),
                                   double(std::numeric_limits<std::int32_t>::max())));
}

// The three zones along one axis: low edge, high edge, middle; each inclusive.
bool inLowZone(int value, int edge) { return value >= edge - 2 && value <= edge + 3; }
bool inHighZone(int value, int edge) { return value >= edge - 3 && value <= edge + 2; }
bool inMiddleZone(int value, int middle) { return value >= middle - 3 && value <= middle + 2; }

} // namespace

double ZoomRescaleFactor(int fromZoom, int toZoom)
{
    const int from = std::clamp(fromZoom, PaperSizes::ZoomSmall, PaperSizes::ZoomLarge) - 1;
    const int to = std::clamp(toZoom, PaperSizes::ZoomSmall, PaperSizes::ZoomLarge) - 1;
    return ZoomFactors[from][to];
}

void RescaleObjects(TPageLayout& layout, double factor)
{
    for (int i = 0; i < layout.usedObjects(); ++i) {
        TObjectBounds& b = layout.Objects[std::size_t(i)].Bounds;
        b = {scaled(b.Left, factor), scaled(b.Top, factor), scaled(b.Right, factor), scaled(b.Bottom, factor)};
    }
}

void SanitiseBounds(TPageLayout& layout)
{
    for (int i = 0; i < layout.usedObjects(); ++i)
        layout.Objects[std::size_t(i)].Bounds = Sanitised(layout.Objects[std::size_t(i)].Bounds);
}

TObjectBounds Sanitised(TObjectBounds b)
{
    const auto clamp = [](std::int32_t value) { return std::clamp(value, -CoordinateLimit, CoordinateLimit); };
    return Normalised({clamp(b.Left), clamp(b.Top), clamp(b.Right), clamp(b.Bottom)});
}

TObjectBounds Normalised(TObjectBounds bounds)
{
    if (bounds.Left > bounds.Right)
        std::swap(bounds.Left, bounds.Right);
    if (bounds.Top > bounds.Bottom)
        std::swap(bounds.Top, bounds.Bottom);
    return bounds;
}

QSize DefaultObjectSize(int kind, int pixelsPerUnit)
{
    if (!validKind(kind))
        return {};
    const auto& size = DefaultSizes[kind - 1];
    return {int(size[0] * pixelsPerUnit), int(size[1] * pixelsPerUnit)};
}

KindFlags PresentKinds(const TPageLayout& layout)
{
    KindFlags present{};
    for (int i = 0; i < layout.usedObjects(); ++i) {
        const int kind = layout.Objects[std::size_t(i)].Kind;
        if (validKind(kind))
            present[std::size_t(kind)] = true;
    }
    return present;
}

KindFlags PaletteEnabled(const TPageLayout& layout)
{
    KindFlags enabled{};
    if (layout.usedObjects() >= PageLimits::Objects)
        return enabled;
    const KindFlags present = PresentKinds(layout);
    for (int kind = ObjectKind::Title; kind <= ObjectKind::Circle; ++kind)
        enabled[std::size_t(kind)] = kind > ObjectKind::BonusQuestion || !present[std::size_t(kind)];
    const bool separateLists = present[ObjectKind::AcrossHeader] || present[ObjectKind::DownHeader]
                               || present[ObjectKind::AcrossClues] || present[ObjectKind::DownClues];
    if (separateLists || present[ObjectKind::CombinedClues])
        enabled[ObjectKind::CombinedClues] = false;
    if (present[ObjectKind::CombinedClues]) {
        for (int kind : {ObjectKind::AcrossHeader, ObjectKind::DownHeader, ObjectKind::AcrossClues, ObjectKind::DownClues})
            enabled[std::size_t(kind)] = false;
    }
    return enabled;
}

TPageObject NewPageObject(const TPageLayout& layout, int kind, QPoint at, int pixelsPerUnit,
                          const QByteArray& acrossLabel, const QByteArray& downLabel)
{
    TPageObject o;
    o.Kind = std::int16_t(kind);
    if (kind >= ObjectKind::Text && kind <= ObjectKind::Circle) {
        int count = 0;
        for (int i = 0; i < layout.usedObjects(); ++i)
            count += layout.Objects[std::size_t(i)].Kind == kind ? 1 : 0;
        o.Name.setText(QByteArray(NumberedNames[kind - ObjectKind::Text]) + QByteArray::number(count + 1));
    } else if (validKind(kind)) {
        o.Name.setText(FixedNames[kind - 1]);
    }
    const QSize size = DefaultObjectSize(kind, pixelsPerUnit);
    o.Bounds = {at.x(), at.y(), at.x() + size.width(), at.y() + size.height()};
    if (kind == ObjectKind::CombinedClues)
        o.setText("Across:Down");
    else if (kind == ObjectKind::DownHeader)
        o.setText(downLabel);
    else if (kind == ObjectKind::AcrossHeader)
        o.setText(acrossLabel);
    o.TextFontName.setText("Arial");
    o.TextFontSize = 10;
    o.TextFontColor = 0;
    o.NumberFontName.setText("Arial");
    o.NumberFontSize = 5;
    o.NumberFontColor = 0;
    o.BlockColor = 0xFFFFFF;
    o.LineColor = 0;
    o.NumbersHorizontal = true;
    o.LineWidth = 1;
    const bool centred = kind == ObjectKind::Title || kind == ObjectKind::AcrossHeader || kind == ObjectKind::DownHeader;
    o.Alignment = centred ? TextAlignment::Center : TextAlignment::Left;
    o.Transparent = kind != ObjectKind::Puzzle && kind != ObjectKind::Bitmap;
    o.Columns = kind == ObjectKind::CombinedClues ? 2 : 1;
    o.SplitColumns = false;
    o.MakeFit = true;
    o.Filled = false;
    o.FillColor = kind == ObjectKind::Puzzle ? 0 : 0xFFFFFF;
    o.BorderColor = 0;
    o.UseBorder = kind != ObjectKind::Bitmap;
    o.BorderWidth = 1;
    return o;
}

std::optional<int> AddObject(TPageLayout& layout, const TPageObject& object)
{
    const int count = layout.usedObjects();
    if (count >= PageLimits::Objects)
        return std::nullopt;
    layout.Objects[std::size_t(count)] = object;
    layout.ObjectCount = std::int16_t(count + 1);
    return count;
}

void RemoveObject(TPageLayout& layout, int index)
{
    const int count = layout.usedObjects();
    if (index < 0 || index >= count)
        return;
    for (int i = index; i + 1 < count; ++i)
        layout.Objects[std::size_t(i)] = layout.Objects[std::size_t(i + 1)];
    layout.Objects[std::size_t(count - 1)] = TPageObject{};
    layout.ObjectCount = std::int16_t(count - 1);
}

void MoveObject(TPageLayout& layout, int from, int to)
{
    const int count = layout.usedObjects();
    if (from < 0 || from >= count || to < 0 || to >= count || from == to)
        return;
    const TPageObject moving = layout.Objects[std::size_t(from)];
    const int step = to > from ? 1 : -1;
    for (int i = from; i != to; i += step)
        layout.Objects[std::size_t(i)] = layout.Objects[std::size_t(i + step)];
    layout.Objects[std::size_t(to)] = moving;
}

std::optional<int> ObjectAt(const TPageLayout& layout, QPoint point)
{
    for (int i = layout.usedObjects() - 1; i >= 0; --i) {
        const TObjectBounds& b = layout.Objects[std::size_t(i)].Bounds;
        if (b.Left <= point.x() && point.x() <= b.Right && b.Top <= point.y() && point.y() <= b.Bottom)
            return i;
    }
    return std::nullopt;
}

QRect HandleSquare(const TObjectBounds& bounds, Handle handle)
{
    const int cx = bounds.Left + (bounds.Right - bounds.Left) / 2;
    const int cy = bounds.Top + (bounds.Bottom - bounds.Top) / 2;
    int x = cx - 3;
    int y = cy - 3;
    if (handle == TopLeft || handle == MiddleLeft || handle == BottomLeft)
        x = bounds.Left - 2;
    else if (handle == TopRight || handle == MiddleRight || handle == BottomRight)
        x = bounds.Right - 3;
    if (handle == TopLeft || handle == TopMiddle || handle == TopRight)
        y = bounds.Top - 2;
    else if (handle == BottomLeft || handle == BottomMiddle || handle == BottomRight)
        y = bounds.Bottom - 3;
    return {x, y, HandleSize, HandleSize};
}

std::optional<Handle> HandleAt(const TObjectBounds& b, QPoint point)
{
    const int x = point.x();
    const int y = point.y();
    const int cx = b.Left + (b.Right - b.Left) / 2;
    const int cy = b.Top + (b.Bottom - b.Top) / 2;
    const bool left = inLowZone(x, b.Left);
    const bool right = inHighZone(x, b.Right);
    const bool top = inLowZone(y, b.Top);
    const bool bottom = inHighZone(y, b.Bottom);
    if (left && top)
        return TopLeft;
    if (right && top)
        return TopRight;
    if (left && bottom)
        return BottomLeft;
    if (right && bottom)
        return BottomRight;
    if (inMiddleZone(x, cx) && top)
        return TopMiddle;
    if (inMiddleZone(x, cx) && bottom)
        return BottomMiddle;
    if (left && inMiddleZone(y, cy))
        return MiddleLeft;
    if (right && inMiddleZone(y, cy))
        return MiddleRight;
    return std::nullopt;
}

TObjectBounds Dragged(const TObjectBounds& bounds, Handle handle, QPoint offset)
{
    TObjectBounds b = bounds;
    const int dx = offset.x();
    const int dy = offset.y();
    const bool moveLeft = handle == MoveHandle || handle == TopLeft || handle == MiddleLeft || handle == BottomLeft;
    const bool moveRight = handle == MoveHandle || handle == TopRight || handle == MiddleRight || handle == BottomRight;
    const bool moveTop = handle == MoveHandle || handle == TopLeft || handle == TopMiddle || handle == TopRight;
    const bool moveBottom = handle == MoveHandle || handle == BottomLeft || handle == BottomMiddle || handle == BottomRight;
    if (moveLeft)
        b.Left += dx;
    if (moveRight)
        b.Right += dx;
    if (moveTop)
        b.Top += dy;
    if (moveBottom)
        b.Bottom += dy;
    return b;
}

const char* DesignerLabel(int kind)
{
    return validKind(kind) ? Labels[kind - 1] : "";
}

std::uint32_t DesignerColor(const TPageObject& object)
{
    if (!validKind(object.Kind))
        return 0xFFFFFF;
    if ((object.Kind == ObjectKind::Rectangle || object.Kind == ObjectKind::Circle) && object.Filled)
        return object.FillColor & 0xFFFFFF;
    return Colors[object.Kind - 1];
}

bool HasColumns(int kind)
{
    return kind == ObjectKind::DownClues || kind == ObjectKind::AcrossClues || kind == ObjectKind::WordList
           || kind == ObjectKind::CombinedClues;
}

int SplitColumnCount(int columns)
{
    const int even = columns - columns % 2;
    return even < 2 ? 2 : even;
}

std::optional<TFixedMessage> CustomSideError(bool width, bool useInches, double value)
{
    using namespace PaperSizes;
    double low = 0;
    double high = 0;
    if (width) {
        low = useInches ? CustomMinWidthInches : CustomMinWidthCentimetres;
        high = useInches ? CustomMaxWidthInches : CustomMaxWidthCentimetres;
    } else {
        low = useInches ? CustomMinHeightInches : CustomMinHeightCentimetres;
        high = useInches ? CustomMaxHeightInches : CustomMaxHeightCentimetres;
    }
    if (std::isfinite(value) && value >= low && value <= high)
        return std::nullopt;
    if (width)
        return useInches ? DesignerMessages::WidthInches : DesignerMessages::WidthCentimetres;
    return useInches ? DesignerMessages::HeightInches : DesignerMessages::HeightCentimetres;
}

double ConvertedSide(double value, bool toInches)
{
    if (toInches)
        return std::trunc(value * PaperSizes::InchesPerCentimetre * 100) / 100;
    return std::trunc(value * 254) / 100;
}

std::int32_t PixelsFromUnits(double value, int pixelsPerUnit)
{
    const double pixels = std::nearbyint(value * pixelsPerUnit);
    if (!std::isfinite(pixels))
        return 0;
    return std::int32_t(std::clamp(pixels, double(std::numeric_limits<std::int32_t>::min()),
                                   double(std::numeric_limits<std::int32_t>::max())));
}

} // namespace PageDesign
