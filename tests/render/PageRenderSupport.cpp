#include "render/PageRenderSupport.h"

#include <algorithm>
#include <QStandardPaths>
#include <cmath>
#include <cstring>

std::vector<TRecordingCanvas::Text> TRecordingCanvas::textsOfSize(int size) const
{
    std::vector<Text> out;
    for (const Text& t : Texts) {
        if (t.Font.Size == size)
            out.push_back(t);
    }
    return out;
}

bool TRecordingCanvas::drew(const QString& s) const
{
    for (const Text& t : Texts) {
        if (t.Text == s)
            return true;
    }
    return false;
}

namespace RenderTest {

TPageObject makeObject(std::int16_t kind, const char* name, int left, int top, int right, int bottom)
{
    TPageObject o;
    o.Kind = kind;
    o.Name.setText(name);
    o.Bounds = {left, top, right, bottom};
    o.TextFontName.setText("Arial");
    o.TextFontSize = 12;
    o.Alignment = TextAlignment::Center;
    o.Transparent = true;
    o.MakeFit = true;
    o.FillColor = 0xFFFFFF;
    o.BorderWidth = 1;
    o.Columns = 1;
    return o;
}

TPageLayout singleObjectLayout(const TPageObject& object)
{
    TPageLayout layout;
    layout.LayoutName.setText("Test");
    layout.PaperName.setText("Letter");
    layout.PaperWidth = 8.5;
    layout.PaperHeight = 11;
    layout.PixelWidth = 408;
    layout.PixelHeight = 528;
    layout.UseInches = true;
    layout.Portrait = true;
    layout.DesignZoom = 1;
    layout.ObjectCount = 1;
    layout.Objects[0] = object;
    return layout;
}

TPageLayout defaultLayout()
{
    TPageLayout layout = singleObjectLayout(makeObject(ObjectKind::Title, "Title", 48, 48, 360, 72));
    layout.LayoutName.setText("New Page");
    TPageObject puzzle = makeObject(ObjectKind::Puzzle, "Puzzle", 96, 76, 312, 292);
    puzzle.NumberFontName.setText("Arial");
    puzzle.NumberFontSize = 5;
    puzzle.BlockColor = 0xFFFFFF;
    puzzle.LineColor = 0;
    puzzle.NumbersHorizontal = true;
    puzzle.LineWidth = 1;
    puzzle.FillColor = 0;
    layout.Objects[1] = puzzle;
    layout.Objects[2] = makeObject(ObjectKind::AcrossHeader, "Across Header", 48, 297, 192, 312);
    layout.Objects[3] = makeObject(ObjectKind::DownHeader, "Down Header", 216, 297, 360, 312);
    layout.Objects[4] = makeObject(ObjectKind::AcrossClues, "Across Clues", 48, 316, 192, 484);
    layout.Objects[5] = makeObject(ObjectKind::DownClues, "Down Clues", 216, 316, 360, 484);
    // Only the clue lists have a column count; every other byte of the objects is zero.
    for (int i = 0; i < 4; ++i)
        layout.Objects[std::size_t(i)].Columns = 0;
    layout.ObjectCount = 6;
    return layout;
}

void setSlot(TPuzzleRecord& puzzle, int slot, const char* word, const char* clue, int number, int startCell,
             bool across)
{
    const auto i = std::size_t(slot - 1);
    puzzle.Words[i].setText(word);
    puzzle.Clues[i].setText(clue);
    puzzle.ClueNumber[i] = std::int16_t(number);
    puzzle.StartCell[i] = std::int16_t(startCell);
    puzzle.Direction[i] = across ? WordDirection::Across : WordDirection::Down;
    int cells = 0;
    for (const char* c = word; *c; ++c)
        cells += *c != ' ';
    puzzle.LetterCount[i] = std::int16_t(cells);
    puzzle.WordUsed[i] = 1;
}

TPuzzleRecord samplePuzzle()
{
    TPuzzleRecord p;
    p.Version.setText("3.0c");
    p.Category.setText("Tests");
    p.Title.setText("Sample Puzzle");
    p.GridWidth = 5;
    p.GridHeight = 5;
    const char* rows[] = {"X-RAY", "E#A#E", "N#D#A", "O#A#R", "NORMS"};
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 5; ++c)
            p.Grid[std::size_t(r * 50 + c)] = std::uint8_t(rows[r][c] == '#' ? ' ' : rows[r][c]);
    }
    setSlot(p, 1, "X-ray", "Medical picture", 1, 1, true);
    setSlot(p, 2, "norms", "Standards", 4, 201, true);
    setSlot(p, 3, "xenon", "Noble gas", 1, 1, false);
    setSlot(p, 4, "radar", "Speed trap device", 2, 3, false);
    setSlot(p, 5, "years", "Long periods of time", 3, 5, false);
    p.WordCount = 5;
    p.AcrossCount = 2;
    p.DownCount = 3;
    p.Generated = 1;
    const QByteArray layout = defaultLayout().toBytes();
    std::memcpy(p.PageLayout.data(), layout.constData(), p.PageLayout.size());
    return p;
}

TPuzzleRecord nestedPuzzle()
{
    TPuzzleRecord p = samplePuzzle();
    // The three down words move one slot on; the inner word becomes the third across word.
    const auto moveDown = [](auto& field) { std::copy_backward(field.begin() + 2, field.begin() + 5, field.begin() + 6); };
    moveDown(p.Words);
    moveDown(p.Clues);
    moveDown(p.StartCell);
    moveDown(p.LetterCount);
    moveDown(p.ClueNumber);
    moveDown(p.Direction);
    moveDown(p.WordUsed);
    setSlot(p, 3, "orms", "Inner word", 5, 202, true);
    p.WordCount = 6;
    p.AcrossCount = 3;
    return p;
}

const TFittedObject* objectOf(const TFittedPage& page, std::int16_t kind)
{
    for (const TFittedObject& f : page.Objects) {
        if (f.Kind == kind)
            return &f;
    }
    return nullptr;
}

QString findProgram(const QString& name)
{
    return QStandardPaths::findExecutable(name);
}

} // namespace RenderTest
