// The page designer's rules on a layout: rescaling, palette, new objects, handles, dragging.
#include "pages/PageDesign.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <tuple>

namespace {

using namespace PageDesign;

TPageLayout withKinds(std::initializer_list<int> kinds)
{
    TPageLayout layout;
    for (int kind : kinds) {
        TPageObject object;
        object.Kind = std::int16_t(kind);
        AddObject(layout, object);
    }
    return layout;
}

std::vector<int> enabledKinds(const TPageLayout& layout)
{
    std::vector<int> out;
    const KindFlags enabled = PaletteEnabled(layout);
    for (int kind = 1; kind <= KindCount; ++kind)
        if (enabled[std::size_t(kind)])
            out.push_back(kind);
    return out;
}

} // namespace

TEST(PageDesign, ZoomRescalingUsesTheTableFactorsAndTruncates)
{
    const struct {
        int from, to;
        TObjectBounds in, out;
    } cases[] = {
        {1, 3, {33, 47, 101, 200}, {66, 94, 202, 400}},    // Small -> Large doubles
        {1, 2, {33, 47, 101, 200}, {49, 70, 151, 300}},    // Small -> Medium x1.5, truncated
        {2, 1, {1000, 3, 100, 0}, {667, 2, 66, 0}},        // 0.667 exactly, not two thirds (666)
        {2, 3, {1000, 3, 300, 7}, {1334, 4, 400, 9}},      // 1.334 exactly, not four thirds (1333)
        {3, 1, {97, 51, 3, 1}, {48, 25, 1, 0}},            // 0.5
        {3, 2, {97, 51, 3, 1}, {72, 38, 2, 0}},            // 0.75
        {2, 2, {97, 51, 3, 1}, {97, 51, 3, 1}},
        {0, 9, {10, 10, 10, 10}, {20, 20, 20, 20}},        // out-of-range zooms count as Small and Large
    };
    for (const auto& c : cases) {
        TPageLayout layout = withKinds({ObjectKind::Title});
        layout.Objects[0].Bounds = c.in;
        RescaleObjects(layout, ZoomRescaleFactor(c.from, c.to));
        EXPECT_EQ(layout.Objects[0].Bounds, c.out) << c.from << " -> " << c.to;
    }
    // Unused slots are not touched.
    TPageLayout layout = withKinds({ObjectKind::Title});
    layout.Objects[1].Bounds = {5, 5, 5, 5};
    RescaleObjects(layout, 2.0);
    EXPECT_EQ(layout.Objects[1].Bounds, (TObjectBounds{5, 5, 5, 5}));
}

TEST(PageDesign, PaletteFollowsKindsPresentCombinedCluesAndTheTwentySlots)
{
    using K = std::vector<int>;
    const K all{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
    EXPECT_EQ(enabledKinds(withKinds({})), all);
    EXPECT_EQ(enabledKinds(withKinds({ObjectKind::Title, ObjectKind::Puzzle, ObjectKind::Text})),
              (K{3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
    for (int kind : {ObjectKind::AcrossHeader, ObjectKind::DownHeader, ObjectKind::AcrossClues, ObjectKind::DownClues}) {
        const K enabled = enabledKinds(withKinds({kind}));
        EXPECT_EQ(std::count(enabled.begin(), enabled.end(), ObjectKind::CombinedClues), 0) << kind;
        EXPECT_EQ(std::count(enabled.begin(), enabled.end(), kind), 0) << kind;
        EXPECT_EQ(enabled.size(), 11u) << kind;
    }
    EXPECT_EQ(enabledKinds(withKinds({ObjectKind::CombinedClues})), (K{1, 2, 7, 8, 10, 11, 12, 13}));

    TPageLayout full = withKinds({});
    for (int i = 0; i < PageLimits::Objects; ++i)
        ASSERT_TRUE(AddObject(full, NewPageObject(full, ObjectKind::Circle, {}, 48, {}, {})));
    EXPECT_TRUE(enabledKinds(full).empty());
    EXPECT_FALSE(AddObject(full, NewPageObject(full, ObjectKind::Circle, {}, 48, {}, {})));
    RemoveObject(full, 3);
    EXPECT_EQ(enabledKinds(full), all);
    EXPECT_EQ(full.ObjectCount, 19);
}

TEST(PageDesign, NewObjectsGetTheirDefaultSizeNameAndSettings)
{
    const struct {
        int kind;
        int width, height; // at 48 pixels per inch
        const char* name;
        const char* text;
        std::int16_t alignment;
        bool transparent;
        std::int16_t columns;
        std::uint32_t fill;
        bool border;
    } cases[] = {
        {ObjectKind::Title, 96, 12, "Title", "", 2, true, 1, 0xFFFFFF, true},
        {ObjectKind::Puzzle, 144, 144, "Puzzle", "", 1, false, 1, 0, true},
        {ObjectKind::DownHeader, 96, 12, "Down Header", "Downwards", 2, true, 1, 0xFFFFFF, true},
        {ObjectKind::AcrossHeader, 96, 12, "Across Header", "Sideways", 2, true, 1, 0xFFFFFF, true},
        {ObjectKind::DownClues, 96, 144, "Down Clues", "", 1, true, 1, 0xFFFFFF, true},
        {ObjectKind::AcrossClues, 96, 144, "Across Clues", "", 1, true, 1, 0xFFFFFF, true},
        {ObjectKind::WordList, 96, 144, "Words", "", 1, true, 1, 0xFFFFFF, true},
        {ObjectKind::BonusQuestion, 192, 12, "Bonus Question", "", 1, true, 1, 0xFFFFFF, true},
        {ObjectKind::CombinedClues, 192, 144, "Combined Clues", "Across:Down", 1, true, 2, 0xFFFFFF, true},
        {ObjectKind::Text, 96, 96, "Text 3", "", 1, true, 1, 0xFFFFFF, true},
        {ObjectKind::Bitmap, 96, 96, "Bitmap 1", "", 1, false, 1, 0xFFFFFF, false},
        {ObjectKind::Rectangle, 96, 96, "Rectangle 2", "", 1, true, 1, 0xFFFFFF, true},
        {ObjectKind::Circle, 96, 96, "Circle 1", "", 1, true, 1, 0xFFFFFF, true},
    };
    // Two Text objects and one Rectangle are already on the page.
    const TPageLayout layout = withKinds({ObjectKind::Text, ObjectKind::Rectangle, ObjectKind::Text});
    for (const auto& c : cases) {
        const TPageObject o = NewPageObject(layout, c.kind, {30, 40}, 48, "Sideways", "Downwards");
        EXPECT_EQ(o.Bounds, (TObjectBounds{30, 40, 30 + c.width, 40 + c.height})) << c.kind;
        EXPECT_EQ(o.Name.text(), QByteArray(c.name)) << c.kind;
        EXPECT_EQ(o.text(), QByteArray(c.text)) << c.kind;
        EXPECT_EQ(o.Alignment, c.alignment) << c.kind;
        EXPECT_EQ(o.Transparent, c.transparent) << c.kind;
        EXPECT_EQ(o.Columns, c.columns) << c.kind;
        EXPECT_EQ(o.FillColor, c.fill) << c.kind;
        EXPECT_EQ(o.UseBorder, c.border) << c.kind;
        EXPECT_EQ(o.TextFontName.text(), QByteArray("Arial"));
        EXPECT_EQ(o.TextFontSize, 10);
        EXPECT_EQ(o.NumberFontSize, 5);
        EXPECT_EQ(o.BlockColor, 0xFFFFFFu);
        EXPECT_TRUE(o.NumbersHorizontal && o.MakeFit && !o.Filled && !o.SplitColumns);
        EXPECT_EQ(o.BorderWidth, 1);
        EXPECT_EQ(o.LineWidth, 1);
    }
    // Sizes truncate: a quarter of 30 pixels per centimetre is 7.
    EXPECT_EQ(DefaultObjectSize(ObjectKind::Title, 30), QSize(60, 7));
}

TEST(PageDesign, HandleZonesAreTestedInTheirOrder)
{
    const TObjectBounds b{100, 200, 160, 300}; // cx 130, cy 250
    const struct {
        QPoint point;
        std::optional<Handle> handle;
    } cases[] = {
        {{98, 198}, TopLeft},       {{103, 203}, TopLeft},     {{97, 200}, std::nullopt},
        {{157, 198}, TopRight},     {{162, 203}, TopRight},    {{163, 200}, std::nullopt},
        {{100, 302}, BottomLeft},   {{160, 297}, BottomRight}, {{160, 303}, std::nullopt},
        {{127, 200}, TopMiddle},    {{132, 200}, TopMiddle},   {{133, 200}, std::nullopt},
        {{130, 300}, BottomMiddle}, {{100, 247}, MiddleLeft},  {{160, 252}, MiddleRight},
        {{130, 250}, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HandleAt(b, c.point), c.handle) << c.point.x() << "," << c.point.y();
    // A tiny object: every zone overlaps, and the top-left corner wins.
    EXPECT_EQ(HandleAt({10, 10, 12, 12}, {11, 11}), TopLeft);
    // The squares: corners from Left-2 / Right-3, middles from cx-3 / cy-3, 5 pixels each.
    EXPECT_EQ(HandleSquare(b, TopLeft), QRect(98, 198, 5, 5));
    EXPECT_EQ(HandleSquare(b, BottomRight), QRect(157, 297, 5, 5));
    EXPECT_EQ(HandleSquare(b, TopMiddle), QRect(127, 198, 5, 5));
    EXPECT_EQ(HandleSquare(b, MiddleRight), QRect(157, 247, 5, 5));
}

TEST(PageDesign, DraggingOffsetsTheEdgesOfItsHandleAndNormalises)
{
    const TObjectBounds b{100, 200, 160, 300};
    const QPoint d{10, -5};
    const struct {
        Handle handle;
        TObjectBounds out;
    } cases[] = {
        {MoveHandle, {110, 195, 170, 295}}, {TopLeft, {110, 195, 160, 300}},   {TopMiddle, {100, 195, 160, 300}},
        {TopRight, {100, 195, 170, 300}},   {MiddleLeft, {110, 200, 160, 300}}, {MiddleRight, {100, 200, 170, 300}},
        {BottomLeft, {110, 200, 160, 295}}, {BottomMiddle, {100, 200, 160, 295}}, {BottomRight, {100, 200, 170, 295}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Dragged(b, c.handle, d), c.out) << c.handle;
    // The top-left handle dragged past the bottom-right corner.
    EXPECT_EQ(Normalised(Dragged(b, TopLeft, {90, 150})), (TObjectBounds{160, 300, 190, 350}));
}

TEST(PageDesign, BoundsFromAFileAreClampedAndNormalisedBeforeEditing)
{
    TPageLayout layout = withKinds({ObjectKind::Title, ObjectKind::Text});
    layout.Objects[0].Bounds = {std::numeric_limits<std::int32_t>::max(), 10, std::numeric_limits<std::int32_t>::min(), 5};
    layout.Objects[1].Bounds = {3, 4, 5, 6};
    layout.Objects[2].Bounds = {9, 9, 1, 1}; // an unused slot stays as it is
    SanitiseBounds(layout);
    EXPECT_EQ(layout.Objects[0].Bounds, (TObjectBounds{-32767, 5, 32767, 10}));
    EXPECT_EQ(layout.Objects[1].Bounds, (TObjectBounds{3, 4, 5, 6}));
    EXPECT_EQ(layout.Objects[2].Bounds, (TObjectBounds{9, 9, 1, 1}));
    // Dragging the largest object anywhere stays inside int.
    EXPECT_EQ(Dragged(layout.Objects[0].Bounds, MoveHandle, {-32767, 0}).Left, -65534);
}

TEST(PageDesign, SlotsMoveDeleteAndHitTestFromTheTop)
{
    TPageLayout layout = withKinds({ObjectKind::Text, ObjectKind::Rectangle, ObjectKind::Circle, ObjectKind::Title});
    for (int i = 0; i < 4; ++i)
        layout.Objects[std::size_t(i)].Bounds = {10 * i, 10 * i, 10 * i + 50, 10 * i + 50};
    EXPECT_EQ(ObjectAt(layout, {35, 35}), 3);
    EXPECT_EQ(ObjectAt(layout, {5, 5}), 0);
    EXPECT_EQ(ObjectAt(layout, {50, 50}), 3); // edges count
    EXPECT_EQ(ObjectAt(layout, {95, 5}), std::nullopt);

    const auto kinds = [&layout] {
        std::vector<int> out;
        for (int i = 0; i < layout.usedObjects(); ++i)
            out.push_back(layout.Objects[std::size_t(i)].Kind);
        return out;
    };
    MoveObject(layout, 0, 3); // bring to front
    EXPECT_EQ(kinds(), (std::vector<int>{12, 13, 1, 10}));
    MoveObject(layout, 2, 0); // send to back
    EXPECT_EQ(kinds(), (std::vector<int>{1, 12, 13, 10}));
    RemoveObject(layout, 1);
    EXPECT_EQ(kinds(), (std::vector<int>{1, 13, 10}));
    EXPECT_EQ(layout.Objects[3], TPageObject{});
}

TEST(PageDesign, CustomSidesUnitsColumnsAndRounding)
{
    EXPECT_EQ(CustomSideError(false, false, 8).value().text(),
              QStringLiteral("Height must be between 10 and 46 centimeters.  Please re-enter height."));
    EXPECT_EQ(CustomSideError(true, true, 2.99).value().text(),
              QStringLiteral("Width must be between 3 and 12 inches.  Please re-enter width."));
    EXPECT_EQ(CustomSideError(true, false, 31.5).value().text(),
              QStringLiteral("Width must be between 7 and 31 centimeters.  Please re-enter width."));
    EXPECT_EQ(CustomSideError(false, true, 18.01).value().text(),
              QStringLiteral("Height must be between 4 and 18 inches.  Please re-enter height."));
    EXPECT_TRUE(CustomSideError(false, true, std::nan("")));
    for (const auto& [width, inches, value] : {std::tuple{true, true, 3.0}, {true, true, 12.0}, {false, false, 10.0},
                                                {false, false, 46.0}, {true, false, 7.0}, {false, true, 4.0}})
        EXPECT_FALSE(CustomSideError(width, inches, value)) << value;

    EXPECT_DOUBLE_EQ(ConvertedSide(8.5, false), 21.59);
    EXPECT_DOUBLE_EQ(ConvertedSide(21, true), 8.26);
    EXPECT_DOUBLE_EQ(ConvertedSide(29.7, true), 11.69);

    EXPECT_EQ(SplitColumnCount(3), 2);
    EXPECT_EQ(SplitColumnCount(1), 2);
    EXPECT_EQ(SplitColumnCount(4), 4);
    EXPECT_EQ(SplitColumnCount(9), 8);

    // Halves go to the even neighbour.
    EXPECT_EQ(PixelsFromUnits(1, 48), 48);
    EXPECT_EQ(PixelsFromUnits(1.25, 2), 2);
    EXPECT_EQ(PixelsFromUnits(1.75, 2), 4);
    EXPECT_EQ(PixelsFromUnits(0.3, 20), 6);
    EXPECT_EQ(PixelsFromUnits(1e12, 96), std::numeric_limits<std::int32_t>::max());
}
