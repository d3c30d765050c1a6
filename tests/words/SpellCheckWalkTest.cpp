// Clue tokens and the spell check walk over a word list.
#include "words/SpellingTestSupport.h"

#include "words/ClueTokens.h"
#include "words/SpellCheckWalk.h"
#include "words/SpellChecker.h"

#include <QTemporaryDir>

using namespace SpellingTest;

TEST(ClueTokens, CutsAtSpacesAndPunctuationAndReplacesOnlyTheTokensCharacters)
{
    struct Case {
        const char* clue;
        const char* tokens;     // joined with "|"
        int replaced;           // token index replaced with "X", -1 for none
        const char* text;       // the clue after the replacement
    };
    const Case cases[] = {
        // The comma stands apart as a token, yet the clue keeps its spacing as typed.
        {"word, second", "word|,||second", 0, "X, second"},
        {"word, second", "word|,||second", 3, "word, X"},
        {"(big) cat", "|(|big|)||cat", 2, "(X) cat"},
        {"Long-eard owl", "Long|-|eard|owl", 2, "Long-X owl"},
        {"a-b", "a|-|b", -1, "a-b"},
        {"two  spaces", "two||spaces", 0, "X  spaces"},
        {"\"quoted\"", "|\"|quoted|\"|", 2, "\"X\""},
    };
    for (const Case& c : cases) {
        ClueTokens tokens(QString::fromLatin1(c.clue));
        EXPECT_EQ(tokens.Tokens(), QString::fromLatin1(c.tokens).split(QLatin1Char('|'))) << c.clue;
        if (c.replaced >= 0)
            tokens.Replace(c.replaced, QStringLiteral("X"));
        EXPECT_EQ(tokens.Text(), QString::fromLatin1(c.text)) << c.clue;
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
    EXPECT_EQ(tokens.Text(), clue);
    // A replaced last token keeps its trailing full stop; the rest of the clue is what was chosen.
    tokens.Replace(49, QStringLiteral("fin"));
    EXPECT_TRUE(tokens.Text().endsWith(QStringLiteral("w49 fin.")));
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

TEST_F(SpellCheckWalkTest, WordsFirstThenClueTokensAndReplacementsChangeOnlyTheWord)
{
    SpellCheckRows rows;
    rows.Words = {QStringLiteral("  CAT "), QStringLiteral("DOGG"), QString(), QStringLiteral("ICE CREAM")};
    rows.Clues = {QStringLiteral(" Red or grean fruit, keeps the docter away "), QString(), QStringLiteral(" "),
                  QStringLiteral("Cold (sweet) dessrt")};
    const SpellCheckOutcome outcome = RunSpellCheck(
        *checker, rows,
        scripted({{SpellDecision::Replace, QStringLiteral("DOG")}, {SpellDecision::Replace, QStringLiteral("green")},
                  {SpellDecision::Replace, QStringLiteral("doctor")}, {SpellDecision::Replace, QStringLiteral("dessert")}}));
    EXPECT_TRUE(outcome.Misspelled);
    EXPECT_FALSE(outcome.Aborted);
    EXPECT_EQ(asked, (QStringList{QStringLiteral("DOGG"), QStringLiteral("grean"), QStringLiteral("docter"),
                                  QStringLiteral("dessrt")}));
    EXPECT_TRUE(offered[2].contains(QStringLiteral("doctor")));
    EXPECT_EQ(rows.Words[0], QStringLiteral("  CAT ")); // accepted cells stay as typed
    EXPECT_EQ(rows.Words[1], QStringLiteral("DOG"));
    // Two replacements in one clue: every other character, spaces and punctuation included, as typed.
    EXPECT_EQ(rows.Clues[0], QStringLiteral(" Red or green fruit, keeps the doctor away "));
    EXPECT_EQ(rows.Clues[3], QStringLiteral("Cold (sweet) dessert"));
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
