// Spell check and thesaurus from the word list editor, and the dictionary maintenance dialog,
// against the installed dictionaries and thesauri.
#include "words/ui/WordListTestSupport.h"

#include "shapes/ui/ShapeUiSupport.h"
#include "uisupport/ModalWatchdog.h"
#include "words/SpellLanguages.h"
#include "words/ui/LanguageChoice.h"
#include "words/ui/MyEditBox.h"
#include "words/ui/SpellSuggestions.h"
#include "words/ui/Thes2Sugs.h"
#include "words/ui/ThesSuggestions.h"
#include "words/ui/WordList.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

using namespace WordListTest;

namespace {

QStringList Texts(const QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out.append(list->item(i)->text());
    return out;
}

void SelectText(QListWidget* list, const QString& text)
{
    const auto found = list->findItems(text, Qt::MatchExactly);
    ASSERT_FALSE(found.isEmpty()) << text.toStdString();
    list->setCurrentItem(found.first());
}

void Click(QWidget* window, const char* button)
{
    QPushButton* b = Control<QPushButton>(window, button);
    ASSERT_TRUE(b);
    b->click();
}

} // namespace

class SpellingDialogsTest : public WordListUiTest {
protected:
    void SetUp() override
    {
        WordListUiTest::SetUp();
        context->Spelling = SpellingSetup::Find(programDir.path());
        ApplySpellingFallbacks(context->settings, context->Spelling);
        if (!context->Spelling.LanguageAvailable(1) || !context->Spelling.ThesaurusAvailable(1))
            GTEST_SKIP() << "the American dictionary or thesaurus is not installed";
    }
    void SetRow(int row, const char* word, const char* clue)
    {
        TPuzzleRecord& puzzle = context->Working.CurrentPuzzle;
        puzzle.Words[std::size_t(row)].setText(QByteArray(word));
        puzzle.Clues[std::size_t(row)].setText(QByteArray(clue));
    }
    QStringList shownTexts() const
    {
        QStringList out;
        for (const auto& m : messages.shown)
            out.append(m.text + QStringLiteral(" | ") + m.caption);
        return out;
    }
};

TEST_F(SpellingDialogsTest, TwoReplacementsChangeOnlyTheirWordsAndTheRunEndsComplete)
{
    SetRow(0, "CAT", "Pets that recieve milk; vet (docter) visits");
    SetRow(2, "DOGG", "Barks");
    TWordList editor(*context);
    editor.show();
    auto* spell = Control<QPushButton>(&editor, "SpellCheckButton");
    ASSERT_TRUE(spell->isEnabled());
    ModalWatchdog watchdog(20000);

    QStringList asked;
    WhenModal<TSpellSuggestions>([&](TSpellSuggestions* d) {
        asked.append(Control<QLineEdit>(d, "NotFoundWord")->text());
        EXPECT_EQ(Control<QLabel>(d, "Heading")->text(),
                  QStringLiteral("The following word was not found in the American dictionary.  Suggestions are listed below."));
        auto* list = Control<QListWidget>(d, "SuggestionList");
        EXPECT_EQ(list->currentRow(), 0);
        SelectText(list, QStringLiteral("DOG"));
        ShapeUi::SaveScreenshot(d, QStringLiteral("SpellSuggestions"));
        WhenModal<TSpellSuggestions>([&](TSpellSuggestions* again) {
            asked.append(Control<QLineEdit>(again, "NotFoundWord")->text());
            SelectText(Control<QListWidget>(again, "SuggestionList"), QStringLiteral("receive"));
            WhenModal<TSpellSuggestions>([&](TSpellSuggestions* third) {
                asked.append(Control<QLineEdit>(third, "NotFoundWord")->text());
                SelectText(Control<QListWidget>(third, "SuggestionList"), QStringLiteral("doctor"));
                Click(third, "ReplaceButton");
            });
            Click(again, "ReplaceButton");
        });
        Click(d, "ReplaceButton");
    });
    spell->click();

    EXPECT_FALSE(watchdog.fired());
    auto* grid = Control<QTableWidget>(&editor, "WordsCluesGrid");
    EXPECT_EQ(asked, (QStringList{QStringLiteral("DOGG"), QStringLiteral("recieve"), QStringLiteral("docter")}));
    EXPECT_EQ(CellText(grid, 2, TWordList::WordColumn), QStringLiteral("DOG"));
    EXPECT_EQ(CellText(grid, 0, TWordList::ClueColumn), QStringLiteral("Pets that receive milk; vet (doctor) visits"));
    EXPECT_EQ(shownTexts(), QStringList{QStringLiteral("Spell checking complete. | Spelling Status")});
}

TEST_F(SpellingDialogsTest, AbortEndsAtOnceAndReplaceWithoutAChoiceIsRefused)
{
    SetRow(0, "CAT", "frst");
    SetRow(1, "DOG", "secnd");
    context->Working.IsNewPuzzle = false; // stored puzzle: only clues are checked
    SetRow(2, "XQZVW", "Fine");
    TWordList editor(*context);
    editor.show();
    ModalWatchdog watchdog(20000);
    QStringList asked;
    WhenModal<TSpellSuggestions>([&](TSpellSuggestions* d) {
        asked.append(Control<QLineEdit>(d, "NotFoundWord")->text());
        Control<QListWidget>(d, "SuggestionList")->clearSelection();
        Click(d, "ReplaceButton");
        EXPECT_TRUE(d->isVisible());
        Click(d, "AbortButton");
    });
    editor.SpellCheckClick();
    EXPECT_FALSE(watchdog.fired());
    EXPECT_EQ(asked, QStringList{QStringLiteral("frst")});
    EXPECT_EQ(shownTexts(),
              (QStringList{QStringLiteral("No replacement word has been selected.  Please choose a replacement first. | Error"),
                           QStringLiteral("Spell checking aborted. | Spelling Status")}));
    EXPECT_EQ(CellText(Control<QTableWidget>(&editor, "WordsCluesGrid"), 0, TWordList::ClueColumn), QStringLiteral("frst"));
}

TEST_F(SpellingDialogsTest, AddStoresTheWordInTheInclusionListAndACleanListSaysSo)
{
    SetRow(0, "QUORVEXA", "Glad, content");
    {
        TWordList editor(*context);
        editor.show();
        ModalWatchdog watchdog(20000);
        WhenModal<TSpellSuggestions>([&](TSpellSuggestions* d) { Click(d, "AddButton"); });
        editor.SpellCheckClick();
        EXPECT_FALSE(watchdog.fired());
    }
    QFile list(programPath(QStringLiteral("IncEngl.tlx")));
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    EXPECT_EQ(list.readAll(), QByteArray("QUORVEXA\n"));
    messages.clear();

    // The next check reads the list: nothing is refused now.
    TWordList editor(*context);
    editor.show();
    editor.SpellCheckClick();
    EXPECT_EQ(shownTexts(), QStringList{QStringLiteral("All words were found in the dictionary. | Spelling Ok")});
}

TEST_F(SpellingDialogsTest, ChooseAtCheckTimeAsksForTheLanguageAndKeepsTheSetting)
{
    if (!context->Spelling.LanguageAvailable(2))
        GTEST_SKIP() << "no British dictionary installed";
    context->settings.Dictionary = Spelling::ChooseLanguage;
    context->settings.UserDictionary = 1;
    SetRow(0, "COLOUR", "A grey colour");
    TWordList editor(*context);
    editor.show();
    ModalWatchdog watchdog(20000);
    WhenModal<TChooseSpellCheck>([&](TChooseSpellCheck* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Spell Check"));
        EXPECT_TRUE(Control<QRadioButton>(d, "Language1")->isChecked());
        Control<QRadioButton>(d, "Language2")->click();
        ShapeUi::SaveScreenshot(d, QStringLiteral("ChooseSpellCheck"));
        Click(d, "OkButton");
    });
    editor.SpellCheckClick();
    EXPECT_FALSE(watchdog.fired());
    EXPECT_EQ(shownTexts(), QStringList{QStringLiteral("All words were found in the dictionary. | Spelling Ok")});
    EXPECT_EQ(context->settings.UserDictionary, 2);
    EXPECT_EQ(context->settings.Dictionary, Spelling::ChooseLanguage);
}

TEST_F(SpellingDialogsTest, StringWithoutSuggestionsIsReportedAndMissingFilesEndTheCommand)
{
    SetRow(0, "CAT", "qqqqqqqqqqqq");
    {
        TWordList editor(*context);
        editor.show();
        editor.SpellCheckClick();
        EXPECT_EQ(shownTexts(),
                  (QStringList{QStringLiteral("qqqqqqqqqqqq was not found in the dictionary.  No suggestions could be found. | Notice"),
                               QStringLiteral("Spell checking complete. | Spelling Status")}));
    }
    // Files found at start-up and gone since.
    messages.clear();
    context->Spelling.Dictionaries[1] = {programPath(QStringLiteral("gone.aff")), programPath(QStringLiteral("gone.dic"))};
    context->Spelling.Thesauri[1] = {programPath(QStringLiteral("gone.idx")), programPath(QStringLiteral("gone.dat"))};
    TWordList editor(*context);
    editor.show();
    editor.SpellCheckClick();
    ModalWatchdog watchdog(20000);
    WhenModal<TThesSuggestions>([&](TThesSuggestions* d) {
        EXPECT_EQ(Control<QListWidget>(d, "CategoryList")->count(), 0);
        Click(d, "LookUpButton");
        Click(d, "AbortButton");
    });
    editor.ThesaurusClick();
    EXPECT_FALSE(watchdog.fired());
    EXPECT_EQ(shownTexts(), (QStringList{QStringLiteral("Could not find one of the dictionary files. | Error"),
                                         QStringLiteral("Could not find the Thesaurus file. | Error")}));
    EXPECT_EQ(CellText(Control<QTableWidget>(&editor, "WordsCluesGrid"), 0, TWordList::ClueColumn),
              QStringLiteral("qqqqqqqqqqqq"));
}

TEST_F(SpellingDialogsTest, ButtonsFollowTheSettingsAndWhatIsInstalled)
{
    context->settings.Dictionary = Spelling::NoLanguage;
    {
        TWordList editor(*context);
        EXPECT_FALSE(Control<QPushButton>(&editor, "SpellCheckButton")->isEnabled());
        EXPECT_TRUE(Control<QPushButton>(&editor, "ThesaurusButton")->isEnabled());
    }
    context->settings.Dictionary = 1;
    context->Spelling = SpellingSetup{};
    TWordList editor(*context);
    EXPECT_FALSE(Control<QPushButton>(&editor, "SpellCheckButton")->isEnabled());
    EXPECT_FALSE(Control<QPushButton>(&editor, "ThesaurusButton")->isEnabled());
}

TEST_F(SpellingDialogsTest, ThesaurusSynonymBecomesTheClueAskingBeforeItReplacesATypedOne)
{
    SetRow(0, "CAT", "Pet");
    SetRow(1, "HAPPY", "Old clue");
    SetRow(2, "HAPPY", "");
    TWordList editor(*context);
    editor.show();
    auto* grid = Control<QTableWidget>(&editor, "WordsCluesGrid");
    grid->setCurrentCell(1, TWordList::WordColumn);
    ModalWatchdog watchdog(20000);
    WhenModal<TThesSuggestions>([&](TThesSuggestions* d) {
        EXPECT_EQ(Control<QLineEdit>(d, "TheWord")->text(), QStringLiteral("HAPPY"));
        const QStringList categories = Texts(Control<QListWidget>(d, "CategoryList"));
        ASSERT_FALSE(categories.isEmpty());
        EXPECT_EQ(categories.first(), QStringLiteral("happy (adjective)"));
        EXPECT_EQ(Texts(Control<QListWidget>(d, "AntonymList")), QStringList{QStringLiteral("unhappy (adjective)")});
        auto* synonyms = Control<QListWidget>(d, "SynonymList");
        EXPECT_TRUE(Control<QPushButton>(d, "AcceptButton")->isEnabled());
        SelectText(synonyms, QStringLiteral("joyful"));
        ShapeUi::SaveScreenshot(d, QStringLiteral("ThesSuggestions"));
        Click(d, "AcceptButton");
    });
    const auto acceptJoyful = [&] {
        WhenModal<TThesSuggestions>([&](TThesSuggestions* d) {
            SelectText(Control<QListWidget>(d, "SynonymList"), QStringLiteral("joyful"));
            Click(d, "AcceptButton");
        });
        Control<QPushButton>(&editor, "ThesaurusButton")->click();
    };
    // No keeps the typed clue; Yes replaces it; an empty clue takes the synonym without a question.
    Control<QPushButton>(&editor, "ThesaurusButton")->click();
    EXPECT_EQ(CellText(grid, 1, TWordList::ClueColumn), QStringLiteral("Old clue"));
    messages.answers = {MessageService::Button::Yes};
    acceptJoyful();
    EXPECT_EQ(CellText(grid, 1, TWordList::ClueColumn), QStringLiteral("joyful"));
    grid->setCurrentCell(2, TWordList::WordColumn);
    acceptJoyful();
    EXPECT_FALSE(watchdog.fired());
    EXPECT_EQ(CellText(grid, 2, TWordList::ClueColumn), QStringLiteral("joyful"));
    EXPECT_EQ(CellText(grid, 0, TWordList::ClueColumn), QStringLiteral("Pet"));
    EXPECT_EQ(shownTexts(), (QStringList(2, QStringLiteral("This will replace the clue \"Old clue\" with \"joyful\".  Continue? | Warning"))));
}

TEST_F(SpellingDialogsTest, UnknownWordWarnsAndSuggestLooksUpTheChosenSubstitute)
{
    SetRow(0, "HAPYY", "Old clue");
    TWordList editor(*context);
    editor.show();
    ModalWatchdog watchdog(20000);
    bool sawSuggestions = false;
    WhenModal<TThesSuggestions>([&](TThesSuggestions* d) {
        EXPECT_EQ(Control<QListWidget>(d, "CategoryList")->count(), 0);
        EXPECT_FALSE(Control<QPushButton>(d, "AcceptButton")->isEnabled());
        WhenModal<TThes2Sugs>([&](TThes2Sugs* s) {
            sawSuggestions = true;
            SelectText(Control<QListWidget>(s, "SuggestionList"), QStringLiteral("HAPPY"));
            ShapeUi::SaveScreenshot(s, QStringLiteral("Thes2Sugs"));
            Click(s, "OkButton");
        });
        Click(d, "SuggestButton");
        EXPECT_EQ(Control<QLineEdit>(d, "TheWord")->text(), QStringLiteral("HAPPY"));
        // An opposite category lists its own synonyms.
        QListWidget* antonyms = Control<QListWidget>(d, "AntonymList");
        if (antonyms->count() == 0) {
            ADD_FAILURE() << "no opposite categories for happy";
            Click(d, "AbortButton");
            return;
        }
        antonyms->setCurrentRow(0);
        emit antonyms->itemClicked(antonyms->item(0));
        EXPECT_TRUE(Texts(Control<QListWidget>(d, "SynonymList")).contains(QStringLiteral("sad")));
        EXPECT_EQ(Control<QListWidget>(d, "CategoryList")->currentItem(), nullptr);
        Click(d, "AbortButton");
    });
    editor.ThesaurusClick();
    EXPECT_FALSE(watchdog.fired());
    EXPECT_TRUE(sawSuggestions);
    ASSERT_FALSE(messages.shown.isEmpty());
    EXPECT_EQ(messages.shown.first().text,
              QStringLiteral("Word not found in Thesaurus.  Click on \"suggest\" for possible substitute words."));
    EXPECT_EQ(messages.shown.first().caption, QStringLiteral("Warning"));
    EXPECT_EQ(CellText(Control<QTableWidget>(&editor, "WordsCluesGrid"), 0, TWordList::ClueColumn), QStringLiteral("Old clue"));
}

TEST_F(SpellingDialogsTest, DictionaryMaintenanceEditsAndWritesTheList)
{
    QFile existing(programPath(QStringLiteral("ExcEngl.tlx")));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("alpha\r\nbeta\r\n\r\ngamma\r\n");
    existing.close();

    TMyEditBox box(*context, TMyEditBox::ListKind::Exclusion);
    EXPECT_EQ(Control<QLabel>(&box, "Heading")->text(),
              QStringLiteral("These words will be excluded from the  American dictionary and will be invalid."));
    auto* words = Control<QListWidget>(&box, "WordBox");
    EXPECT_EQ(Texts(words), (QStringList{QStringLiteral("alpha"), QStringLiteral("beta"), QStringLiteral("gamma")}));
    EXPECT_EQ(words->currentRow(), 0);
    words->setCurrentRow(2);
    box.DeleteClick();
    EXPECT_EQ(words->currentRow(), 1) << "the selection moves to the new last word";
    auto* addInfo = Control<QLineEdit>(&box, "AddInfo");
    addInfo->setText(QStringLiteral("  delta "));
    box.AddClick();
    addInfo->setText(QStringLiteral("   "));
    box.AddClick();
    EXPECT_TRUE(addInfo->text().isEmpty());
    EXPECT_EQ(Texts(words), (QStringList{QStringLiteral("alpha"), QStringLiteral("beta"), QStringLiteral("delta")}));
    box.show();
    ShapeUi::SaveScreenshot(&box, QStringLiteral("MyEditBox"));
    box.OkClick();
    ASSERT_TRUE(existing.open(QIODevice::ReadOnly));
    EXPECT_EQ(existing.readAll(), QByteArray("alpha\nbeta\ndelta\n"));

    TMyEditBox inclusion(*context, TMyEditBox::ListKind::Inclusion);
    EXPECT_EQ(Control<QLabel>(&inclusion, "Heading")->text(),
              QStringLiteral("These words will be added to the American dictionary and counted as valid."));
    EXPECT_EQ(Control<QListWidget>(&inclusion, "WordBox")->count(), 0);
    Control<QLineEdit>(&inclusion, "AddInfo")->setText(QStringLiteral("zeta"));
    inclusion.AddClick();
    Click(&inclusion, "CancelButton");
    EXPECT_FALSE(QFile::exists(programPath(QStringLiteral("IncEngl.tlx"))));
}
