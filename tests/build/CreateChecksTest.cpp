// The Create command's checks: refusals in order, message texts, focus, and the prepared record.
#include "build/CreateChecks.h"
#include "EngineTestSupport.h"

#include <gtest/gtest.h>

using namespace EngineTest;

namespace {

TCreateInput ValidInput()
{
    TCreateInput input;
    input.Title = "  Space  ";
    input.Category = " Science ";
    input.BonusQuestion = "  Which is the red planet?  ";
    input.AttemptsText = "10";
    input.Rows[0] = {"comet", "Icy visitor"};
    input.Rows[1] = {"orbit", "Path around a star"};
    return input;
}

TPuzzleRecord CurrentRecord()
{
    TPuzzleRecord current;
    current.PageLayout[0] = 0x42;
    current.Generated = 1;
    current.Reserved[0] = 0x17;
    // Leftovers of an earlier list, which the prepared record must not keep.
    for (int i = 0; i < 5; ++i) {
        current.Words[std::size_t(i)].setText("OLD");
        current.Clues[std::size_t(i)].setText("old clue");
    }
    current.WordCount = 5;
    return current;
}

struct TRefusalCase {
    const char* name;
    void (*change)(TCreateInput&);
    QString message;
    CreateField field;
    int row;
    bool beep;
};

/** A 10 x 8 shape whose longest run is 6: every row and column has a hole after six cells. */
TShapeRecord HoledShape()
{
    return DrawnShape({"######.###", "######.###", "######.###", "######.###", "######.###", "######.###",
                       "..........", "#####.####"});
}

} // namespace

TEST(CreateChecks, RefusalsNameTheFirstFailingCheck)
{
    const QString attempts = QStringLiteral("Attempts must be between 1 and 999.  Please correct.");
    const TRefusalCase cases[] = {
        {"spaces-only title", [](TCreateInput& in) { in.Title = "   "; },
         QStringLiteral("No title specified.  Please correct."), CreateField::Title, 0, false},
        {"title checked before category and words",
         [](TCreateInput& in) {
             in.Title = "";
             in.Category = "";
             in.Rows = {};
         },
         QStringLiteral("No title specified.  Please correct."), CreateField::Title, 0, false},
        {"spaces-only category", [](TCreateInput& in) { in.Category = "    "; },
         QStringLiteral("No category specified.  Please correct."), CreateField::Category, 0, false},
        {"words of spaces only",
         [](TCreateInput& in) {
             in.Rows = {};
             in.Rows[3] = {"   ", "a clue without a word"};
             in.AttemptsText = "0";
         },
         QStringLiteral("No words have been entered.  Please correct."), CreateField::None, 0, false},
        {"attempts 0", [](TCreateInput& in) { in.AttemptsText = "0"; }, attempts, CreateField::Attempts, 0, false},
        {"attempts 1000", [](TCreateInput& in) { in.AttemptsText = "1000"; }, attempts, CreateField::Attempts, 0,
         false},
        {"attempts -5", [](TCreateInput& in) { in.AttemptsText = "-5"; }, attempts, CreateField::Attempts, 0, false},
        {"attempts abc", [](TCreateInput& in) { in.AttemptsText = "abc"; }, attempts, CreateField::Attempts, 0,
         false},
        {"attempts empty", [](TCreateInput& in) { in.AttemptsText = ""; }, attempts, CreateField::Attempts, 0,
         false},
        {"word longer than the shape",
         [](TCreateInput& in) { in.Rows[1] = {"  ABCDEFGHIJK ", "eleven"}; },
         QStringLiteral("Word is greater than puzzle dimension size of 10 characters in \"ABCDEFGHIJK\"."),
         CreateField::Word, 2, false},
        {"inner spaces count toward the length",
         [](TCreateInput& in) { in.Rows[1] = {"AB CD EF GH", "spaced"}; },
         QStringLiteral("Word is greater than puzzle dimension size of 10 characters in \"AB CD EF GH\"."),
         CreateField::Word, 2, false},
        {"word longer than the longest run",
         [](TCreateInput& in) { in.Rows[0] = {"saturn's", "ringed"}; },
         QStringLiteral("The maximum word length as provided by the selected layout is 6.  The following word is "
                        "greater than the maximum word length: \"saturn's\".  You will need to correct the word or "
                        "change the layout."),
         CreateField::Word, 1, true},
        {"blank rows close up but the message names the row",
         [](TCreateInput& in) {
             in.Rows = {};
             in.Rows[2] = {"moon", "satellite"};
             in.Rows[6] = {"caf\xE9 noir", "coffee"};
         },
         QStringLiteral("The maximum word length as provided by the selected layout is 6.  The following word is "
                        "greater than the maximum word length: \"caf\u00E9 noir\".  You will need to correct the word "
                        "or change the layout."),
         CreateField::Word, 7, true},
        {"clue of 151 characters",
         [](TCreateInput& in) { in.Rows[1].Clue = QByteArray(151, 'x'); },
         QStringLiteral("The length of the clue for the word \"orbit\" is 1 characters longer than the maximum clue "
                        "size of 150."),
         CreateField::Clue, 2, false},
        {"clue lengths count after trimming",
         [](TCreateInput& in) { in.Rows[5] = {" star ", "  " + QByteArray(160, 'y') + "  "}; },
         QStringLiteral("The length of the clue for the word \"star\" is 10 characters longer than the maximum clue "
                        "size of 150."),
         CreateField::Clue, 6, false},
        {"words are checked before clues",
         [](TCreateInput& in) {
             in.Rows[0].Clue = QByteArray(151, 'x');
             in.Rows[1].Word = "ABCDEFGHIJKLMN";
         },
         QStringLiteral("Word is greater than puzzle dimension size of 10 characters in \"ABCDEFGHIJKLMN\"."),
         CreateField::Word, 2, false},
    };

    const TShapeRecord shape = HoledShape();
    const TPuzzleRecord current = CurrentRecord();
    for (const TRefusalCase& c : cases) {
        TCreateInput input = ValidInput();
        c.change(input);
        const TCreateCheckResult result = CheckCreateInput(input, shape, current);
        ASSERT_FALSE(result.Accepted) << c.name;
        EXPECT_EQ(result.Refusal.Message, c.message) << c.name;
        EXPECT_EQ(result.Refusal.Caption, QStringLiteral("Error")) << c.name;
        EXPECT_EQ(result.Refusal.Field, c.field) << c.name;
        EXPECT_EQ(result.Refusal.Row, c.row) << c.name;
        EXPECT_EQ(result.Refusal.Beep, c.beep) << c.name;
        // Refusals before the record is prepared leave it as it was.
        if (c.field != CreateField::Word && c.field != CreateField::Clue) {
            EXPECT_FALSE(result.RecordPrepared) << c.name;
            EXPECT_EQ(result.Puzzle, current) << c.name;
        } else {
            EXPECT_TRUE(result.RecordPrepared) << c.name;
            EXPECT_TRUE(result.AttemptsAccepted) << c.name;
            EXPECT_EQ(result.Attempts, 10) << c.name;
        }
    }
}

TEST(CreateChecks, AcceptedInputPassesLimitsExactly)
{
    // A word as long as the shape's larger side and the longest run, and a clue of 150, pass.
    const TShapeRecord shape = RectShape(10, 8);
    TCreateInput input = ValidInput();
    input.Rows[1] = {"ABCDEFGHIJ", QByteArray(150, 'c')};
    input.AttemptsText = "  12";
    const TCreateCheckResult result = CheckCreateInput(input, shape, CurrentRecord());
    ASSERT_TRUE(result.Accepted) << result.Refusal.Message.toStdString();
    EXPECT_EQ(result.Attempts, 12);
    EXPECT_EQ(result.Puzzle.Clues[1].text(), QByteArray(150, 'c'));
}

TEST(CreateChecks, AttemptsTextReadsLeadingDigits)
{
    const std::pair<QByteArray, int> cases[] = {
        {"1", 1}, {"999", 999}, {"  12", 12}, {"7x", 7}, {"12 3", 12}, {"", 0}, {"   ", 0}, {"abc", 0}, {"-5", 0},
        {"+5", 0}, {"0042", 42}, {"99999999999999", 999999}, {" \t5", 0}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(ReadAttemptsText(text), value) << text.constData();
}

TEST(CreateChecks, PreparedRecordTakesTheTrimmedFieldsAndClosedUpRows)
{
    const TShapeRecord shape = DrawnShape({"#######", "#.#.#.#", "#######", "#######", "#######"});
    TCreateInput input;
    input.Title = "  " + QByteArray(40, 'T') + "  ";
    input.Category = " " + QByteArray(25, 'C');
    input.BonusQuestion = " " + QByteArray(160, 'B') + " ";
    input.AttemptsText = "3";
    input.Rows[1] = {"  sun  ", "  Our star  "};
    input.Rows[4] = {"sky", ""};
    input.Rows[199] = {"ray", "Beam"};
    const TPuzzleRecord current = CurrentRecord();
    const TCreateCheckResult result = CheckCreateInput(input, shape, current);
    ASSERT_TRUE(result.Accepted) << result.Refusal.Message.toStdString();
    const TPuzzleRecord& p = result.Puzzle;
    EXPECT_EQ(p.Title.text(), QByteArray(35, 'T'));
    EXPECT_EQ(p.Category.text(), QByteArray(20, 'C'));
    EXPECT_EQ(p.BonusQuestion.text(), QByteArray(150, 'B'));
    EXPECT_EQ(p.GridWidth, 7);
    EXPECT_EQ(p.GridHeight, 5);
    EXPECT_EQ(p.WordCount, 3);
    EXPECT_EQ(p.Words[0].text(), "sun");
    EXPECT_EQ(p.Clues[0].text(), "Our star");
    EXPECT_EQ(p.Words[1].text(), "sky");
    EXPECT_EQ(p.Clues[1].text(), "");
    EXPECT_EQ(p.Words[2].text(), "ray");
    EXPECT_EQ(p.Clues[2].text(), "Beam");
    for (int i = 3; i < Limits::WordSlots; ++i) {
        EXPECT_TRUE(p.Words[std::size_t(i)].isEmpty()) << i;
        EXPECT_TRUE(p.Clues[std::size_t(i)].isEmpty()) << i;
    }
    // Fields the Create command does not set are kept.
    EXPECT_EQ(p.PageLayout, current.PageLayout);
    EXPECT_EQ(p.Generated, current.Generated);
    EXPECT_EQ(p.Reserved, current.Reserved);
    EXPECT_EQ(result.Attempts, 3);
}

TEST(CreateChecks, DamagedShapeSidesAreHeldToTheGrid)
{
    TShapeRecord shape = RectShape(30, 30);
    shape.ShapeWidth = 400;
    shape.ShapeHeight = -3;
    const TCreateCheckResult result = CheckCreateInput(ValidInput(), shape, CurrentRecord());
    EXPECT_EQ(result.Puzzle.GridWidth, 50);
    EXPECT_EQ(result.Puzzle.GridHeight, 0);
    // No cell of the shape lies in zero rows, so every word is longer than the longest run.
    ASSERT_FALSE(result.Accepted);
    EXPECT_TRUE(result.Refusal.Beep);
}
