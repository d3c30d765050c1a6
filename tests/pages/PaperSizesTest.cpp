// Paper sizes, design pixels per unit and the page size output works with.
#include "pages/DefaultLayout.h"
#include "pages/PaperSizes.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

TPageLayout withPaper(const char* name, double width, double height, bool inches, bool portrait = true)
{
    TPageLayout l = BuiltInDefaultLayout();
    l.PaperName.setText(name);
    l.PaperWidth = width;
    l.PaperHeight = height;
    l.UseInches = inches;
    l.Portrait = portrait;
    return l;
}

} // namespace

TEST(PaperSizes, StandardPapersHaveTheirSizesAndUnits)
{
    const struct {
        const char* name;
        double width, height;
        bool inches;
    } papers[] = {
        {"Letter", 8.5, 11, true}, {"Legal", 8.5, 14, true},   {"A4", 21, 29.7, false},
        {"A5", 14.8, 21, false},   {"B5", 18.2, 25.7, false}, {"Executive", 7.25, 10.5, true},
    };
    for (const auto& p : papers) {
        const auto paper = PaperSizes::findPaper(p.name);
        ASSERT_TRUE(paper) << p.name;
        EXPECT_EQ(PaperSizes::orientedSize(*paper, true), QSizeF(p.width, p.height)) << p.name;
        EXPECT_EQ(PaperSizes::orientedSize(*paper, false), QSizeF(p.height, p.width)) << p.name;
        EXPECT_EQ(paper->UseInches, p.inches) << p.name;
    }
    EXPECT_FALSE(PaperSizes::findPaper("Custom"));
    EXPECT_FALSE(PaperSizes::findPaper("letter"));
    EXPECT_EQ(PaperSizes::paperNames().join(QLatin1Char(',')), QStringLiteral("Letter,Legal,A4,A5,B5,Executive,Custom"));
}

TEST(PaperSizes, PixelsPerUnitFollowZoomAndUnit)
{
    const struct {
        int zoom;
        int inch, centimetre;
    } cases[] = {{1, 48, 20}, {2, 72, 30}, {3, 96, 40}, {0, 48, 20}, {-5, 48, 20}, {4, 96, 40}};
    for (const auto& c : cases) {
        EXPECT_EQ(PaperSizes::pixelsPerUnit(c.zoom, true), c.inch) << c.zoom;
        EXPECT_EQ(PaperSizes::pixelsPerUnit(c.zoom, false), c.centimetre) << c.zoom;
    }
    EXPECT_EQ(PaperSizes::designPixels({8.5, 11}, 1, true), QSize(408, 528));
    EXPECT_EQ(PaperSizes::designPixels({21, 29.7}, 1, false), QSize(420, 594));
    EXPECT_EQ(PaperSizes::designPixels({7.25, 10.5}, 2, true), QSize(522, 756));
}

TEST(PaperSizes, PageSizeInInchesForStandardCustomAndNonsensePapers)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        const char* label;
        TPageLayout layout;
        double width, height;
    } cases[] = {
        {"Letter", withPaper("Letter", 8.5, 11, true), 8.5, 11},
        // A standard paper takes its own size turned by the orientation, whatever the record holds.
        {"Legal landscape", withPaper("Legal", 1, 1, true, false), 14, 8.5},
        {"A4 in centimetres", withPaper("A4", 21, 29.7, false), 21 / 2.54, 29.7 / 2.54},
        {"Custom inches", withPaper("Custom", 8.25, 11.75, true), 8.25, 11.75},
        {"Custom centimetres", withPaper("Custom", 25.4, 12.7, false), 10, 5},
        {"unknown name as Custom", withPaper("Tabloid", 11, 17, true), 11, 17},
        {"zero size", withPaper("Custom", 0, 11, true), 8.5, 11},
        {"negative landscape", withPaper("Custom", -3, 5, true, false), 11, 8.5},
        {"not a number", withPaper("Custom", nan, 5, true), 8.5, 11},
        {"huge and tiny", withPaper("Custom", 1e300, 0.001, true), 50, 1},
    };
    for (const auto& c : cases) {
        const QSizeF size = PaperSizes::pageSizeInches(c.layout);
        EXPECT_NEAR(size.width(), c.width, 1e-9) << c.label;
        EXPECT_NEAR(size.height(), c.height, 1e-9) << c.label;
    }
}

TEST(PaperSizes, DesignPageSizeFallsBackToThePaperWhenPixelsAreMissing)
{
    TPageLayout l = withPaper("Letter", 8.5, 11, true);
    EXPECT_EQ(PaperSizes::designPageSize(l), QSize(408, 528));
    l.PixelWidth = 0;
    l.DesignZoom = 2;
    EXPECT_EQ(PaperSizes::designPageSize(l), QSize(612, 792));
    l = withPaper("A4", 21, 29.7, false);
    l.PixelHeight = -4;
    l.DesignZoom = 1;
    EXPECT_EQ(PaperSizes::designPageSize(l), QSize(420, 594));
}
