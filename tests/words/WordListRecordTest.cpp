// The editor's texts stored into a puzzle record, and the comparison with the snapshot on Exit.
#include "pages/DefaultLayout.h"
#include "store/WorkingPuzzle.h"
#include "words/WordListRecord.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

TCreateInput Input(std::initializer_list<std::pair<int, TWordRow>> rows)
{
    TCreateInput input;
    input.Title = "  Big Cats  ";
    input.Category = " Animals ";
    input.BonusQuestion = " Which one roars? ";
    for (const auto& [row, value] : rows)
        input.Rows[std::size_t(row)] = value;
    return input;
}

void SetLayout(TPuzzleRecord& record, const TPageLayout& layout)
{
    const QByteArray bytes = layout.toBytes();
    std::copy(bytes.begin(), bytes.end(), reinterpret_cast<char*>(record.PageLayout.data()));
}

TPageLayout LayoutOf(const TPuzzleRecord& record)
{
    return TPageLayout::fromBytes(reinterpret_cast<const char*>(record.PageLayout.data()), record.PageLayout.size());
}

} // namespace

TEST(WordListRecordTest, StoringClosesUpRowsAndTrimsAndCutsEveryText)
{
    TPuzzleRecord record;
    for (auto& word : record.Words)
        word.setText("OLD");
    for (auto& clue : record.Clues)
        clue.setText("old clue");
    TCreateInput input = Input({{2, {"  LION ", " King "}},
                                {4, {"    ", "dropped with its word"}},
                                {6, {QByteArray(40, 'W'), QByteArray(170, 'c')}},
                                {199, {"LAST", ""}}});
    input.Title = QByteArray(50, 'T');
    input.Category = QByteArray(30, 'C');
    input.BonusQuestion = QByteArray(200, 'B');
    WordListRecord::StoreEditorText(record, input);

    EXPECT_EQ(record.Title.text(), QByteArray(35, 'T'));
    EXPECT_EQ(record.Category.text(), QByteArray(20, 'C'));
    EXPECT_EQ(record.BonusQuestion.text(), QByteArray(150, 'B'));
    EXPECT_EQ(record.WordCount, 3);
    EXPECT_EQ(record.Words[0].text(), QByteArray("LION"));
    EXPECT_EQ(record.Clues[0].text(), QByteArray("King"));
    EXPECT_EQ(record.Words[1].text(), QByteArray(30, 'W'));
    EXPECT_EQ(record.Clues[1].text(), QByteArray(150, 'c'));
    EXPECT_EQ(record.Words[2].text(), QByteArray("LAST"));
    EXPECT_TRUE(record.Clues[2].isEmpty());
    for (std::size_t i = 3; i < 200; ++i) {
        ASSERT_TRUE(record.Words[i].isEmpty()) << i;
        ASSERT_TRUE(record.Clues[i].isEmpty()) << i;
    }
}

TEST(WordListRecordTest, AConstructedPuzzleCountsOnlyItsPlacedWords)
{
    struct Case {
        const char* name;
        std::uint8_t generated;
        std::int16_t across, down;
        int expected;
    };
    const Case cases[] = {
        {"typed list", 0, 0, 0, 4},
        {"constructed, one word did not fit", 1, 2, 1, 3},
        {"constructed, all placed", 1, 3, 1, 4},
        {"damaged counts above the words", 1, 150, 150, 4},
        {"damaged negative counts", 1, -5, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TPuzzleRecord record;
        record.Generated = c.generated;
        record.AcrossCount = c.across;
        record.DownCount = c.down;
        WordListRecord::StoreEditorText(record, Input({{0, {"CAT", "a"}}, {1, {"DOG", "b"}}, {2, {"EMU", "c"}}, {3, {"GNU", "d"}}}));
        EXPECT_EQ(record.WordCount, c.expected);
        EXPECT_EQ(record.Words[3].text(), QByteArray("GNU")); // every word stays in its slot
    }
}

TEST(WordListRecordTest, SnapshotComparisonSeesTheEditableTextsAndTheLayoutHeaderOnly)
{
    TPuzzleRecord snapshot;
    ClearForNewPuzzle(snapshot);
    SetLayout(snapshot, BuiltInDefaultLayout());
    snapshot.Title.setText("Cats");
    snapshot.Words[0].setText("LION");
    snapshot.Clues[0].setText("King");

    using Change = std::function<void(TPuzzleRecord&)>;
    auto layoutChange = [](std::function<void(TPageLayout&)> f) {
        return [f](TPuzzleRecord& r) {
            TPageLayout l = LayoutOf(r);
            f(l);
            SetLayout(r, l);
        };
    };
    const std::pair<const char*, Change> differing[] = {
        {"title", [](TPuzzleRecord& r) { r.Title.setText("Cats!"); }},
        {"category", [](TPuzzleRecord& r) { r.Category.setText("Pets"); }},
        {"bonus question", [](TPuzzleRecord& r) { r.BonusQuestion.setText("?"); }},
        {"word 200", [](TPuzzleRecord& r) { r.Words[199].setText("X"); }},
        {"clue 1", [](TPuzzleRecord& r) { r.Clues[0].setText("Kin"); }},
        {"layout name", layoutChange([](TPageLayout& l) { l.LayoutName.setText("Other"); })},
        {"paper name", layoutChange([](TPageLayout& l) { l.PaperName.setText("A4"); })},
        {"paper width", layoutChange([](TPageLayout& l) { l.PaperWidth += 0.5; })},
        {"paper height", layoutChange([](TPageLayout& l) { l.PaperHeight += 0.5; })},
        {"pixel width", layoutChange([](TPageLayout& l) { ++l.PixelWidth; })},
        {"pixel height", layoutChange([](TPageLayout& l) { ++l.PixelHeight; })},
        {"units", layoutChange([](TPageLayout& l) { l.UseInches = !l.UseInches; })},
        {"object count", layoutChange([](TPageLayout& l) { --l.ObjectCount; })},
        {"orientation", layoutChange([](TPageLayout& l) { l.Portrait = !l.Portrait; })},
        {"design zoom", layoutChange([](TPageLayout& l) { ++l.DesignZoom; })},
    };
    const std::pair<const char*, Change> same[] = {
        {"nothing", [](TPuzzleRecord&) {}},
        {"bytes past a title's length", [](TPuzzleRecord& r) { r.Title.Chars[20] = 'Z'; }},
        {"bytes past a word's length", [](TPuzzleRecord& r) { r.Words[0].Chars[10] = 'Z'; }},
        {"word count", [](TPuzzleRecord& r) { r.WordCount = 7; }},
        {"grid and used flags", [](TPuzzleRecord& r) { r.Grid[3] = 'Q'; r.WordUsed[0] = 1; }},
        {"an object inside the layout", layoutChange([](TPageLayout& l) { l.Objects[0].Bounds.Left += 5; })},
    };
    for (const auto& [name, change] : differing) {
        TPuzzleRecord edited = snapshot;
        change(edited);
        EXPECT_TRUE(WordListRecord::DiffersFromSnapshot(edited, snapshot)) << name;
    }
    for (const auto& [name, change] : same) {
        TPuzzleRecord edited = snapshot;
        change(edited);
        EXPECT_FALSE(WordListRecord::DiffersFromSnapshot(edited, snapshot)) << name;
    }
}
