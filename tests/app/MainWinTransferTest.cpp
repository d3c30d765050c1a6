// Puzzles moved between collections from the main window, 16-bit puzzles imported, and the old
// user puzzles and shapes converted at start-up, driven as a user drives them.
#include "MainWinTestSupport.h"
#include "store/OldPuzzleBytes.h"

#include "pages/PageFile.h"
#include "ui/MessageService.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

using MainWinTransferTest = MainWinTest;
using Button = MessageService::Button;

namespace {

QPushButton* button(QWidget* dialog, const char* name)
{
    return dialog->findChild<QPushButton*>(QLatin1String(name));
}

QListWidget* choiceList(QWidget* dialog)
{
    return dialog->findChild<QListWidget*>(QStringLiteral("PuzzleList"));
}

/** Clicks titles plainly, one after the other, as a user picking several does. */
void pickTitles(QListWidget* list, const QStringList& titles)
{
    for (const QString& title : titles) {
        const auto found = list->findItems(title, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << title.toStdString();
        const QRect rect = list->visualItemRect(found.constFirst());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    }
}

QString chosenCount(QWidget* dialog)
{
    return dialog->findChild<QLabel*>(QStringLiteral("ChosenCount"))->text();
}

/** Saves a picture of a dialog when a screenshot folder is given. */
void saveScreenshot(QWidget* dialog, const QString& name)
{
    if (const QString dir = qEnvironmentVariable("QUORVEX_SCREENSHOT_DIR"); !dir.isEmpty())
        dialog->grab().save(dir + QLatin1Char('/') + name);
}

QByteArrayList storedTitles(const QString& path)
{
    QByteArrayList titles;
    for (const CollectionEntry& entry : ListCollection(path).Entries)
        titles.append(entry.Title);
    return titles;
}

} // namespace

TEST_F(MainWinTransferTest, ImportingThreeSelectedPuzzlesAppendsThemInTitleOrder)
{
    WriteCollection(defaultCollection(), {{"Birds", "Robin"}});
    // The extension is judged upper-cased, so a lower-case one is a collection too.
    const QString other = startPath(QStringLiteral("other.qv3"));
    WriteCollection(other, {{"Zoo", "Zebra"}, {"Zoo", "apple"}, {"Farm", "Mango"}, {"Farm", "Kiwi"}});
    start();
    showWindow();
    messages.files.push_back(other);

    QStringList listed;
    bool okAtFirst = true, okAfterSelectAll = false, okAfterClearAll = true, okAfterPicking = false;
    QString fileLabel, caption, countAtFirst, countAfterPicking;
    onNextDialog([&](QWidget* dialog) {
        caption = dialog->windowTitle();
        fileLabel = dialog->findChild<QLabel*>(QStringLiteral("FileNameLabel"))->text();
        listed = texts(choiceList(dialog));
        okAtFirst = button(dialog, "OkButton")->isEnabled();
        countAtFirst = chosenCount(dialog);
        QTest::mouseClick(button(dialog, "SelectAllButton"), Qt::LeftButton);
        okAfterSelectAll = button(dialog, "OkButton")->isEnabled();
        QTest::mouseClick(button(dialog, "ClearAllButton"), Qt::LeftButton);
        okAfterClearAll = button(dialog, "OkButton")->isEnabled();
        // Plain clicks add to the choice; a second click on a title takes it out again.
        pickTitles(choiceList(dialog), {QStringLiteral("Zebra"), QStringLiteral("Kiwi"), QStringLiteral("apple"),
                                        QStringLiteral("Kiwi"), QStringLiteral("Mango")});
        okAfterPicking = button(dialog, "OkButton")->isEnabled();
        countAfterPicking = chosenCount(dialog);
        saveScreenshot(dialog, QStringLiteral("ImportPuzzles.png"));
        QTest::mouseClick(button(dialog, "OkButton"), Qt::LeftButton);
    });
    QTest::keyClick(window.get(), Qt::Key_I, Qt::ControlModifier);

    EXPECT_EQ(caption, QStringLiteral("Import Crossword Puzzles"));
    EXPECT_EQ(fileLabel, QStringLiteral("File Name: ") + other);
    EXPECT_EQ(listed, QStringList({QStringLiteral("apple"), QStringLiteral("Kiwi"), QStringLiteral("Mango"), QStringLiteral("Zebra")}));
    EXPECT_FALSE(okAtFirst);
    EXPECT_TRUE(okAfterSelectAll);
    EXPECT_FALSE(okAfterClearAll);
    EXPECT_TRUE(okAfterPicking);
    EXPECT_EQ(countAtFirst, QStringLiteral("Selected: 0 of 4"));
    EXPECT_EQ(countAfterPicking, QStringLiteral("Selected: 3 of 4"));
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(QLatin1Char('|')).toStdString();

    EXPECT_EQ(storedTitles(defaultCollection()), QByteArrayList({"Robin", "apple", "Mango", "Zebra"}));
    ASSERT_EQ(messages.fileRequests.size(), 1);
    EXPECT_EQ(messages.fileRequests[0].title, QStringLiteral("Import Puzzles"));
    EXPECT_TRUE(messages.fileRequests[0].filter.contains(QStringLiteral("*.QVZ")));
    EXPECT_EQ(window->Context().settings.LastImportPuzzleFile, other);
    // The window re-listed and kept the category and puzzle that were selected.
    EXPECT_EQ(categories(), QStringList({QStringLiteral("Birds"), QStringLiteral("Farm"), QStringLiteral("Zoo")}));
    EXPECT_EQ(shownCategory(), QStringLiteral("Birds"));
    EXPECT_EQ(selectedTitle(), QStringLiteral("Robin"));
}

TEST_F(MainWinTransferTest, ImportRefusesOtherFilesAndTheOpenCollection)
{
    WriteCollection(defaultCollection(), {{"Birds", "Robin"}});
    const QByteArray before = OldBytes::readFile(defaultCollection());
    ASSERT_TRUE(QFile::link(defaultCollection(), startPath(QStringLiteral("LINK.QV3"))));
    start();
    const struct {
        QString chosen;
        QString message;
    } cases[] = {
        {startPath(QStringLiteral("notes.txt")), QStringLiteral("The file selected is not a valid Quorvex file.")},
        {startPath(QStringLiteral("Other.QV3.bak")), QStringLiteral("The file selected is not a valid Quorvex file.")},
        {startPath(QStringLiteral("LINK.QV3")), QStringLiteral("Import File cannot be the same as the currently open file.")},
        {defaultCollection(), QStringLiteral("Import File cannot be the same as the currently open file.")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen.toStdString());
        messages.clear();
        messages.files.push_back(c.chosen);
        window->ImportPuzzle();
        EXPECT_EQ(messages.texts(), QStringList({c.message}));
        EXPECT_EQ(messages.last().caption, QStringLiteral("Error"));
        EXPECT_EQ(OldBytes::readFile(defaultCollection()), before);
    }

    // Cancelling the file dialog or the import dialog changes nothing.
    messages.clear();
    window->ImportPuzzle();
    const QString other = startPath(QStringLiteral("Other.QV3"));
    WriteCollection(other, {{"Zoo", "Zebra"}});
    messages.files.push_back(other);
    onNextDialog([](QWidget* dialog) { QTest::mouseClick(button(dialog, "CancelButton"), Qt::LeftButton); });
    window->ImportPuzzle();
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(OldBytes::readFile(defaultCollection()), before);
}

TEST_F(MainWinTransferTest, ASixteenBitPuzzleIsConvertedAndSelectedAndACorruptOneAddsNothing)
{
    WriteCollection(defaultCollection(), {{"Birds", "Robin"}});
    start();
    const QString qvz = startPath(QStringLiteral("old.qvz"));
    ASSERT_TRUE(OldBytes::writeFile(qvz, OldBytes::qvz(OldBytes::record("Yesterday", 12, 40, 40))));
    messages.files.push_back(qvz);
    window->ImportPuzzle();

    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(storedTitles(defaultCollection()), QByteArrayList({"Robin", "Yesterday"}));
    EXPECT_EQ(shownCategory(), QStringLiteral("Version 2.0 Puzzles"));
    EXPECT_EQ(selectedTitle(), QStringLiteral("Yesterday"));
    // The converted puzzle prints with the default page layout of the page file.
    TPageLayout layout;
    LoadDefaultLayout(window->Context().PageFilePath(), window->Context().settings.DefaultPage, layout);
    TPuzzleRecord converted;
    ASSERT_TRUE(ReadPuzzle(defaultCollection(), 1, converted).isOk());
    EXPECT_EQ(LayoutOfPuzzle(converted), layout);
    EXPECT_EQ(converted, window->Context().Working.CurrentPuzzle);

    const QByteArray before = OldBytes::readFile(defaultCollection());
    const QString corrupt = startPath(QStringLiteral("BAD.QVZ"));
    ASSERT_TRUE(OldBytes::writeFile(corrupt, OldBytes::qvz(OldBytes::record("Broken", 12, 3, 3)).left(5000)));
    messages.files.push_back(corrupt);
    window->ImportPuzzle();
    EXPECT_EQ(messages.texts(), QStringList({QStringLiteral("Puzzle file is corrupt or incompatible.  Import aborted.")}));
    EXPECT_EQ(messages.last().caption, QStringLiteral("Error"));
    EXPECT_EQ(OldBytes::readFile(defaultCollection()), before);
}

TEST_F(MainWinTransferTest, PuzzlesOfOtherProgramsAreImportedAndSelectedAndARefusedOneAddsNothing)
{
    WriteCollection(defaultCollection(), {{"Birds", "Robin"}});
    start();
    const QString files = QStringLiteral(QUORVEX_DATA_DIR "/../tests/store/import/");
    messages.files.push_back(files + QStringLiteral("plain.ipuz"));
    window->ImportPuzzle();
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(QLatin1Char('|')).toStdString();
    for (const char* filter : {"*.QV3", "*.QVZ", "*.puz", "*.ipuz"})
        EXPECT_TRUE(messages.fileRequests[0].filter.contains(QLatin1String(filter))) << filter;
    EXPECT_EQ(storedTitles(defaultCollection()), QByteArrayList({"Robin", "Plain iPUZ"}));
    EXPECT_EQ(shownCategory(), QStringLiteral("Daily Planet"));
    EXPECT_EQ(selectedTitle(), QStringLiteral("Plain iPUZ"));

    // What changed on the way is shown once the puzzle is in.
    messages.clear();
    messages.files.push_back(files + QStringLiteral("utf8-v2.puz"));
    window->ImportPuzzle();
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.last().text.startsWith(QStringLiteral("The puzzle was imported with these changes:\nIn clue 1 Across")));
    EXPECT_EQ(messages.last().caption, QStringLiteral("Notice"));
    EXPECT_EQ(shownCategory(), QStringLiteral("Imported"));
    EXPECT_EQ(selectedTitle(), QString::fromUtf8("\xC3\x89t\xC3\xA9 \xE2\x80\x93 Summer"));

    const QByteArray before = OldBytes::readFile(defaultCollection());
    messages.clear();
    messages.files.push_back(files + QStringLiteral("locked.puz"));
    window->ImportPuzzle();
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.last().text.startsWith(QStringLiteral("The puzzle cannot be imported: its solution is scrambled")));
    EXPECT_EQ(messages.last().caption, QStringLiteral("Error"));
    EXPECT_EQ(OldBytes::readFile(defaultCollection()), before);
}

TEST_F(MainWinTransferTest, ExportWritesTheSelectedPuzzlesAndRefusesTheOpenCollection)
{
    WriteCollection(defaultCollection(), {{"Zoo", "Zebra"}, {"Zoo", "apple"}, {"Farm", "Mango"}});
    const QByteArray before = OldBytes::readFile(defaultCollection());
    const QString target = startPath(QStringLiteral("OUT.QV3"));
    WriteCollection(target, {{"Old", "Gone"}, {"Old", "Gone too"}});
    start();
    showWindow();

    bool saveAtFirst = true, saveAfterPicking = false;
    QString caption;
    onNextDialog([&](QWidget* dialog) {
        caption = dialog->windowTitle();
        saveAtFirst = button(dialog, "SaveFileButton")->isEnabled();
        pickTitles(choiceList(dialog), {QStringLiteral("Zebra"), QStringLiteral("Mango")});
        saveAfterPicking = button(dialog, "SaveFileButton")->isEnabled();
        saveScreenshot(dialog, QStringLiteral("ExportPuzzles.png"));
        messages.files.push_back(target);
        QTest::mouseClick(button(dialog, "SaveFileButton"), Qt::LeftButton);
    });
    QTest::keyClick(window.get(), Qt::Key_E, Qt::ControlModifier);

    EXPECT_EQ(caption, QStringLiteral("Export Crossword Puzzles"));
    EXPECT_FALSE(saveAtFirst);
    EXPECT_TRUE(saveAfterPicking);
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(storedTitles(target), QByteArrayList({"Mango", "Zebra"}));
    ASSERT_EQ(messages.fileRequests.size(), 1);
    EXPECT_EQ(messages.fileRequests[0].title, QStringLiteral("Save Crossword Puzzles"));
    EXPECT_TRUE(messages.fileRequests[0].confirmOverwrite);
    EXPECT_EQ(window->Context().settings.LastExportPuzzleFile, target);

    ASSERT_TRUE(QFile::link(defaultCollection(), startPath(QStringLiteral("LINK.QV3"))));
    // Onto the open collection (through a link): refused while the file chooser is still open,
    // which then takes another name; the open collection is unchanged.
    messages.clear();
    const QString second = startPath(QStringLiteral("SECOND.QV3"));
    onNextDialog([&](QWidget* dialog) {
        QTest::mouseClick(button(dialog, "SelectAllButton"), Qt::LeftButton);
        messages.files.push_back(startPath(QStringLiteral("LINK.QV3")));
        messages.files.push_back(second);
        QTest::mouseClick(button(dialog, "SaveFileButton"), Qt::LeftButton);
    });
    window->ExportPuzzle();
    EXPECT_EQ(messages.texts(), QStringList({QStringLiteral("Export File cannot be the same as the currently open file.")}));
    EXPECT_EQ(messages.last().caption, QStringLiteral("Error"));
    EXPECT_EQ(messages.fileRequests.size(), 1);
    EXPECT_EQ(OldBytes::readFile(defaultCollection()), before);
    EXPECT_EQ(storedTitles(second), QByteArrayList({"apple", "Mango", "Zebra"}));
}

TEST_F(MainWinTransferTest, StartUpConvertsOldPuzzlesAndShapesOnlyWhenAskedAndAsksAgainAfterNo)
{
    const QString oldPuzzles = startPath(QStringLiteral("QVFUPUZZ.DAT"));
    const QString oldShapes = startPath(QStringLiteral("QVFULAY.DAT"));
    const QString converted = programPath(QStringLiteral("OLDPUZZ.QV3"));
    const QString library = programPath(QStringLiteral("QVFLAY.DAT"));
    ASSERT_TRUE(OldBytes::writeFile(oldPuzzles, OldBytes::record("One", 15, 2, 2) + OldBytes::record("Two", 9, 1, 1)));
    const QByteArray shape = OldBytes::shape("Diamond", 11, 11, 1);
    ASSERT_TRUE(OldBytes::writeFile(oldShapes, shape));
    const QByteArray libraryBefore = OldBytes::readFile(library);
    const QString puzzleQuestion = QStringLiteral(
        "User generated puzzles from a previous version of Quorvex have been detected.  Would you like to convert "
        "them to a puzzle group?");
    const QString shapeQuestion = QStringLiteral(
        "User generated shapes from a previous version of Quorvex have been detected.  Would you like to add them to "
        "the current list of puzzle shapes?");

    messages.answers = {Button::No, Button::No};
    start();
    EXPECT_EQ(messages.texts(), QStringList({puzzleQuestion, shapeQuestion}));
    EXPECT_EQ(messages.shown[0].caption, QStringLiteral("Notice"));
    EXPECT_EQ(messages.shown[1].caption, QStringLiteral("Notice"));
    EXPECT_TRUE(QFileInfo::exists(oldPuzzles));
    EXPECT_TRUE(QFileInfo::exists(oldShapes));
    EXPECT_FALSE(QFileInfo::exists(converted));

    window.reset();
    messages.clear();
    messages.answers = {Button::Yes, Button::Yes};
    start();
    EXPECT_EQ(messages.texts(), QStringList({puzzleQuestion, QStringLiteral("A new puzzle group named \"OLDPUZZ.QV3\" has been created."),
                                             shapeQuestion, QStringLiteral("Puzzle shapes have been added.")}));
    EXPECT_EQ(messages.shown[1].caption, QStringLiteral("Ok"));
    EXPECT_EQ(messages.shown[3].caption, QStringLiteral("Ok"));
    EXPECT_FALSE(QFileInfo::exists(oldPuzzles));
    EXPECT_FALSE(QFileInfo::exists(oldShapes));
    EXPECT_EQ(storedTitles(converted), QByteArrayList({"One", "Two"}));
    EXPECT_EQ(OldBytes::readFile(library), libraryBefore + shape);
    // The open collection stays the one the settings name.
    EXPECT_EQ(window->Context().Working.CurrentCollection, defaultCollection());

    window.reset();
    messages.clear();
    start();
    EXPECT_TRUE(messages.texts().isEmpty());
}
