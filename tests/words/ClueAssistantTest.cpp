// The clue and theme assistant on the WordNet database: what must and must not come back.
#include "store/Ansi.h"
#include "store/Limits.h"
#include "words/ClueDrafter.h"
#include "words/Lexicon.h"
#include "words/ThemeWords.h"
#include "words/WordNetDatabase.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ClueAssistant : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        const QString folder = WordNetDatabase::Find(QString());
        if (!folder.isEmpty())
            database = WordNetDatabase::Open(folder).release();
    }
    static void TearDownTestSuite() { delete database; }
    void SetUp() override
    {
        if (!database)
            GTEST_SKIP() << "the WordNet database (wordnet-base) is not installed";
    }
    static inline WordNetDatabase* database = nullptr;
};

/** Every clue fits a clue cell, holds only Windows-1252 characters and keeps its answer out. */
void ExpectFairClues(const QString& answer, const QStringList& clues, const QStringList& forms = {})
{
    for (const QString& clue : clues) {
        EXPECT_LE(clue.size(), Limits::ClueLength) << clue.toStdString();
        EXPECT_EQ(Ansi::toUnicode(Ansi::fromUnicode(clue)), clue) << clue.toStdString();
        EXPECT_FALSE(ClueDrafter::GivesAway(clue, answer, forms)) << answer.toStdString() << ": " << clue.toStdString();
        for (const QString& word : answer.toLower().split(QLatin1Char(' ')))
            EXPECT_FALSE(clue.toLower().contains(word)) << answer.toStdString() << ": " << clue.toStdString();
    }
}

} // namespace

TEST(ClueRules, GivesAwayCatchesTheAnswerItsWordsAndObviousFormsOnly)
{
    const struct {
        const char* clue;
        const char* answer;
        bool givesAway;
    } cases[] = {
        {"Fruit with red or green skin", "APPLE", false}, {"Apples, e.g.", "apple", true},
        {"Base of applesauce", "APPLE", true},            {"Crabapple kin", "Apple", true},
        {"Wild cherries", "CHERRY", true},                {"Frozen dessert", "ICE CREAM", false},
        {"Iced drink", "ICE CREAM", true},                {"Sweet icecream", "ICE CREAM", true},
        {"Eucalypt", "EUCALYPTUS", true},                 {"Small insect", "ANT", false},
        {"Anteater's meal", "ANT", true},
        {"Citrous fruit", "CITRUS", true},                {"Sweet melon", "LEMON", false},                 {"Out of time", "OUT OF THE BLUE", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClueDrafter::GivesAway(QLatin1String(c.clue), QLatin1String(c.answer)), c.givesAway) << c.clue;
    EXPECT_TRUE(ClueDrafter::GivesAway(QStringLiteral("Kin of mice"), QStringLiteral("MOUSE"), {QStringLiteral("mice")}));

    const QString longText = QStringLiteral("word ").repeated(40) + QStringLiteral("end");
    const QString cut = ClueDrafter::Shorten(longText);
    EXPECT_LE(cut.size(), Limits::ClueLength);
    EXPECT_TRUE(longText.startsWith(cut) && longText[cut.size()] == QLatin1Char(' ')) << cut.toStdString();
}

TEST_F(ClueAssistant, WordsGetFairCluesTheMostCommonMeaningFirst)
{
    const struct {
        const char* word;
        const char* firstClueHolds; // a word of the first draft, or nothing when no clue may come back
    } cases[] = {
        {"APPLE", "fruit"}, {"apples", "fruit"}, {"Violin", "fiddle"}, {"ice cream", ""},
        {"mouse", "rodent"}, {"run", ""}, {"dove", "pigeon"}, {"xyzzyqq", nullptr},
    };
    for (const auto& c : cases) {
        const QString word = QLatin1String(c.word);
        const QStringList clues = ClueDrafter::Draft(*database, word);
        if (!c.firstClueHolds) {
            EXPECT_TRUE(clues.isEmpty()) << c.word;
            continue;
        }
        ASSERT_FALSE(clues.isEmpty()) << c.word;
        EXPECT_TRUE(clues.first().contains(QLatin1String(c.firstClueHolds), Qt::CaseInsensitive)) << clues.first().toStdString();
        ExpectFairClues(word, clues, ClueDrafter::IrregularFormsOf(*database, word));
    }
    EXPECT_FALSE(ClueDrafter::Draft(*database, QStringLiteral("mouse")).join(QLatin1Char(' ')).contains(QLatin1String("mice")));
}

TEST_F(ClueAssistant, TopicsGiveTheirKindsAndMembersMostFamiliarFirst)
{
    // Words separated by commas.
    const struct {
        const char* topic;
        int count;
        const char* must;
        const char* mustNot;
    } cases[] = {
        {"fruit", 25, "apple,banana,cherry,grape,pear", "fruit,edible fruit,key,seed"},
        {"planet", 12, "Mercury,Venus,Earth,Mars,Jupiter,Saturn,Uranus,Neptune", "planet,world"},
        {"musical instrument", 30, "piano,violin,guitar,flute,drum", "musical instrument,instrument"},
        {"bird", 40, "owl,eagle,duck,swan", "bird,songbird"},
        {"tree", 30, "pine,maple", "tree,fruit tree"},
    };
    for (const auto& c : cases) {
        ThemeRequest request;
        request.Topic = QLatin1String(c.topic);
        request.TopicSense = ThemeWords::DefaultSense(*database, database->TopicSenses(request.Topic));
        request.Count = c.count;
        const ThemeWords theme = ThemeWords::Find(*database, request);
        QStringList words;
        for (const ThemeWord& word : theme.Words) {
            words.append(word.Word.toLower());
            EXPECT_GE(word.Word.size(), 3);
            EXPECT_FALSE(word.Clues.isEmpty()) << word.Word.toStdString();
            ExpectFairClues(word.Word, word.Clues, ClueDrafter::IrregularFormsOf(*database, word.Word));
        }
        EXPECT_LE(words.size(), c.count);
        EXPECT_GE(theme.Found, words.size());
        for (const QString& must : QString::fromLatin1(c.must).split(QLatin1Char(',')))
            EXPECT_TRUE(words.contains(must.toLower())) << c.topic << " lacks " << must.toStdString() << ": "
                                                        << words.join(QStringLiteral(", ")).toStdString();
        for (const QString& mustNot : QString::fromLatin1(c.mustNot).split(QLatin1Char(',')))
            EXPECT_FALSE(words.contains(mustNot)) << c.topic << " gives " << mustNot.toStdString();
    }

    // Several meanings: "bass" the fish is another sense than "bass" the voice, with other words.
    const QList<LexicalSense> bass = database->TopicSenses(QStringLiteral("bass"));
    ASSERT_GE(bass.size(), 4);
    ThemeRequest fish{QStringLiteral("bass"), {}, 30, 3, 12};
    for (const LexicalSense& sense : bass)
        if (sense.Definition.contains(QLatin1String("fish")) && !ThemeWords::Find(*database, {QStringLiteral("bass"), sense, 30, 3, 12}).Words.isEmpty())
            fish.TopicSense = sense;
    const ThemeWords fishes = ThemeWords::Find(*database, fish);
    ASSERT_FALSE(fishes.Words.isEmpty());
    for (const ThemeWord& word : fishes.Words)
        EXPECT_TRUE(word.Word.size() <= 12 && !word.Word.contains(QLatin1String("bass"), Qt::CaseInsensitive)) << word.Word.toStdString();
}

TEST(ClueAssistantLanguages, OnlyEnglishWithTheDatabaseInstalledIsServed)
{
    QTemporaryDir empty;
    EXPECT_EQ(WordNetDatabase::Open(empty.path()), nullptr);
    qputenv(WordNetDatabase::FolderVariable, empty.path().toLocal8Bit());
    EXPECT_FALSE(Lexicon::Unavailable(QString(), 1).isEmpty());
    EXPECT_EQ(Lexicon::Open(QString(), 1), nullptr);
    qunsetenv(WordNetDatabase::FolderVariable);
    for (const int language : {0, 3, 6, 9})
        EXPECT_FALSE(Lexicon::Unavailable(QString(), language).isEmpty()) << language;
}
