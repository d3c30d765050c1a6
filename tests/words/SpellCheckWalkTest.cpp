// Clue tokens and the spell check walk over a word list.
#include "words/SpellingTestSupport.h"

#include "words/ClueTokens.h"
#include "words/SpellCheckWalk.h"
#include "words/SpellChecker.h"

#include <QTemporaryDir>

using namespace SpellingTest;

TEST(ClueTokens, CutsAtSpacesAndPunctuationAndRebuildsWithSingleSpaces)
{
    struct Case {
        const char* clue;
        const char* tokens;     // joined with "|"
        int replaced;           // token index replaced with "X", -1 for none
        const char* rebuilt;
    };
    const Case cases[] = {
        // The comma stands apart, and the empty token after it gives a second space.
        {"word, second", "word|,||second", 0, "X ,  second"},
        {"word, second", "word|,||second", 3, "word ,  X"},
        {"(big) cat", "|(|big|)||cat", 2, "( X )  cat"},
        {"a-b", "a|-|b", -1, "a - b"},
        {"two  spaces", "two||spaces", 0, "X  spaces"},
        {"\"quoted\"", "|\"|quoted|\"|", 2, "\" X \""},
    };
    for (const Case& c : cases) {
        ClueTokens tokens(QString::fromLatin1(c.clue));
        EXPECT_EQ(tokens.Tokens(), QString::fromLatin1(c.tokens).split(QLatin1Char('|'))) << c.clue;
        if (c.replaced >= 0)
            tokens.Replace(c.replaced, QStringLiteral("X"));
        EXPECT_EQ(tokens.Rebuilt(), QString::fromLatin1(c.rebuilt)) << c.clue;
    }
    for (const char* p : {"\"", "(", ")", "+", ",", "-", ".", "/", ":", ";", "<", "=", ">", "?", "\\", "{", "}"})
        EXPECT_TRUE(ClueTokens::IsPunctuation(QLatin1Char(*p))) << p;
    for (const char* p : {"'", "!", "&", "[", "a", " "})
        EXPECT_FALSE(ClueTokens::IsPunctuation(QLatin1Char(*p))) << p;
}

TEST(ClueTokens, FiftiethTokenTakesTheRestWithItsSpacesAndPunctuation)
{
    QStringList words;
    for (int i = 1; i <= 55; ++i)
        words.append(QStringLiteral("w%1").arg(i));
    const QString clue = words.join(QLatin1Char(' ')) + QStringLiteral(", end.");
    ClueTokens tokens(clue);
    ASSERT_EQ(tokens.Tokens().size(), 50);
    EXPECT_EQ(tokens.Tokens()[48], QStringLiteral("w49"));
    EXPECT_EQ(tokens.Tokens()[49], QStringLiteral("w50 w51 w52 w53 w54 w55, end."));
    EXPECT_EQ(ClueTokens::Checked(tokens.Tokens()[49]), QStringLiteral("w50 w51 w52 w53 w54 w55 end"));
    EXPECT_EQ(tokens.Rebuilt(), clue);
    // A replaced last token keeps its trailing full stop; the rest of the clue is what was chosen.
    tokens.Replace(49, QStringLiteral("fin"));
    EXPECT_TRUE(tokens.Rebuilt().endsWith(QStringLiteral("w49 fin.")));
}

class SpellCheckWalkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setup = SystemSetup(dir.path());
        if (!setup.LanguageAvailable(1))
            GTEST_SKIP() << "no American dictionary installed";
        checker = SpellChecker::Open(setup, 1);
        ASSERT_TRUE(checker);
    }
    /** Answers from a script, recording what was asked. */
    SpellAsk scripted(QList<SpellDecision> answers)
    {
        return [this, answers](const QString& text, const QStringList& suggestions) mutable {
            asked.append(text);
            offered.append(suggestions);
            return answers.isEmpty() ? SpellDecision{} : answers.takeFirst();
        };
    }
    QTemporaryDir dir;
    SpellingSetup setup;
    std::unique_ptr<SpellChecker> checker;
    QStringList asked;
    QList<QStringList> offered;
};

TEST_F(SpellCheckWalkTest, WordsFirstThenClueTokensAndReplacementsRebuildTheClue)
{
    SpellCheckRows rows;
    rows.Words = {QStringLiteral("  CAT "), QStringLiteral("DOGG"), QString(), QStringLiteral("ICE CREAM")};
    rows.Clues = {QStringLiteral("Purrs, recieve milk"), QString(), QStringLiteral(" "), QStringLiteral("Cold (sweet) dessrt")};
    const SpellCheckOutcome outcome = RunSpellCheck(
        *checker, rows,
        scripted({{SpellDecision::Replace, QStringLiteral("DOG")}, {SpellDecision::Replace, QStringLiteral("receive")},
                  {SpellDecision::Replace, QStringLiteral("dessert")}}));
    EXPECT_TRUE(outcome.Misspelled);
    EXPECT_FALSE(outcome.Aborted);
    EXPECT_EQ(asked, (QStringList{QStringLiteral("DOGG"), QStringLiteral("recieve"), QStringLiteral("dessrt")}));
    EXPECT_TRUE(offered[1].contains(QStringLiteral("receive")));
    EXPECT_EQ(rows.Words[0], QStringLiteral("  CAT ")); // accepted cells stay as typed
    EXPECT_EQ(rows.Words[1], QStringLiteral("DOG"));
    EXPECT_EQ(rows.Clues[0], QStringLiteral("Purrs ,  receive milk"));
    EXPECT_EQ(rows.Clues[3], QStringLiteral("Cold  ( sweet )  dessert"));
}

TEST_F(SpellCheckWalkTest, StoredPuzzleChecksOnlyCluesAndAbortStopsAtOnce)
{
    SpellCheckRows rows;
    rows.CheckWords = false;
    rows.Words = {QStringLiteral("XQZV")};
    rows.Clues = {QStringLiteral("frst secnd"), QStringLiteral("thrd")};
    const SpellCheckOutcome outcome = RunSpellCheck(*checker, rows, scripted({{SpellDecision::Abort, {}}}));
    EXPECT_TRUE(outcome.Aborted);
    EXPECT_EQ(asked, QStringList{QStringLiteral("frst")});
    EXPECT_EQ(rows.Clues[0], QStringLiteral("frst secnd"));
}

TEST_F(SpellCheckWalkTest, AddedWordIsNotAskedAgainAndCleanListReportsNoMisspelling)
{
    SpellCheckRows rows;
    rows.Words = {QStringLiteral("ZORBLE"), QStringLiteral("zorble")};
    rows.Clues = {QStringLiteral("A zorble, surely")};
    EXPECT_TRUE(RunSpellCheck(*checker, rows, scripted({{SpellDecision::Add, {}}})).Misspelled);
    EXPECT_EQ(asked, QStringList{QStringLiteral("ZORBLE")});

    asked.clear();
    SpellCheckRows clean;
    clean.Words = {QStringLiteral("HAPPY")};
    clean.Clues = {QStringLiteral("Glad; content (not sad).")};
    const SpellCheckOutcome outcome = RunSpellCheck(*checker, clean, scripted({}));
    EXPECT_FALSE(outcome.Misspelled);
    EXPECT_TRUE(asked.isEmpty());
}
