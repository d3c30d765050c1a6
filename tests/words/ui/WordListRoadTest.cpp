// A word list from a file to a stored puzzle and back to a file: import 60 "word: clue" lines into
// a new puzzle, build it, and export the placed words of the stored puzzle.
#include "words/ui/WordListTestSupport.h"

#include "puzzle/ui/CreatedPuzzle.h"
#include "words/WordListText.h"
#include "words/ui/Import.h"
#include "words/ui/MyExport.h"
#include "words/ui/WordList.h"

#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QPushButton>

using namespace WordListTest;

namespace {

void ClickButton(QWidget* dialog, const char* name)
{
    auto* button = Control<QAbstractButton>(dialog, name);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
}

void SaveScreenshot(QWidget* window, const QString& name)
{
    const QString dir = qEnvironmentVariable("QUORVEX_SCREENSHOTS");
    if (!dir.isEmpty())
        window->grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

} // namespace

class WordListRoadTest : public WordListUiTest {};

TEST_F(WordListRoadTest, SixtyImportedLinesBuildAPuzzleWhosePlacedWordsExportAgain)
{
    // 60 "WORD: clue" lines from the sample word lists.
    QByteArray file;
    int lines = 0;
    for (const char* name : {"animals.txt", "fruits.txt", "space.txt", "weather.txt"}) {
        QFile source(QStringLiteral(QUORVEX_DATA_DIR "/words/") + QLatin1String(name));
        ASSERT_TRUE(source.open(QIODevice::ReadOnly));
        for (const QByteArray& line : source.readAll().split('\n')) {
            if (line.trimmed().isEmpty() || lines == 60)
                continue;
            const auto pair = WordListText::SplitPair(line.trimmed(), ':');
            file += pair.word + ": " + pair.clue + "\r\n";
            ++lines;
        }
    }
    ASSERT_EQ(lines, 60);
    const QString wordFile = startPath(QStringLiteral("sixty.txt"));
    QFile out(wordFile);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(file);
    out.close();

    TWordList editor(*context);
    editor.setFixedSeed(2026);
    editor.show();
    QTest::keyClicks(Control<QLineEdit>(&editor, "Title"), QStringLiteral("Sixty Words"));
    QTest::keyClicks(Control<QComboBox>(&editor, "Category")->lineEdit(), QStringLiteral("Mixed"));
    messages.files.push_back(wordFile);
    WhenModal<TImport>([](TImport* import) {
        ClickButton(import, "AsWordsAndClues");
        ClickButton(import, "OpenFileButton");
        ClickButton(import, "SelectAllButton");
        SaveScreenshot(import, QStringLiteral("wordfiles-import"));
        ClickButton(import, "OkButton");
    });
    ClickButton(&editor, "ImportButton");
    auto* grid = Control<QTableWidget>(&editor, "WordsCluesGrid");
    EXPECT_FALSE(CellText(grid, 59, TWordList::WordColumn).isEmpty());
    EXPECT_TRUE(CellText(grid, 60, TWordList::WordColumn).isEmpty());
    EXPECT_FALSE(CellText(grid, 0, TWordList::ClueColumn).isEmpty());
    SaveScreenshot(&editor, QStringLiteral("wordfiles-editor-after-import"));

    WhenModal<TCreatedPuzzle>([&](TCreatedPuzzle* view) {
        messages.answers.push_back(MessageService::Button::Yes);
        QTest::mouseClick(view->findChild<QPushButton*>(QStringLiteral("SaveButton")), Qt::LeftButton);
    });
    QTest::mouseClick(Control<QPushButton>(&editor, "CreateIt"), Qt::LeftButton);
    ASSERT_EQ(RecordCount(collectionPath()), 1);
    const TPuzzleRecord saved = Stored(0);
    ASSERT_GT(saved.WordCount, 5);

    // The stored puzzle, opened for modifying: "Select &Used" picks the placed words.
    context->Working.IsNewPuzzle = false;
    context->Working.CurrentRecordNumber = 0;
    context->Working.CurrentPuzzle = saved;
    context->Working.ReadAs = TRecordName::of(saved);
    TWordList modify(*context);
    modify.show();
    const QString exportFile = startPath(QStringLiteral("placed.txt"));
    messages.files.push_back(exportFile);
    int listedItems = 0;
    WhenModal<TMyExport>([&](TMyExport* exporter) {
        ClickButton(exporter, "ExportWordsAndClues");
        listedItems = Control<QListWidget>(exporter, "WordListBox")->count();
        ClickButton(exporter, "SelectUsedButton");
        SaveScreenshot(exporter, QStringLiteral("wordfiles-export"));
        ClickButton(exporter, "SaveFileButton");
    });
    ClickButton(&modify, "ExportButton");
    EXPECT_EQ(listedItems, 60);   // the unplaced words stay in the list, unmarked
    const auto exported = WordListText::ReadWordFile(
        [&] {
            QFile f(exportFile);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }(),
        WordListText::Unmappable::Skip);
    ASSERT_EQ(exported.items.size(), saved.WordCount);
    for (int i = 0; i < saved.WordCount; ++i) {
        const QByteArray line = WordListText::FormatPair(saved.Words[std::size_t(i)].text(), saved.Clues[std::size_t(i)].text(), ':');
        EXPECT_TRUE(exported.items.contains(line.trimmed())) << line.toStdString();
    }
}
