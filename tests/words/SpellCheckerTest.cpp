// The spelling adapter against the installed Debian dictionaries, the user lists and the start-up rules.
#include "words/SpellingTestSupport.h"

#include "store/Ansi.h"
#include "store/Settings.h"
#include "words/SpellChecker.h"
#include "words/SpellingSessions.h"
#include "words/UserWordList.h"

#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

using namespace SpellingTest;

TEST(SpellChecker, AmericanAndBritishDictionariesJudgeWordsAsReadersExpect)
{
    QTemporaryDir dir;
    const SpellingSetup setup = SystemSetup(dir.path());
    SKIP_WITHOUT_LANGUAGE(setup, 1);
    SKIP_WITHOUT_LANGUAGE(setup, 2);
    const auto american = SpellChecker::Open(setup, 1);
    const auto british = SpellChecker::Open(setup, 2);
    ASSERT_TRUE(american && british);

    struct Case {
        const char* text;
        bool american;
        bool british;
    };
    const Case cases[] = {
        {"receive", true, true},  {"recieve", false, false}, {"colour", false, true}, {"color", true, false},
        {"RECEIVE", true, true},  {"ice cream", true, true}, {"ice craem", false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(american->Accepts(QString::fromUtf8(c.text)), c.american) << c.text;
        EXPECT_EQ(british->Accepts(QString::fromUtf8(c.text)), c.british) << c.text;
    }
    EXPECT_TRUE(american->Suggestions(QStringLiteral("recieve")).contains(QStringLiteral("receive")));
    EXPECT_TRUE(american->Suggestions(QStringLiteral("RECIEVE")).contains(QStringLiteral("RECEIVE")));
    EXPECT_TRUE(american->Suggestions(QStringLiteral("ice craem")).contains(QStringLiteral("ice cream")));
    EXPECT_TRUE(american->Suggestions(QStringLiteral("receive")).isEmpty());
}

TEST(SpellChecker, EveryInstalledLanguageAcceptsItsOwnWordsWithAccents)
{
    QTemporaryDir dir;
    const SpellingSetup setup = SystemSetup(dir.path());
    // One accented word each, given as Windows-1252 record bytes.
    const std::pair<int, QByteArray> words[] = {{3, "ni\xF1o"},  {4, "citt\xE0"},  {5, "\xE9t\xE9"},
                                                {6, "M\xFC" "de"}, {7, "co\xF6peratie"}, {8, "\xE4pple"}};
    for (const auto& [code, bytes] : words) {
        if (!setup.LanguageAvailable(code))
            continue;
        const auto checker = SpellChecker::Open(setup, code);
        ASSERT_TRUE(checker) << Spelling::Language(code).Name;
        EXPECT_TRUE(checker->Accepts(Ansi::toUnicode(bytes))) << Spelling::Language(code).Name;
        for (const QString& suggestion : checker->Suggestions(QStringLiteral("xqzv")))
            EXPECT_TRUE(FitsWindows1252(suggestion)) << suggestion.toStdString();
    }
}

TEST(SpellChecker, SuggestionsThatWindows1252CannotHoldAreNotOffered)
{
    QTemporaryDir dir;
    const SpellingSetup setup = SystemSetup(dir.path());
    SKIP_WITHOUT_LANGUAGE(setup, 2);
    // The British dictionary suggests "Bravos" and the Romanian "Bra\u0219ov" for "Brasov".
    const QStringList suggestions = SpellChecker::Open(setup, 2)->Suggestions(QStringLiteral("Brasov"));
    EXPECT_TRUE(suggestions.contains(QStringLiteral("Bravos")));
    for (const QString& s : suggestions)
        EXPECT_TRUE(FitsWindows1252(s)) << s.toStdString();
    EXPECT_FALSE(FitsWindows1252(QString::fromUtf8("Bra\u0219ov")));
    EXPECT_TRUE(FitsWindows1252(QString::fromUtf8("c\u0153ur \u20AC")));
}

TEST(SpellChecker, InclusionListAcceptsAndExclusionListRefuses)
{
    QTemporaryDir dir;
    SpellingSetup setup = SystemSetup(dir.path());
    SKIP_WITHOUT_LANGUAGE(setup, 1);
    // Lists as a user might leave them: Windows line ends, blank lines, stray spaces.
    WriteWords(dir.filePath(QStringLiteral("IncEngl.tlx")), "Quorvex\r\n\r\n  zyxwords \r\n");
    WriteWords(dir.filePath(QStringLiteral("ExcEngl.tlx")), "colour\nreceive\n");
    const auto checker = SpellChecker::Open(setup, 1);
    ASSERT_TRUE(checker);
    EXPECT_TRUE(checker->Accepts(QStringLiteral("Quorvex")));
    EXPECT_TRUE(checker->Accepts(QStringLiteral("QUORVEX")));
    EXPECT_TRUE(checker->Accepts(QStringLiteral("zyxwords")));
    EXPECT_FALSE(checker->Accepts(QStringLiteral("receive")));
    EXPECT_FALSE(checker->Accepts(QStringLiteral("Receive")));
    EXPECT_FALSE(checker->Suggestions(QStringLiteral("recieve")).contains(QStringLiteral("receive")));

    // British keeps its own lists: the American ones do not reach it.
    setup.UserListLanguage = 2;
    const auto british = SpellChecker::Open(setup, 1);
    EXPECT_TRUE(british->Accepts(QStringLiteral("receive")));
    EXPECT_FALSE(british->Accepts(QStringLiteral("Quorvex")));
}

TEST(SpellingSessions, AKeptCheckerFollowsEveryChangeOfTheUserLists)
{
    QTemporaryDir dir;
    const SpellingSetup setup = SystemSetup(dir.path());
    SKIP_WITHOUT_LANGUAGE(setup, 1);
    const QString inclusion = dir.filePath(QStringLiteral("IncEngl.tlx"));
    SpellingSessions sessions;
    SpellChecker* first = sessions.CheckerFor(setup, 1);
    ASSERT_TRUE(first);
    EXPECT_FALSE(first->Accepts(QStringLiteral("zyxwords")));
    // "Add to Dictionary" appends to the list: the open session takes the word without reopening.
    ASSERT_TRUE(UserWordList::Add(inclusion, QStringLiteral("zyxwords")).isOk());
    EXPECT_EQ(sessions.CheckerFor(setup, 1), first);
    EXPECT_TRUE(first->Accepts(QStringLiteral("zyxwords")));
    // A word excluded, or one taken off the inclusion list, counts at the next check.
    WriteWords(dir.filePath(QStringLiteral("ExcEngl.tlx")), "receive\n");
    EXPECT_FALSE(sessions.CheckerFor(setup, 1)->Accepts(QStringLiteral("receive")));
    ASSERT_TRUE(UserWordList::Write(inclusion, UserWordList::List{{QStringLiteral("qqvex")}, false}).isOk());
    SpellChecker* edited = sessions.CheckerFor(setup, 1);
    EXPECT_FALSE(edited->Accepts(QStringLiteral("zyxwords")));
    EXPECT_TRUE(edited->Accepts(QStringLiteral("qqvex")));
    EXPECT_FALSE(edited->Accepts(QStringLiteral("receive")));
    EXPECT_EQ(sessions.CheckerFor(setup, 1), edited);
    if (setup.ThesaurusAvailable(Spelling::AmericanThesaurus)) {
        EXPECT_EQ(sessions.ThesaurusFor(setup, 1), sessions.ThesaurusFor(setup, 1));
    }
}

TEST(SpellChecker, UserWordListWritesWindows1252LinesAndReadsThemBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("IncFrnch.tlx"));
    EXPECT_TRUE(UserWordList::Read(path).isEmpty());
    ASSERT_TRUE(UserWordList::Add(path, QString::fromUtf8("été")).isOk());
    ASSERT_TRUE(UserWordList::Add(path, QStringLiteral("zut")).isOk());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("\xE9t\xE9\nzut\n"));
    EXPECT_EQ(UserWordList::Read(path), (QStringList{QString::fromUtf8("été"), QStringLiteral("zut")}));
    ASSERT_TRUE(UserWordList::Write(path, {}).isOk());
    EXPECT_TRUE(UserWordList::Read(path).isEmpty());

    // A UTF-8 list stays UTF-8.
    WriteWords(path, "\xC5\x81\xC3\x93" "D\xC5\xB9\n");
    ASSERT_TRUE(UserWordList::Add(path, QStringLiteral("zut")).isOk());
    EXPECT_EQ(TestFiles::bytesOf(path), QByteArray("\xC5\x81\xC3\x93" "D\xC5\xB9\nzut\n"));
}

TEST(SpellChecker, AUserWordListThatCannotBeReadIsReportedAndLeftWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("IncEngl.tlx"));
    const std::vector<std::pair<const char*, std::function<void()>>> unreadable{
        {"larger than any list", [&] { QFile f(path); ASSERT_TRUE(f.open(QIODevice::WriteOnly)); f.write("ALPHA\nBETA\nGAMMA\n"); f.resize(17 << 20); }},
        {"a FIFO", [&] { ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0644), 0); }},
        {"no permission to read", [&] { WriteWords(path, "ALPHA\nBETA\nGAMMA\n"); QFile::setPermissions(path, {}); }},
    };
    for (const auto& [name, make] : unreadable) {
        SCOPED_TRACE(name);
        QFile::remove(path);
        make();
        if (std::string(name) == "no permission to read" && ::geteuid() == 0)
            continue; // root reads it all the same
        const QFileInfo before(path);
        const IoResult added = UserWordList::Add(path, QStringLiteral("DELTA"));
        EXPECT_FALSE(added.isOk());
        EXPECT_TRUE(added.systemError.contains(path)) << added.systemError.toStdString();
        const QFileInfo after(path);
        EXPECT_EQ(after.size(), before.size());
        EXPECT_EQ(after.lastModified(), before.lastModified());
        EXPECT_EQ(after.isFile(), before.isFile());
    }
}

TEST(SpellingSetup, FindsDictionariesInTheProgramDirectoryFirstAndAppliesTheFallbacks)
{
    QTemporaryDir programDir;
    QTemporaryDir systemDir;
    auto touch = [](const QString& dir, const char* name) { WriteWords(QDir(dir).filePath(QLatin1String(name)), "x\n"); };
    touch(programDir.path(), "de_DE.aff");
    touch(programDir.path(), "de_DE.dic");
    touch(systemDir.path(), "de_DE.aff");
    touch(systemDir.path(), "de_DE.dic");
    touch(systemDir.path(), "en_GB.aff"); // no .dic: not a dictionary
    touch(systemDir.path(), "th_en_AU_v2.idx");
    touch(systemDir.path(), "th_en_AU_v2.dat");

    SpellingSetup setup = SpellingSetup::Find(programDir.path(), {systemDir.path()});
    EXPECT_EQ(setup.Dictionaries[6].Affix, programDir.filePath(QStringLiteral("de_DE.aff")));
    EXPECT_FALSE(setup.LanguageAvailable(2));
    EXPECT_TRUE(setup.ThesaurusAvailable(2));
    EXPECT_FALSE(setup.ThesaurusAvailable(1));

    struct Case {
        int dictionary, thesaurus;      // settings read from the file
        int wantDictionary, wantThesaurus, wantListLanguage;
    };
    // Only German and the British thesaurus exist: American is missing, so the fallbacks end at none.
    const Case cases[] = {
        {6, 2, 6, 2, 6}, {2, 1, 0, 0, 1}, {9, 3, 9, 3, 1}, {0, 0, 0, 0, 1}, {42, -1, 0, 0, 1},
    };
    for (const Case& c : cases) {
        Settings s;
        s.Dictionary = c.dictionary;
        s.Thesaurus = c.thesaurus;
        ApplySpellingFallbacks(s, setup);
        EXPECT_EQ(s.Dictionary, c.wantDictionary) << c.dictionary;
        EXPECT_EQ(s.Thesaurus, c.wantThesaurus) << c.thesaurus;
        EXPECT_EQ(setup.UserListLanguage, c.wantListLanguage) << c.dictionary;
    }
    EXPECT_EQ(setup.InclusionListPath(), programDir.filePath(QStringLiteral("IncEngl.tlx")));

    // With American present a missing British falls back to American.
    touch(systemDir.path(), "en_US.aff");
    touch(systemDir.path(), "en_US.dic");
    setup = SpellingSetup::Find(programDir.path(), {systemDir.path()});
    Settings s;
    s.Dictionary = 2;
    ApplySpellingFallbacks(s, setup);
    EXPECT_EQ(s.Dictionary, 1);
    EXPECT_EQ(setup.ExclusionListPath(), programDir.filePath(QStringLiteral("ExcEngl.tlx")));
}
