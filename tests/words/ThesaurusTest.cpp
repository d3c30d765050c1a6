// The thesaurus adapter over the installed MyThes thesauri.
#include "words/SpellingTestSupport.h"

#include "words/SpellChecker.h"
#include "words/Thesaurus.h"

#include <QTemporaryDir>

using namespace SpellingTest;

TEST(Thesaurus, ShownNamesCarryThePartOfSpeechBothWays)
{
    const std::pair<const char*, const char*> names[] = {{"happy.adj", "happy (adjective)"}, {"run.v", "run (verb)"},
                                                         {"cat.n", "cat (noun)"},           {"fast.adv", "fast (adverb)"},
                                                         {"St. Louis.n", "St. Louis (noun)"}, {"plain", "plain"}};
    for (const auto& [name, shown] : names) {
        EXPECT_EQ(Thesaurus::ShownName(QLatin1String(name)), QLatin1String(shown));
        EXPECT_EQ(Thesaurus::CategoryName(QLatin1String(shown)), QLatin1String(name));
    }
}

TEST(Thesaurus, HappyHasAdjectiveCategoriesSynonymsAndAnOppositeInBothThesauri)
{
    QTemporaryDir dir;
    const SpellingSetup setup = SystemSetup(dir.path());
    for (int code : {1, 2}) {
        if (!setup.ThesaurusAvailable(code))
            continue;
        const auto thesaurus = Thesaurus::Open(setup, code);
        ASSERT_TRUE(thesaurus) << code;
        const QStringList categories = thesaurus->Categories(QStringLiteral("HAPPY"));
        ASSERT_FALSE(categories.isEmpty()) << code;
        EXPECT_EQ(categories.first(), QStringLiteral("happy.adj"));
        EXPECT_TRUE(categories.contains(QStringLiteral("glad.adj")));
        EXPECT_EQ(Thesaurus::ShownName(categories.first()), QStringLiteral("happy (adjective)"));
        const QStringList synonyms = thesaurus->Synonyms(categories.first());
        EXPECT_TRUE(synonyms.contains(QStringLiteral("joyful")));
        EXPECT_TRUE(synonyms.contains(QStringLiteral("blissful")));
        EXPECT_FALSE(synonyms.contains(QStringLiteral("unhappy"))) << "an antonym is no synonym";
        for (const QString& s : synonyms)
            EXPECT_FALSE(s.contains(QLatin1Char('('))) << s.toStdString();
        EXPECT_EQ(thesaurus->Antonyms(categories.first()), QStringList{QStringLiteral("unhappy.adj")});
        // The opposite category is found again by its name, its own headword first.
        const QStringList opposite = thesaurus->Synonyms(QStringLiteral("unhappy.adj"));
        ASSERT_FALSE(opposite.isEmpty());
        EXPECT_EQ(opposite.first(), QStringLiteral("unhappy"));
        EXPECT_TRUE(opposite.contains(QStringLiteral("sad")));
        // Nouns show as nouns; a word without opposites has none.
        const QStringList dog = thesaurus->Categories(QStringLiteral("dog"));
        ASSERT_FALSE(dog.isEmpty());
        EXPECT_EQ(Thesaurus::ShownName(dog.first()).right(7), QStringLiteral(" (noun)"));
        for (const QString& c : dog)
            EXPECT_TRUE(thesaurus->Antonyms(c).isEmpty()) << c.toStdString();
        EXPECT_TRUE(thesaurus->Categories(QStringLiteral("xqzvw")).isEmpty());
    }
}

TEST(Thesaurus, SuggestsHeldWordsForMisspelledAndInflectedOnes)
{
    QTemporaryDir dir;
    const SpellingSetup setup = SystemSetup(dir.path());
    SKIP_WITHOUT_THESAURUS(setup, 1);
    SKIP_WITHOUT_LANGUAGE(setup, 1);
    const auto thesaurus = Thesaurus::Open(setup, 1);
    ASSERT_TRUE(thesaurus);
    EXPECT_TRUE(thesaurus->Suggestions(QStringLiteral("hapy")).contains(QStringLiteral("happy")));
    EXPECT_TRUE(thesaurus->Suggestions(QStringLiteral("happiest")).contains(QStringLiteral("happy")));
    for (const QString& word : thesaurus->Suggestions(QStringLiteral("naive")))
        EXPECT_TRUE(FitsWindows1252(word));
    EXPECT_TRUE(thesaurus->Suggestions(QStringLiteral("xqzvwkj")).isEmpty());
}
