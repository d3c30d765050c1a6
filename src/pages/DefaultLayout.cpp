#include "pages/DefaultLayout.h"

#include "pages/PaperSizes.h"

namespace {

// Properties every object of the default layout shares.
TPageObject defaultObject(std::int16_t kind, const char* name, TObjectBounds bounds)
{
    TPageObject o;
    o.Kind = kind;
    o.Name.setText(name);
    o.Bounds = bounds;
    o.TextFontName.setText("Arial");
    o.TextFontSize = 12;
    o.TextFontColor = 0;
    o.Alignment = TextAlignment::Center;
    o.Transparent = true;
    o.MakeFit = true;
    o.Filled = false;
    o.FillColor = 0xFFFFFF;
    o.BorderColor = 0;
    o.UseBorder = false;
    o.BorderWidth = 1;
    return o;
}

} // namespace

TPageLayout BuiltInDefaultLayout()
{
    TPageLayout l;
    l.LayoutName.setText("New Page");
    l.PaperName.setText("Letter");
    l.PaperWidth = 8.5;
    l.PaperHeight = 11;
    l.PixelWidth = 408;
    l.PixelHeight = 528;
    l.UseInches = true;
    l.Portrait = true;
    l.DesignZoom = PaperSizes::ZoomSmall;
    l.ObjectCount = 6;

    l.Objects[0] = defaultObject(ObjectKind::Title, "Title", {48, 48, 360, 72});

    TPageObject puzzle = defaultObject(ObjectKind::Puzzle, "Puzzle", {96, 76, 312, 292});
    puzzle.NumberFontName.setText("Arial");
    puzzle.NumberFontSize = 5;
    puzzle.NumberFontColor = 0;
    puzzle.BlockColor = 0xFFFFFF;
    puzzle.LineColor = 0;
    puzzle.NumbersHorizontal = true;
    puzzle.LineWidth = 1;
    puzzle.FillColor = 0;
    l.Objects[1] = puzzle;

    l.Objects[2] = defaultObject(ObjectKind::AcrossHeader, "Across Header", {48, 297, 192, 312});
    l.Objects[3] = defaultObject(ObjectKind::DownHeader, "Down Header", {216, 297, 360, 312});
    l.Objects[4] = defaultObject(ObjectKind::AcrossClues, "Across Clues", {48, 316, 192, 484});
    l.Objects[4].Columns = 1;
    l.Objects[5] = defaultObject(ObjectKind::DownClues, "Down Clues", {216, 316, 360, 484});
    l.Objects[5].Columns = 1;
    return l;
}
