// Word lists, clue lists, Combined Clues, text blocks and single lines: fitting and placement.
#include "render/PageRenderSupport.h"
#include "render/PageRenderer.h"

#include <gtest/gtest.h>

using namespace RenderTest;

namespace {

// One design pixel of a Letter layout 408 x 528 is 1/48 inch.
constexpr double Px = 1.0 / 48.0;

TPuzzleRecord puzzleWithClues(int across, int down, const char* clue = "Clue")
{
    TPuzzleRecord p = samplePuzzle();
    for (int slot = 1; slot <= 200; ++slot) {
        p.Words[std::size_t(slot - 1)].clear();
        p.Clues[std::size_t(slot - 1)].clear();
        p.WordUsed[std::size_t(slot - 1)] = 0;
    }
    for (int slot = 1; slot <= across + down; ++slot)
        setSlot(p, slot, "word", clue, slot, 1, slot <= across);
    p.WordCount = std::int16_t(across + down);
    p.AcrossCount = std::int16_t(across);
    p.DownCount = std::int16_t(down);
    return p;
}

TFittedPage measure(const TPuzzleRecord& puzzle, const TPageObject& object, TRecordingCanvas& canvas,
                    const TRenderOptions& options = {})
{
    return RenderPage(puzzle, singleObjectLayout(object), options, canvas);
}

} // namespace

TEST(PageRenderList, TwelveWordsInTwoColumnsOfSix)
{
    TPuzzleRecord p = puzzleWithClues(12, 0);
    const char* words[] = {"lima", "kilo", "juliet", "india", "hotel", "golf",
                           "foxtrot", "echo", "delta", "charlie", "bravo", "alpha"};
    for (int i = 0; i < 12; ++i)
        p.Words[std::size_t(i)].setText(words[i]);
    // 62 design pixels hold six rows of 0.2 inch at 12 points, not seven.
    for (bool makeFit : {false, true}) {
        TPageObject o = makeObject(ObjectKind::WordList, "Words", 0, 0, 300, 62);
        o.Columns = 2;
        o.MakeFit = makeFit;
        TRecordingCanvas canvas;
        const TFittedPage page = measure(p, o, canvas);
        const auto& list = bodyOf<TFittedWordList>(page, ObjectKind::WordList);
        EXPECT_FALSE(page.WordOverflow);
        EXPECT_EQ(list.Rows, 6);
        ASSERT_EQ(list.Words.size(), 12u);
        EXPECT_EQ(objectOf(page, ObjectKind::WordList)->Object.FittedSize, 12);
        for (int i = 0; i < 12; ++i) {
            EXPECT_EQ(list.Words[std::size_t(i)].Column, i / 6 + 1);
            EXPECT_EQ(list.Words[std::size_t(i)].Row, i % 6 + 1);
        }
        // Sorted and upper-cased; the seventh word heads column 2 at the top row.
        EXPECT_EQ(list.Words[0].Text, QStringLiteral("ALPHA"));
        EXPECT_EQ(list.Words[6].Text, QStringLiteral("GOLF"));
        const double g = TRecordingCanvas::charWidth(12) / 4;
        const double d = (300 * Px - g) / 2;
        const auto texts = canvas.textsOfSize(12);
        ASSERT_EQ(texts.size(), 12u);
        EXPECT_NEAR(texts[6].X, d + g, 1e-9);
        EXPECT_NEAR(texts[6].Y, 0.8 * (62 * Px / 6), 1e-9);
    }
}

TEST(PageRenderList, ThirteenWordsOverflowOrShrink)
{
    TPuzzleRecord p = puzzleWithClues(13, 0);
    TPageObject o = makeObject(ObjectKind::WordList, "Words", 0, 0, 300, 62);
    o.Columns = 2;
    o.MakeFit = false;
    TRecordingCanvas canvas;
    TFittedPage page = measure(p, o, canvas);
    EXPECT_TRUE(page.WordOverflow);
    EXPECT_EQ(bodyOf<TFittedWordList>(page, ObjectKind::WordList).Words.size(), 12u);

    o.MakeFit = true;
    page = measure(p, o, canvas);
    EXPECT_FALSE(page.WordOverflow);
    EXPECT_EQ(bodyOf<TFittedWordList>(page, ObjectKind::WordList).Words.size(), 13u);
    EXPECT_EQ(objectOf(page, ObjectKind::WordList)->Object.FittedSize, 11);
}

TEST(PageRenderList, WordWiderThanColumnKeepsItsPlaceEmpty)
{
    TPuzzleRecord p = puzzleWithClues(3, 0);
    p.Words[1].setText("extraordinarily");
    TPageObject o = makeObject(ObjectKind::WordList, "Words", 0, 0, 48, 100);   // one inch: 12 characters
    o.MakeFit = false;
    TRecordingCanvas canvas;
    const TFittedPage page = measure(p, o, canvas);
    const auto& list = bodyOf<TFittedWordList>(page, ObjectKind::WordList);
    ASSERT_EQ(list.Words.size(), 3u);
    EXPECT_EQ(list.Words[0].Text, QString());   // sorted first: EXTRAORDINARILY
    EXPECT_EQ(list.Words[2].Row, 3);
    EXPECT_FALSE(page.WordOverflow);
}

namespace {

// A column of exactly 1 inch of clue text at 12 points: two 4-letter words a line.
TPageObject narrowClues(bool makeFit)
{
    TPageObject o = makeObject(ObjectKind::AcrossClues, "Across Clues", 0, 0, 57, 200);
    o.MakeFit = makeFit;
    return o;
}

QByteArray words(int count, const char* word = "abcd")
{
    QByteArray out;
    for (int i = 0; i < count; ++i)
        out += (i ? " " : "") + QByteArray(word);
    return out;
}

} // namespace

TEST(PageRenderList, ClueNeedingNineLinesKeepsSevenWithoutMakeFit)
{
    TPuzzleRecord p = puzzleWithClues(2, 0);
    p.Clues[0].setText(words(18));
    TRecordingCanvas canvas;
    const TFittedPage page = measure(p, narrowClues(false), canvas);
    const auto& clues = bodyOf<TFittedClues>(page, ObjectKind::AcrossClues);
    ASSERT_EQ(clues.Clues.size(), 2u);
    EXPECT_NEAR(clues.ClueWidth, 1.0, 1e-9);
    ASSERT_EQ(clues.Clues[0].Lines.size(), 7);
    EXPECT_EQ(clues.Clues[0].Lines[0], QStringLiteral("abcd abcd"));
    EXPECT_EQ(clues.Clues[0].Lines[6], QStringLiteral("abcd abcd"));
    EXPECT_EQ(clues.Clues[1].Row, 8);
    EXPECT_FALSE(page.ClueOverflow);
}

TEST(PageRenderList, MakeFitShrinksAClueOfNineLinesToSeven)
{
    TPuzzleRecord p = puzzleWithClues(1, 0);
    p.Clues[0].setText(words(18));
    TRecordingCanvas canvas;
    const TFittedPage page = measure(p, narrowClues(true), canvas);
    const auto& clues = bodyOf<TFittedClues>(page, ObjectKind::AcrossClues);
    const int size = objectOf(page, ObjectKind::AcrossClues)->Object.FittedSize;
    EXPECT_LT(size, 12);
    EXPECT_LE(clues.Clues[0].Lines.size(), 7);
    EXPECT_EQ(clues.Clues[0].Lines.join(QLatin1Char(' ')), QString::fromLatin1(words(18)));
    // The number and each line are drawn at the fitted size.
    EXPECT_EQ(canvas.textsOfSize(size).size(), std::size_t(clues.Clues[0].Lines.size()) + 1);
}

TEST(PageRenderList, FirstWordWiderThanColumnPrintsOnlyItsNumber)
{
    TPuzzleRecord p = puzzleWithClues(2, 0);
    p.Clues[0].setText("Incomprehensibilities are long");
    TRecordingCanvas canvas;
    const TFittedPage page = measure(p, narrowClues(false), canvas);
    const auto& clues = bodyOf<TFittedClues>(page, ObjectKind::AcrossClues);
    ASSERT_EQ(clues.Clues.size(), 2u);
    EXPECT_EQ(clues.Clues[0].Lines, QStringList{QString()});
    EXPECT_EQ(clues.Clues[1].Row, 2);
    EXPECT_TRUE(canvas.drew(QStringLiteral("1.")));
    EXPECT_FALSE(canvas.drew(QStringLiteral("Incomprehensibilities")));
}

TEST(PageRenderList, NumberWidthFollowsTheLastClueNumber)
{
    struct Case {
        int lastNumber;
        int digits;
    };
    for (const Case c : {Case{9, 2}, Case{10, 3}, Case{99, 3}, Case{100, 4}, Case{999, 4}}) {
        TPuzzleRecord p = puzzleWithClues(3, 0);
        p.ClueNumber[2] = std::int16_t(c.lastNumber);
        TRecordingCanvas canvas;
        TPageObject o = makeObject(ObjectKind::AcrossClues, "Across Clues", 0, 0, 200, 200);
        o.MakeFit = false;
        const TFittedPage page = measure(p, o, canvas);
        const auto& clues = bodyOf<TFittedClues>(page, ObjectKind::AcrossClues);
        const double nine = TRecordingCanvas::charWidth(12);
        EXPECT_NEAR(clues.NumberWidth, c.digits * nine, 1e-9) << c.lastNumber;
        // The clue text starts N after its number.
        const auto texts = canvas.textsOfSize(12);
        ASSERT_GE(texts.size(), 2u);
        EXPECT_EQ(texts[0].Text, QStringLiteral("1."));
        EXPECT_NEAR(texts[0].X, nine / 4, 1e-9);
        EXPECT_NEAR(texts[1].X - texts[0].X, c.digits * nine, 1e-9);
    }
}

TEST(PageRenderList, DownListTakesTheSlotsAfterTheAcrossOnes)
{
    const TPuzzleRecord p = samplePuzzle();
    TRecordingCanvas canvas;
    TPageObject o = makeObject(ObjectKind::DownClues, "Down Clues", 0, 0, 300, 200);
    const TFittedPage page = measure(p, o, canvas);
    const auto& clues = bodyOf<TFittedClues>(page, ObjectKind::DownClues);
    ASSERT_EQ(clues.Clues.size(), 3u);
    EXPECT_EQ(clues.Clues[0].Slot, 3);
    EXPECT_EQ(clues.Clues[0].Number, QStringLiteral("1."));
    EXPECT_EQ(clues.Clues[2].Lines, QStringList{QStringLiteral("Long periods of time")});
}

TEST(PageRenderList, CluesMoveToTheNextColumnAndOverflowPastTheLast)
{
    // Three rows per column, two columns: six one-line clues fit, the seventh does not.
    TPuzzleRecord p = puzzleWithClues(7, 0);
    TPageObject o = makeObject(ObjectKind::AcrossClues, "Across Clues", 0, 0, 300, 30);
    o.Columns = 2;
    o.MakeFit = false;
    TRecordingCanvas canvas;
    TFittedPage page = measure(p, o, canvas);
    const auto& clues = bodyOf<TFittedClues>(page, ObjectKind::AcrossClues);
    EXPECT_EQ(clues.Rows, 3);
    ASSERT_EQ(clues.Clues.size(), 6u);
    EXPECT_EQ(clues.Clues[3].Column, 2);
    EXPECT_EQ(clues.Clues[3].Row, 1);
    EXPECT_TRUE(page.ClueOverflow);

    o.MakeFit = true;
    page = measure(p, o, canvas);
    EXPECT_FALSE(page.ClueOverflow);
    EXPECT_EQ(bodyOf<TFittedClues>(page, ObjectKind::AcrossClues).Clues.size(), 7u);
}

TEST(PageRenderList, CombinedCluesFlowWithoutSplit)
{
    // Five rows a column: Across heading, 3 across clues, then the Down heading would leave no
    // room for the first down clue, so it starts column 2.
    TPuzzleRecord p = puzzleWithClues(3, 2);
    TPageObject o = makeObject(ObjectKind::CombinedClues, "Combined Clues", 0, 0, 300, 50);
    o.Columns = 2;
    o.MakeFit = false;
    TRenderOptions options;
    options.AcrossHeading = "Across";
    options.DownHeading = "Down";
    TRecordingCanvas canvas;
    const TFittedPage page = measure(p, o, canvas, options);
    const auto& clues = bodyOf<TFittedClues>(page, ObjectKind::CombinedClues);
    EXPECT_EQ(clues.Rows, 5);
    ASSERT_EQ(clues.Headings.size(), 2u);
    EXPECT_EQ(clues.Headings[0].Row, 1);
    EXPECT_EQ(clues.Clues[0].Row, 2);
    EXPECT_EQ(clues.Headings[1].Text, QStringLiteral("Down"));
    EXPECT_EQ(clues.Headings[1].Column, 2);
    EXPECT_EQ(clues.Headings[1].Row, 1);
    EXPECT_EQ(clues.Clues[3].Column, 2);
    EXPECT_EQ(clues.Clues[3].Row, 2);
    EXPECT_NEAR(clues.Headings[0].Width, clues.NumberWidth + clues.ClueWidth + clues.Gap, 1e-9);
    EXPECT_FALSE(page.ClueOverflow);
    // Each heading box is outlined for the height of one row.
    EXPECT_EQ(canvas.Lines.size(), 8u);
}

TEST(PageRenderList, CombinedCluesSplitColumns)
{
    TPuzzleRecord p = puzzleWithClues(2, 2);
    TPageObject o = makeObject(ObjectKind::CombinedClues, "Combined Clues", 0, 0, 380, 100);
    o.SplitColumns = true;
    o.MakeFit = false;

    o.Columns = 3;   // across in column 1, down from column 2
    TRecordingCanvas canvas;
    TFittedPage page = measure(p, o, canvas);
    const auto* clues = &bodyOf<TFittedClues>(page, ObjectKind::CombinedClues);
    ASSERT_EQ(clues->Headings.size(), 2u);
    EXPECT_EQ(clues->Headings[1].Column, 2);
    EXPECT_EQ(clues->Headings[1].Row, 1);
    EXPECT_EQ(clues->Clues[2].Column, 2);
    EXPECT_EQ(clues->Clues[2].Row, 2);

    o.Columns = 4;   // the heading boxes span two columns each
    page = measure(p, o, canvas);
    clues = &bodyOf<TFittedClues>(page, ObjectKind::CombinedClues);
    EXPECT_EQ(clues->Headings[1].Column, 3);
    EXPECT_NEAR(clues->Headings[0].Width, 2 * (clues->NumberWidth + clues->ClueWidth) + clues->Spacing + clues->Gap,
                1e-9);

    // Too many across clues for the across half: the rest is not printed and the flag is set.
    TPuzzleRecord many = puzzleWithClues(12, 2);
    o.Columns = 2;
    page = measure(many, o, canvas);
    EXPECT_TRUE(page.ClueOverflow);
    EXPECT_LT(bodyOf<TFittedClues>(page, ObjectKind::CombinedClues).Clues.size(), 12u);
}

TEST(PageRenderList, TextBlockWrapsAtWidthAndLineBreaks)
{
    TPageObject o = makeObject(ObjectKind::Text, "Text 1", 0, 0, 48, 200);   // 12 characters wide
    o.setText("one two three four\r\nfive\r\n\r\n  six");
    o.Alignment = TextAlignment::Left;
    o.MakeFit = false;
    TRecordingCanvas canvas;
    const TFittedPage page = measure(samplePuzzle(), o, canvas);
    const auto& block = bodyOf<TFittedTextBlock>(page, ObjectKind::Text);
    EXPECT_EQ(block.Lines, (QStringList{QStringLiteral("one two"), QStringLiteral("three four"), QStringLiteral("five"),
                                        QString(), QStringLiteral("six")}));
    EXPECT_TRUE(block.Fits);
    EXPECT_FALSE(page.anyTextOverflow());
    const auto texts = canvas.textsOfSize(12);
    ASSERT_EQ(texts.size(), 5u);
    const double l = TRecordingCanvas::rowHeight(12);
    EXPECT_EQ(texts[4].Text, QStringLiteral("six"));
    EXPECT_NEAR(texts[4].Y, 4 * l + 0.8 * l, 1e-9);
}

TEST(PageRenderList, TextBlockOverflowAndMakeFit)
{
    // Rows for two lines only; three lines of text.
    TPageObject o = makeObject(ObjectKind::Text, "Text 1", 0, 0, 200, 20);
    o.setText("a\r\nb\r\nc");
    o.MakeFit = false;
    TRecordingCanvas canvas;
    TPageLayout layout = singleObjectLayout(o);
    layout.Objects[1] = o;   // a second Text object that fits
    layout.Objects[1].setText("fine");
    layout.ObjectCount = 2;
    TFittedPage page = RenderPage(samplePuzzle(), layout, {}, canvas);
    EXPECT_TRUE(page.TextOverflow[0]);
    EXPECT_FALSE(page.TextOverflow[1]);
    EXPECT_EQ(page.TextObjects, 2);
    EXPECT_EQ(bodyOf<TFittedTextBlock>(page, ObjectKind::Text).Lines.size(), 2);

    layout.Objects[0].MakeFit = true;
    page = RenderPage(samplePuzzle(), layout, {}, canvas);
    EXPECT_FALSE(page.anyTextOverflow());
    EXPECT_EQ(page.Objects[0].Object.FittedSize, 8);   // three rows of 1.2 x 8/72 fit 20/48 inch
}

TEST(PageRenderList, TextBlockWordWiderThanObjectStopsThere)
{
    TPageObject o = makeObject(ObjectKind::Text, "Text 1", 0, 0, 24, 200);   // 6 characters
    o.setText("ab cd abcdefghij ef");
    o.MakeFit = false;
    TRecordingCanvas canvas;
    const TFittedPage page = measure(samplePuzzle(), o, canvas);
    EXPECT_EQ(bodyOf<TFittedTextBlock>(page, ObjectKind::Text).Lines, QStringList{QStringLiteral("ab cd")});
    EXPECT_TRUE(page.TextOverflow[0]);
}

TEST(PageRenderList, SingleLineShrinksToTwoPointsAtMost)
{
    TPuzzleRecord p = samplePuzzle();
    p.Title.setText("A title far too long for its box");   // 32 characters
    struct Case {
        int width;        // design pixels
        bool makeFit;
        int expected;
    };
    // At size n the title is 32 x n/144 inch wide: 4 inches (192 px) need n < 18.
    for (const Case c : {Case{192, true, 12}, Case{96, true, 8}, Case{2, true, 2}, Case{2, false, 12}}) {
        TPageObject o = makeObject(ObjectKind::Title, "Title", 0, 0, c.width, 24);
        o.MakeFit = c.makeFit;
        TRecordingCanvas canvas;
        const TFittedPage page = measure(p, o, canvas);
        EXPECT_EQ(page.Objects.at(0).Object.FittedSize, c.expected) << c.width;
    }
}

TEST(PageRenderList, SingleLineAlignmentAndBaseline)
{
    TPuzzleRecord p = samplePuzzle();
    p.Title.setText("abcd");   // 4/12 inch at 12 points
    for (int alignment : {1, 2, 3, 0, 7}) {
        TPageObject o = makeObject(ObjectKind::Title, "Title", 48, 48, 144, 72);   // 1..3 inches, 1..1.5
        o.Alignment = std::int16_t(alignment);
        TRecordingCanvas canvas;
        measure(p, o, canvas);
        ASSERT_EQ(canvas.Texts.size(), 1u);
        const double expectedX = alignment == 2 ? 1 + (2 - 1.0 / 3) / 2 : alignment == 3 ? 3 - 1.0 / 3 : 1;
        EXPECT_NEAR(canvas.Texts[0].X, expectedX, 1e-9) << alignment;
        EXPECT_NEAR(canvas.Texts[0].Y, 1.5 - 0.25 + (12 / 72.0 - 2.4 / 72.0) / 2, 1e-9);
    }
}

TEST(PageRenderList, EmptyBonusQuestionDrawsNothingAtAll)
{
    TPuzzleRecord p = samplePuzzle();
    TPageObject o = makeObject(ObjectKind::BonusQuestion, "Bonus Question", 0, 0, 300, 24);
    o.UseBorder = true;
    TRecordingCanvas canvas;
    TFittedPage page = measure(p, o, canvas);
    EXPECT_TRUE(page.Objects.empty());
    EXPECT_TRUE(canvas.Lines.empty());

    p.BonusQuestion.setText("What links them?");
    page = measure(p, o, canvas);
    EXPECT_TRUE(canvas.drew(QStringLiteral("What links them?")));
}

TEST(PageRenderList, EmptyClueTakesOneRowWithItsNumber)
{
    for (bool makeFit : {false, true}) {
        TPuzzleRecord p = puzzleWithClues(3, 0);
        p.Clues[1].clear();
        TPageObject o = makeObject(ObjectKind::AcrossClues, "Across Clues", 0, 0, 200, 200);
        o.MakeFit = makeFit;
        TRecordingCanvas canvas;
        const TFittedPage page = measure(p, o, canvas);
        const auto& clues = bodyOf<TFittedClues>(page, ObjectKind::AcrossClues);
        ASSERT_EQ(clues.Clues.size(), 3u);
        EXPECT_EQ(clues.Clues[1].Lines, QStringList{QString()});
        EXPECT_EQ(clues.Clues[2].Row, 3);
        EXPECT_TRUE(canvas.drew(QStringLiteral("2.")));
        EXPECT_EQ(objectOf(page, ObjectKind::AcrossClues)->Object.FittedSize, 12);
    }
}

TEST(PageRenderList, TextBlockKeepsAHundredLinesAtMost)
{
    TPageObject o = makeObject(ObjectKind::Text, "Text 1", 0, 0, 400, 30000);
    QByteArray text;
    for (int i = 0; i < 150; ++i)
        text += (i ? "\r\n" : "") + QByteArray::number(i + 1);
    o.setText(text);
    o.MakeFit = false;
    TRecordingCanvas canvas;
    const TFittedPage page = measure(samplePuzzle(), o, canvas);
    const auto& block = bodyOf<TFittedTextBlock>(page, ObjectKind::Text);
    ASSERT_EQ(block.Lines.size(), 100);
    EXPECT_EQ(block.Lines.back(), QStringLiteral("100"));
    EXPECT_TRUE(page.TextOverflow[0]);
}
