// The main window's language and thesaurus menus at start-up and the two user word lists.
#include "app/MainWinTestSupport.h"

#include "uisupport/ModalWatchdog.h"
#include "words/ui/MyEditBox.h"
#include "words/ui/WordList.h"
#include "words/ui/WordListTestSupport.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

class MainWinSpellingTest : public MainWinTest {
protected:
    void TearDown() override
    {
        qunsetenv("QUORVEX_DICTIONARY_DIRS");
        MainWinTest::TearDown();
    }
    /** A machine whose only dictionaries are the named files (empty files do for availability). */
    void onlyInstalled(const QStringList& files)
    {
        for (const QString& name : files) {
            QFile f(QDir(systemDir.path()).filePath(name));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        }
        qputenv("QUORVEX_DICTIONARY_DIRS", systemDir.path().toLocal8Bit());
    }
    QTemporaryDir systemDir;
};

TEST_F(MainWinSpellingTest, MissingDictionariesAreDisabledAndTheSettingsFallBack)
{
    onlyInstalled({QStringLiteral("de_DE.aff"), QStringLiteral("de_DE.dic"), QStringLiteral("th_en_AU_v2.idx"),
                   QStringLiteral("th_en_AU_v2.dat")});
    // A French dictionary beside the program counts too.
    for (const char* name : {"fr_FR.aff", "fr_FR.dic"}) {
        QFile f(programPath(QLatin1String(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    writeSettings([](Settings& s) {
        s.Dictionary = 2;
        s.Thesaurus = 2;
    });
    start();
    const Settings& s = window->Context().settings;
    EXPECT_EQ(s.Dictionary, 0) << "British and then American are missing";
    EXPECT_EQ(s.Thesaurus, 2);
    for (int code = 1; code <= 8; ++code) {
        QAction* item = action(qPrintable(QStringLiteral("MenuDictionary%1").arg(code)));
        EXPECT_EQ(item->isEnabled(), code == 5 || code == 6) << code;
        EXPECT_FALSE(item->isChecked()) << code;
    }
    EXPECT_TRUE(action("MenuDictionaryChoose")->isEnabled());
    EXPECT_FALSE(action("MenuThesaurus1")->isEnabled());
    EXPECT_TRUE(action("MenuThesaurus2")->isEnabled());
    EXPECT_TRUE(action("MenuThesaurus2")->isChecked());

    // The word list editor on this window's context offers the thesaurus but no spell check.
    window->Context().Working.CurrentCollection = startPath(QStringLiteral("X.QV3"));
    TWordList editor(window->Context());
    EXPECT_FALSE(editor.findChild<QPushButton*>(QStringLiteral("SpellCheckButton"))->isEnabled());
    EXPECT_TRUE(editor.findChild<QPushButton*>(QStringLiteral("ThesaurusButton"))->isEnabled());
}

TEST_F(MainWinSpellingTest, OnAFullyInstalledMachineEveryLanguageIsOffered)
{
    const SpellingSetup system = SpellingSetup::Find(programDir.path());
    for (int code = 1; code <= 8; ++code)
        if (!system.LanguageAvailable(code))
            GTEST_SKIP() << "not every dictionary is installed";
    writeSettings([](Settings& s) {
        s.Dictionary = 9;
        s.Thesaurus = 3;
    });
    start();
    for (int code = 1; code <= 8; ++code)
        EXPECT_TRUE(action(qPrintable(QStringLiteral("MenuDictionary%1").arg(code)))->isEnabled()) << code;
    EXPECT_EQ(action("MenuThesaurus1")->isEnabled(), system.ThesaurusAvailable(1));
    EXPECT_EQ(action("MenuThesaurus2")->isEnabled(), system.ThesaurusAvailable(2));
    EXPECT_TRUE(action("MenuDictionaryChoose")->isChecked());
    EXPECT_TRUE(action("MenuThesaurusChoose")->isChecked());
    // Choose at check time uses the American lists.
    EXPECT_EQ(window->Context().Spelling.InclusionListPath(), programPath(QStringLiteral("IncEngl.tlx")));
}

TEST_F(MainWinSpellingTest, AddToDictionaryEditsTheListOfTheStartUpLanguage)
{
    onlyInstalled({QStringLiteral("sv_SE.aff"), QStringLiteral("sv_SE.dic"), QStringLiteral("en_US.aff"),
                   QStringLiteral("en_US.dic")});
    writeSettings([](Settings& s) { s.Dictionary = 8; });
    start();
    ASSERT_TRUE(action("MenuAddToDictionary")->isEnabled());
    // A language change later does not move the lists.
    action("MenuDictionary1")->trigger();
    ModalWatchdog watchdog(20000);
    WordListTest::WhenModal<TMyEditBox>([](TMyEditBox* box) {
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Dictionary Maintenance"));
        EXPECT_EQ(box->findChild<QLabel*>(QStringLiteral("Heading"))->text(),
                  QStringLiteral("These words will be added to the Swedish dictionary and counted as valid."));
        box->findChild<QLineEdit*>(QStringLiteral("AddInfo"))->setText(QStringLiteral("Quorvex"));
        box->AddClick();
        box->OkClick();
    });
    action("MenuAddToDictionary")->trigger();
    EXPECT_FALSE(watchdog.fired());
    QFile list(programPath(QStringLiteral("IncSwed.tlx")));
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    EXPECT_EQ(list.readAll(), QByteArray("Quorvex\n"));

    WordListTest::WhenModal<TMyEditBox>([](TMyEditBox* box) {
        EXPECT_EQ(box->findChild<QLabel*>(QStringLiteral("Heading"))->text(),
                  QStringLiteral("These words will be excluded from the  Swedish dictionary and will be invalid."));
        box->reject();
    });
    action("MenuExcludeFromDictionary")->trigger();
    EXPECT_FALSE(QFile::exists(programPath(QStringLiteral("ExcSwed.tlx"))));
}
