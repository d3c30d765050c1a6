// Typing in the word list editor: the grid as a list, the international-character keys and their
// dialog, the word separator dialog, and what both do to a printed page.
#include "words/ui/WordListTestSupport.h"

#include "export/RasterExport.h"
#include "render/RenderSettings.h"
#include "render/PageRenderer.h"
#include "puzzle/ui/CreatedPuzzle.h"
#include "words/ui/DoIntChars.h"
#include "words/ui/WordLetters.h"
#include "words/ui/WordList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

using namespace WordListTest;

namespace {

/** The open cell editor of the grid, or nullptr. */
QLineEdit* CellEditor(QTableWidget* grid)
{
    return qobject_cast<QLineEdit*>(grid->indexWidget(grid->currentIndex()));
}

/** Types text where the keyboard focus of the editor is: into the open cell editor, else into the grid. */
void TypeHere(TWordList& editor, QTableWidget* grid, const QString& text)
{
    // Key by key, as the keyboard would: the first key typed into a cell opens its editor, which
    // then has the focus.
    for (const QChar c : text) {
        QWidget* target = CellEditor(grid) ? static_cast<QWidget*>(CellEditor(grid)) : grid;
        QTest::keyClicks(target, QString(c));
    }
    Q_UNUSED(editor);
}

/** Clicks a check box or button on its left end, where its indicator and caption are. */
void ClickBox(QWidget* box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
}

/** Presses a key where the keyboard focus of the grid is. */
void PressHere(QTableWidget* grid, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QWidget* target = CellEditor(grid) ? static_cast<QWidget*>(CellEditor(grid)) : grid;
    QTest::keyClick(target, key, modifiers);
    QCoreApplication::processEvents();
}

} // namespace

class WordListKeysTest : public WordListUiTest {};

TEST_F(WordListKeysTest, TabAloneTypesAWordListAndShiftTabGoesBack)
{
    TWordList editor(*context);
    editor.show();
    auto* grid = Control<QTableWidget>(&editor, "WordsCluesGrid");
    grid->setFocus();
    grid->setCurrentCell(0, TWordList::WordColumn);
    // Word, Tab, clue, Tab, ... typing into a cell starts editing it.
    const QStringList typed{QStringLiteral("LION"), QStringLiteral("King of beasts"), QStringLiteral("TIGER"),
                            QStringLiteral("Striped cat"), QStringLiteral("BEAR"), QStringLiteral("Honey lover")};
    for (const QString& text : typed) {
        TypeHere(editor, grid, text);
        PressHere(grid, Qt::Key_Tab);
    }
    EXPECT_EQ(grid->currentRow(), 3);
    EXPECT_EQ(grid->currentColumn(), int(TWordList::WordColumn));
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(CellText(grid, r, TWordList::WordColumn), typed[2 * r]);
        EXPECT_EQ(CellText(grid, r, TWordList::ClueColumn), typed[2 * r + 1]);
    }
    EXPECT_EQ(CellText(grid, 3, 0), QStringLiteral("4"));   // the count column was never typed into

    // Shift+Tab from row 4's word goes back to row 3's clue; Enter goes on like Tab.
    PressHere(grid, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(grid->currentRow(), 2);
    EXPECT_EQ(grid->currentColumn(), int(TWordList::ClueColumn));
    TypeHere(editor, grid, QStringLiteral("Honey bear"));
    PressHere(grid, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(CellText(grid, 2, TWordList::ClueColumn), QStringLiteral("Honey bear"));
    EXPECT_EQ(grid->currentRow(), 3);
    EXPECT_EQ(grid->currentColumn(), int(TWordList::WordColumn));
    TypeHere(editor, grid, QStringLiteral("WOLF"));
    PressHere(grid, Qt::Key_Enter);
    QCoreApplication::processEvents();
    EXPECT_EQ(CellText(grid, 3, TWordList::WordColumn), QStringLiteral("WOLF"));
    EXPECT_EQ(grid->currentColumn(), int(TWordList::ClueColumn));
    EXPECT_EQ(editor.editorInput().Rows[3].Word, QByteArray("WOLF"));
    grid->setCurrentCell(4, TWordList::WordColumn); // a click on the chosen cell, then typing at once
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->currentIndex()).center());
    TypeHere(editor, grid, QStringLiteral("MOOSE"));
    PressHere(grid, Qt::Key_Return);
    EXPECT_EQ(CellText(grid, 4, TWordList::WordColumn), QStringLiteral("MOOSE"));
}

TEST_F(WordListKeysTest, OnAStoredPuzzleTabGoesFromClueToClue)
{
    context->Working.IsNewPuzzle = false;
    context->Working.CurrentPuzzle.Words[0].setText("CAT");
    context->Working.CurrentPuzzle.Words[1].setText("DOG");
    context->Working.CurrentPuzzle.WordCount = 2;
    TWordList editor(*context);
    editor.show();
    auto* grid = Control<QTableWidget>(&editor, "WordsCluesGrid");
    grid->setFocus();
    grid->setCurrentCell(0, TWordList::ClueColumn);
    TypeHere(editor, grid, QStringLiteral("Purrs"));
    PressHere(grid, Qt::Key_Tab);
    TypeHere(editor, grid, QStringLiteral("Barks"));
    PressHere(grid, Qt::Key_Tab);
    EXPECT_EQ(CellText(grid, 0, TWordList::ClueColumn), QStringLiteral("Purrs"));
    EXPECT_EQ(CellText(grid, 1, TWordList::ClueColumn), QStringLiteral("Barks"));
    EXPECT_EQ(CellText(grid, 1, TWordList::WordColumn), QStringLiteral("DOG"));
    EXPECT_EQ(grid->currentRow(), 2);
    EXPECT_EQ(grid->currentColumn(), int(TWordList::ClueColumn));
}

TEST_F(WordListKeysTest, FunctionKeysTypeTheirCharacterAtTheCaretOnceCtrlAndAltAreUp)
{
    context->settings.IntKeys[0] = QStringLiteral("0300");   // no character: the first one, À
    TWordList editor(*context);
    editor.show();
    auto* grid = Control<QTableWidget>(&editor, "WordsCluesGrid");
    grid->setFocus();
    grid->setCurrentCell(0, TWordList::WordColumn);
    grid->editItem(grid->item(0, TWordList::WordColumn));
    QLineEdit* cell = CellEditor(grid);
    ASSERT_NE(cell, nullptr);
    QTest::keyClicks(cell, QStringLiteral("PIATA"));
    cell->setCursorPosition(2);
    QTest::keyClick(cell, Qt::Key_F5);
    EXPECT_EQ(cell->text(), QStringLiteral("PIñATA"));
    EXPECT_EQ(cell->cursorPosition(), 3);

    // With Ctrl held nothing is typed until it is released.
    QTest::keyPress(cell, Qt::Key_Control, Qt::ControlModifier);
    QTest::keyClick(cell, Qt::Key_F1, Qt::ControlModifier);
    QTest::qWait(60);
    EXPECT_EQ(cell->text(), QStringLiteral("PIñATA"));
    QTest::keyRelease(cell, Qt::Key_Control, Qt::NoModifier);
    QTRY_COMPARE(cell->text(), QStringLiteral("PIñÀATA"));

    // The keys work in the other text fields too, and on a cell that is not being edited they start editing it.
    QTest::keyClick(cell, Qt::Key_Return);
    QCoreApplication::processEvents();
    auto* title = Control<QLineEdit>(&editor, "Title");
    title->setFocus();
    QTest::keyClicks(title, QStringLiteral("Fiesta "));
    QTest::keyClick(title, Qt::Key_F2);
    EXPECT_EQ(title->text(), QStringLiteral("Fiesta é"));
    grid->setFocus();
    grid->setCurrentCell(5, TWordList::ClueColumn);
    QTest::keyClick(grid, Qt::Key_F12);
    ASSERT_NE(CellEditor(grid), nullptr);
    QTest::keyClicks(CellEditor(grid), QStringLiteral(" la"));
    QTest::keyClick(CellEditor(grid), Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(CellText(grid, 5, TWordList::ClueColumn), QStringLiteral("ò la"));
    EXPECT_EQ(editor.editorInput().Rows[0].Word, QByteArray("PI\xF1\xC0" "ATA"));

    // A character that words cannot hold is refused as it is typed, not stored as "?".
    grid->setCurrentCell(6, TWordList::WordColumn);
    grid->editItem(grid->item(6, TWordList::WordColumn));
    ASSERT_NE(CellEditor(grid), nullptr);
    QTest::keyClicks(CellEditor(grid), QStringLiteral("OZ"));
    QTest::sendKeyEvent(QTest::Click, CellEditor(grid), Qt::Key_O, QStringLiteral("ő"), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Click, CellEditor(grid), Qt::Key_Z, QStringLiteral("€"), Qt::NoModifier);
    EXPECT_EQ(CellEditor(grid)->text(), QStringLiteral("OZ€"));
}

TEST_F(WordListKeysTest, TheKeyDialogShowsAndStoresCodes192To255)
{
    context->settings.IntKeys[2] = QStringLiteral("0300");
    context->settings.IntKeys[3] = QStringLiteral("abc");
    TDoIntChars dialog(*context);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("International Characters"));
    ASSERT_EQ(dialog.KeyList(0)->count(), 64);
    EXPECT_EQ(dialog.KeyList(0)->itemText(0), QStringLiteral("À"));
    EXPECT_EQ(dialog.KeyList(0)->itemText(63), QStringLiteral("ÿ"));
    EXPECT_EQ(dialog.KeyList(0)->currentText(), QStringLiteral("á"));
    EXPECT_EQ(dialog.KeyList(4)->currentText(), QStringLiteral("ñ"));
    EXPECT_EQ(dialog.KeyList(2)->currentIndex(), 0);
    EXPECT_EQ(dialog.KeyList(3)->currentIndex(), 0);
    dialog.KeyList(11)->setCurrentIndex(0xDF - 192);   // ß

    // Cancel changes nothing; OK stores every key.
    const Settings before = context->settings;
    QTest::mouseClick(Control<QPushButton>(&dialog, "CancelButton"), Qt::LeftButton);
    EXPECT_EQ(context->settings, before);
    dialog.show();
    QTest::mouseClick(Control<QPushButton>(&dialog, "OkButton"), Qt::LeftButton);
    EXPECT_EQ(context->settings.IntKeys[2], QStringLiteral("0192"));
    EXPECT_EQ(context->settings.IntKeys[3], QStringLiteral("0192"));
    EXPECT_EQ(context->settings.IntKeys[4], QStringLiteral("0241"));
    EXPECT_EQ(context->settings.IntKeys[11], QStringLiteral("0223"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(WordListKeysTest, SeparatorChoicesAreStoredAtOnceAndLettersRefused)
{
    context->settings.WordSepChar = '#';
    TWordLetters dialog(*context);
    dialog.show();
    auto* field = Control<QLineEdit>(&dialog, "WordSepChar");
    EXPECT_EQ(field->text(), QStringLiteral("#"));
    ClickBox(Control<QCheckBox>(&dialog, "SepDash"));
    ClickBox(Control<QCheckBox>(&dialog, "SepOther"));
    EXPECT_TRUE(context->settings.WordSepDash);
    EXPECT_TRUE(context->settings.WordSepOther);
    EXPECT_FALSE(context->settings.WordSepSlash);

    struct Case {
        QString typed;
        char setting;
        QString field;
        bool refused;
    } cases[] = {
        {QStringLiteral("q"), ' ', QString(), true},
        {QStringLiteral("Z"), ' ', QString(), true},
        {QStringLiteral("&"), '&', QStringLiteral("&"), false},
        {QStringLiteral("é"), '\xE9', QStringLiteral("é"), false},
    };
    for (const Case& c : cases) {
        messages.clear();
        field->clear();
        // A key event carrying the character, as a keyboard with that letter sends it.
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key(c.typed.at(0).toUpper().unicode()), c.typed, Qt::NoModifier);
        EXPECT_EQ(context->settings.WordSepChar, c.setting) << c.typed.toStdString();
        EXPECT_EQ(field->text(), c.field);
        EXPECT_EQ(messages.texts(), c.refused ? QStringList{QStringLiteral("Character cannot be in A..Z.  Please correct.")}
                                              : QStringList{});
    }
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(context->settings.WordSepChar, ' ');
    QTest::mouseClick(Control<QPushButton>(&dialog, "OkButton"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(WordListKeysTest, AccentedLettersAndDashesTypedInTheEditorReachThePrintedPage)
{
    context->settings.IntKeys[0] = QStringLiteral("0209");   // F1 types Ñ
    TWordList editor(*context);
    editor.setFixedSeed(5);
    editor.show();
    QTest::keyClicks(Control<QLineEdit>(&editor, "Title"), QStringLiteral("Fiesta"));
    QTest::keyClicks(Control<QComboBox>(&editor, "Category")->lineEdit(), QStringLiteral("Words"));
    auto* grid = Control<QTableWidget>(&editor, "WordsCluesGrid");
    grid->setFocus();
    grid->setCurrentCell(0, TWordList::WordColumn);
    // PIÑATA, then a word with dashes that crosses it, typed with F-keys and Tab alone.
    auto typeWord = [&](const QString& before, Qt::Key key, const QString& after, const QString& clue) {
        TypeHere(editor, grid, before);
        if (key != Qt::Key_unknown)
            PressHere(grid, key);
        TypeHere(editor, grid, after);
        PressHere(grid, Qt::Key_Tab);
        TypeHere(editor, grid, clue);
        PressHere(grid, Qt::Key_Tab);
    };
    typeWord(QStringLiteral("PI"), Qt::Key_F1, QStringLiteral("ATA"), QStringLiteral("Party pot"));
    typeWord(QStringLiteral("TE-A-TE"), Qt::Key_unknown, QString(), QStringLiteral("Private talk"));
    typeWord(QStringLiteral("CAF"), Qt::Key_F2, QString(), QStringLiteral("Coffee place"));
    EXPECT_EQ(CellText(grid, 0, TWordList::WordColumn), QStringLiteral("PIÑATA"));

    WhenModal<TCreatedPuzzle>([&](TCreatedPuzzle* view) {
        messages.answers.push_back(MessageService::Button::Yes);
        QTest::mouseClick(view->findChild<QPushButton*>(QStringLiteral("SaveButton")), Qt::LeftButton);
    });
    QTest::mouseClick(Control<QPushButton>(&editor, "CreateIt"), Qt::LeftButton);
    ASSERT_EQ(RecordCount(collectionPath()), 1);
    const TPuzzleRecord saved = Stored(0);
    QList<QByteArray> words;
    for (int i = 0; i < saved.WordCount; ++i)
        words.append(saved.Words[std::size_t(i)].text());
    ASSERT_TRUE(words.contains(QByteArray("PI\xD1" "ATA"))) << words.join(' ').toStdString();
    ASSERT_TRUE(words.contains(QByteArray("TE-A-TE"))) << words.join(' ').toStdString();
    EXPECT_NE(std::find(saved.Grid.begin(), saved.Grid.end(), std::uint8_t(0xD1)), saved.Grid.end());   // Ñ is in the grid

    // The blank puzzle: the dash option prints the dashes and nothing else.
    const TPageLayout layout = PuzzleLayout(saved);
    auto blankPage = [&](bool dash) {
        Settings settings = context->settings;
        settings.WordSepDash = dash;
        return RasterExport::renderPageImage(saved, layout, RenderOptionsFromSettings(settings, layout), 640, RasterExport::PixelFormat::Rgb24).Image;
    };
    const QImage without = blankPage(false);
    const QImage with = blankPage(true);
    ASSERT_FALSE(without.isNull());
    QRect changed;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (with.pixel(x, y) != without.pixel(x, y))
                changed |= QRect(x, y, 1, 1);
    EXPECT_FALSE(changed.isEmpty());
    EXPECT_LT(changed.width(), with.width() / 3);   // the two dashes of one word, not the whole grid
    Settings answers = context->settings;
    answers.AnswerKey = true;
    const QImage key = RasterExport::renderPageImage(saved, layout, RenderOptionsFromSettings(answers, layout), 640, RasterExport::PixelFormat::Rgb24).Image;
    if (const QByteArray folder = qgetenv("QUORVEX_SCREENSHOTS"); !folder.isEmpty()) {
        with.save(QString::fromLocal8Bit(folder) + QStringLiteral("/wordfiles-blank-dashes.png"));
        key.save(QString::fromLocal8Bit(folder) + QStringLiteral("/wordfiles-answer-key.png"));
    }
}
