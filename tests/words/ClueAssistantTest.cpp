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

    // Compounds, shared stems and derived forms.
    for (const auto& [clue, answer] : std::initializer_list<std::pair<const char*, const char*>>{
             {"Kettle for boiling water to make tea", "TEAKETTLE"}, {"Carpenter's saw", "HANDSAW"}, {"Ripsaw, e.g.", "HANDSAW"},
             {"A social bee", "BUMBLEBEE"}, {"The act of someone who fishes", "FISHING"}, {"A utensil for cooking", "COOKER"},
             {"The quality of being stormy", "STORMINESS"}, {"Large or big", "BIGGER"}, {"Set down in writing", "WRITTEN"},
             {"Game played with a ball", "FOOTBALL"}})
        EXPECT_TRUE(ClueDrafter::GivesAway(QLatin1String(clue), QLatin1String(answer))) << clue;
    EXPECT_FALSE(ClueDrafter::GivesAway(QStringLiteral("The big top"), QStringLiteral("THEATER")));

    // A long text is cut at a clause boundary with its brackets closed, or not at all.
    const QString longText = QStringLiteral("word ").repeated(20) + QStringLiteral("(aside, more); ") + QStringLiteral("word ").repeated(30);
    const QString cut = ClueDrafter::Shorten(longText);
    EXPECT_EQ(cut, longText.left(longText.indexOf(QLatin1Char(';')))) << cut.toStdString();
    EXPECT_TRUE(ClueDrafter::Shorten(QStringLiteral("word ").repeated(40)).isEmpty());
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
        {"fruit", 25, "apple,banana,cherry,grape,pear", "fruit,edible fruit,key"},
        {"planet", 12, "Mercury,Venus,Earth,Mars,Jupiter,Saturn,Uranus,Neptune", "planet,world"},
        {"musical instrument", 30, "piano,guitar,flute,drum", "musical instrument,instrument"},
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
    ThemeRequest fish{QStringLiteral("bass"), {}, 30, 3, 12, true, true};
    for (const LexicalSense& sense : bass)
        if (sense.Definition.contains(QLatin1String("fish")) && !ThemeWords::Find(*database, {QStringLiteral("bass"), sense, 30, 3, 12, true, true}).Words.isEmpty())
            fish.TopicSense = sense;
    const ThemeWords fishes = ThemeWords::Find(*database, fish);
    ASSERT_FALSE(fishes.Words.isEmpty());
    for (const ThemeWord& word : fishes.Words)
        EXPECT_TRUE(word.Word.size() <= 12 && !word.Word.contains(QLatin1String("bass"), Qt::CaseInsensitive)) << word.Word.toStdString();
}

TEST_F(ClueAssistant, ATeachersTopicsFormsAndListsComeBackFitForAClass)
{
    // Words separated by commas; "!" marks a word that must not come back.
    const struct {
        const char* topic;
        bool classroom;
        const char* words;
    } themes[] = {
        {"flower", true, "daisy,orchid,poppy,!everlasting flower,!little golden zinnia"},
        {"weather", true, "rain,snow,wind,!storminess,!boisterousness"},
        {"country", true, "France,China,India,!Carthage,!suzerain,!Eelam"},
        {"sport", true, "football,tennis,golf,!cockfighting,!bullfighting"},
        {"sport", false, "cockfighting"},
        {"dog", true, "hound,terrier,!foxhound,!bloodhound"},
        {"planets", true, "Mercury,Venus,Earth,Mars,Jupiter,Pluto"},
    };
    for (const auto& t : themes) {
        ThemeRequest request;
        request.Topic = QLatin1String(t.topic);
        request.TopicSense = ThemeWords::DefaultSense(*database, database->TopicSenses(request.Topic));
        request.Count = t.classroom ? 20 : 200;
        request.Classroom = t.classroom;
        request.Rarer = !t.classroom;
        QStringList words;
        for (const ThemeWord& word : ThemeWords::Find(*database, request).Words) {
            words.append(word.Word.toLower());
            ExpectFairClues(word.Word, word.Clues, ClueDrafter::IrregularFormsOf(*database, word.Word));
        }
        for (const QString& entry : QString::fromLatin1(t.words).split(QLatin1Char(','))) {
            const bool banned = entry.startsWith(QLatin1Char('!'));
            EXPECT_NE(words.contains(entry.mid(banned ? 1 : 0).toLower()), banned)
                << t.topic << (banned ? " gives " : " lacks ") << entry.toStdString() << ": " << words.join(QStringLiteral(", ")).toStdString();
        }
    }

    // Clues in the list's meaning and in the answer's own form, never cut and mostly short.
    const QStringList planets{QStringLiteral("MERCURY"), QStringLiteral("VENUS"), QStringLiteral("EARTH"), QStringLiteral("MARS"),
                              QStringLiteral("JUPITER"), QStringLiteral("SATURN"), QStringLiteral("URANUS"), QStringLiteral("NEPTUNE"),
                              QStringLiteral("PLUTO")};
    const ClueDrafter::ListContext inPlanets = ClueDrafter::ListContext::Of(*database, planets);
    for (const QString& planet : planets) {
        const QStringList clues = ClueDrafter::Draft(*database, planet, 1, inPlanets);
        ASSERT_FALSE(clues.isEmpty()) << planet.toStdString();
        EXPECT_TRUE(clues.first().contains(QLatin1String("planet"))) << planet.toStdString() << ": " << clues.first().toStdString();
    }
    const struct {
        const char* answer;
        const char* firstClue; // the first draft must hold it
    } forms[] = {
        {"RAN", "moved"}, {"CHILDREN", "people"}, {"WENT", "changed"}, {"FEET", "parts"}, {"LEAVES", "goes"},
        {"BIGGER", "larger"}, {"SWAM", "travel"}, {"GEESE", "s"}, {"MICE", "s"}, {"TEETH", "s"},
    };
    int shortDrafts = 0;
    int drafts = 0;
    for (const auto& f : forms) {
        const QStringList clues = ClueDrafter::Draft(*database, QLatin1String(f.answer));
        ASSERT_FALSE(clues.isEmpty()) << f.answer;
        EXPECT_TRUE(clues.first().contains(QLatin1String(f.firstClue), Qt::CaseInsensitive)) << f.answer << ": " << clues.first().toStdString();
        for (const QString& clue : clues) {
            ++drafts;
            shortDrafts += clue.size() < ClueDrafter::ShortClue ? 1 : 0;
            EXPECT_EQ(clue.count(QLatin1Char('(')), clue.count(QLatin1Char(')'))) << clue.toStdString();
        }
        ExpectFairClues(QLatin1String(f.answer), clues, ClueDrafter::IrregularFormsOf(*database, QLatin1String(f.answer)));
    }
    EXPECT_GT(shortDrafts * 2, drafts);
    // No draft gives another answer of the list away: MOON beside EARTH and SATELLITE.
    const QStringList sky{QStringLiteral("MOON"), QStringLiteral("EARTH"), QStringLiteral("SATELLITE")};
    for (const QString& clue : ClueDrafter::Draft(*database, QStringLiteral("MOON"), 8, ClueDrafter::ListContext::Of(*database, sky)))
        EXPECT_FALSE(clue.contains(QLatin1String("earth"), Qt::CaseInsensitive) || clue.contains(QLatin1String("satellite"), Qt::CaseInsensitive))
            << clue.toStdString();
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
