// Word list import and export from the word list editor.
#include "words/ui/WordListTestSupport.h"

#include "words/ui/Import.h"
#include "words/ui/MyExport.h"
#include "words/ui/WordList.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

using namespace WordListTest;

class WordListImportTest : public WordListUiTest {
protected:
    QString writeFile(const QString& name, const QByteArray& bytes)
    {
        QFile f(startPath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }
    static QByteArray readFile(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static QStringList listed(QWidget* dialog)
    {
        QStringList texts;
        auto* list = Control<QListWidget>(dialog, "WordListBox");
        for (int i = 0; i < list->count(); ++i)
            texts.append(list->item(i)->text());
        return texts;
    }
    /** Clicks a button on its left end, where a radio button's indicator and caption are. */
    static void click(QWidget* dialog, const char* name)
    {
        auto* button = Control<QAbstractButton>(dialog, name);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
    }

    /** Opens the import dialog from the editor, reads the file, picks the mode and selects all, then OK. */
    void importInto(TWordList& editor, const QString& path, const char* modeButton, bool* seen = nullptr)
    {
        messages.files.push_back(path);
        WhenModal<TImport>(
            [this, modeButton](TImport* import) {
                click(import, modeButton);
                click(import, "OpenFileButton");
                click(import, "SelectAllButton");
                click(import, "OkButton");
                if (import->isVisible())
                    import->reject();
            },
            seen);
        click(&editor, "ImportButton");
    }

    /** Rows 1..n of the grid as "word|clue". */
    static QStringList gridTexts(QTableWidget* grid, int n)
    {
        QStringList rows;
        for (int r = 0; r < n; ++r)
            rows.append(CellText(grid, r, TWordList::WordColumn) + QLatin1Char('|') + CellText(grid, r, TWordList::ClueColumn));
        return rows;
    }
};

TEST_F(WordListImportTest, ExportedPairsImportBackIntoTheSameGrid)
{
    TWordList editor(*context);
    editor.show();
    auto* grid = Control<QTableWidget>(&editor, "WordsCluesGrid");
    const QList<std::pair<QString, QString>> rows{{QStringLiteral("zebra"), QStringLiteral("Striped horse")},
                                                 {QStringLiteral("CAFÉ"), QStringLiteral("Place for coffee: or tea")},
                                                 {QString(), QStringLiteral("Clue without word")},
                                                 {QStringLiteral("Lion"), QString()}};
    for (int r = 0; r < rows.size(); ++r) {
        grid->item(r, TWordList::WordColumn)->setText(rows[r].first);
        grid->item(r, TWordList::ClueColumn)->setText(rows[r].second);
    }

    const QString path = startPath(QStringLiteral("pairs.txt"));
    messages.files.push_back(path);
    WhenModal<TMyExport>([](TMyExport* exporter) {
        click(exporter, "ExportWordsAndClues");
        EXPECT_FALSE(Control<QPushButton>(exporter, "SaveFileButton")->isEnabled());
        EXPECT_FALSE(Control<QPushButton>(exporter, "SelectUsedButton")->isEnabled());   // a new puzzle
        click(exporter, "SelectAllButton");
        click(exporter, "SaveFileButton");
    });
    click(&editor, "ExportButton");
    EXPECT_EQ(context->settings.ExportOption, 3);
    EXPECT_EQ(context->settings.LastExportWordFile, path);
    ASSERT_EQ(messages.fileRequests.size(), 1);
    EXPECT_EQ(messages.fileRequests[0].title, QStringLiteral("Save Word/Clue List"));
    EXPECT_EQ(messages.fileRequests[0].filter, QStringLiteral("text (*.txt)"));
    EXPECT_TRUE(messages.fileRequests[0].confirmOverwrite);
    // Windows-1252 lines ending in CR LF in case-insensitive order; the word padded to 31 characters.
    const QByteArray pad31(31, ' ');
    EXPECT_EQ(readFile(path), pad31 + ": Clue without word\r\n"
                                  + QByteArray("CAF\xC9") + QByteArray(27, ' ') + ": Place for coffee: or tea\r\n"
                                  + "Lion" + QByteArray(27, ' ') + ": \r\n"
                                  + "zebra" + QByteArray(26, ' ') + ": Striped horse\r\n");

    // Into an emptied grid in words-and-clues mode: the same rows, in the file's order.
    context->settings.ImportOption = 1;
    messages.answers.push_back(MessageService::Button::Yes);
    QTest::mouseClick(Control<QPushButton>(&editor, "DeleteAllButton"), Qt::LeftButton);
    EXPECT_EQ(gridTexts(grid, 1), QStringList{QStringLiteral("|")});
    messages.clear();
    bool seen = false;
    importInto(editor, path, "AsWordsAndClues", &seen);
    ASSERT_TRUE(seen);
    EXPECT_EQ(context->settings.ImportOption, 3);
    EXPECT_EQ(context->settings.LastImportWordFile, path);
    EXPECT_EQ(messages.fileRequests[0].title, QStringLiteral("Import Word/Clue List"));
    EXPECT_EQ(messages.fileRequests[0].filter, QStringLiteral("text (*.txt);;all files (*.*)"));
    EXPECT_EQ(gridTexts(grid, 5), (QStringList{QStringLiteral("|Clue without word"),
                                               QStringLiteral("CAFÉ|Place for coffee: or tea"), QStringLiteral("Lion|"),
                                               QStringLiteral("zebra|Striped horse"), QStringLiteral("|")}));
}

TEST_F(WordListImportTest, TooManyWordsAskFirstAndYesFillsTheGridTo200)
{
    struct Case {
        int words;
        int items;
        const char* question;
    } cases[] = {
        {195, 8, "Too many words selected.  Last 3 words will not be used.  Continue?"},
        {199, 2, "Too many words selected.  Last word will not be used.  Continue?"},
    };
    for (const Case& c : cases) {
        for (const auto answer : {MessageService::Button::No, MessageService::Button::Yes}) {
            ClearForNewPuzzle(context->Working);
            for (int i = 0; i < c.words; ++i)
                context->Working.CurrentPuzzle.Words[std::size_t(i)].setText("OLD" + QByteArray::number(i));
            TWordList editor(*context);
            auto* grid = Control<QTableWidget>(&editor, "WordsCluesGrid");
            QByteArray file;
            for (int i = 0; i < c.items; ++i)
                file += "NEW" + QByteArray::number(i) + "\r\n";
            messages.clear();
            messages.answers.push_back(answer);
            bool seen = false;
            importInto(editor, writeFile(QStringLiteral("many.txt"), file), "AsWords", &seen);
            ASSERT_TRUE(seen);
            ASSERT_EQ(messages.texts(), QStringList{QString::fromLatin1(c.question)});
            EXPECT_EQ(messages.last().caption, QStringLiteral("Warning"));
            const int expectedLast = answer == MessageService::Button::Yes ? 200 : c.words;
            for (int r = 0; r < 200; ++r) {
                ASSERT_EQ(CellText(grid, r, TWordList::WordColumn).isEmpty(), r >= expectedLast) << c.words << " row " << r;
            }
            if (answer == MessageService::Button::Yes) {
                EXPECT_EQ(CellText(grid, 199, TWordList::WordColumn), QStringLiteral("NEW%1").arg(199 - c.words));
            }
        }
    }
}

TEST_F(WordListImportTest, WordsFillRowsWithOnlyAClueAndFilesOfEveryEncodingImportAlike)
{
    // Row 1 has only a clue: the first imported word lands there and the clue stays.
    context->Working.CurrentPuzzle.Clues[0].setText("Already a clue");
    context->Working.CurrentPuzzle.Words[1].setText("KEPT");
    TWordList editor(*context);
    auto* grid = Control<QTableWidget>(&editor, "WordsCluesGrid");
    const QString utf8 = writeFile(QStringLiteral("utf8.txt"), QStringLiteral("  niño\r\nÉCLAIR\r\n\r\n   \r\n").toUtf8());
    importInto(editor, utf8, "AsWords");
    // The list is in alphabetical order, É among the E's.
    EXPECT_EQ(gridTexts(grid, 4), (QStringList{QStringLiteral("ÉCLAIR|Already a clue"), QStringLiteral("KEPT|"),
                                               QStringLiteral("niño|"), QStringLiteral("|")}));
    EXPECT_TRUE(messages.texts().isEmpty());

    // The same list as Windows-1252 and as UTF-16 lists the same items.
    TImport import(*context, {});
    const QString utf16 = QStringLiteral(" niño\nÉCLAIR");
    QByteArray utf16le("\xFF\xFE");
    for (const QChar c : utf16)
        utf16le += char(c.unicode() & 0xFF) + QByteArray(1, char(c.unicode() >> 8));
    for (const QByteArray& bytes : {QByteArray("  ni\xF1o\r\n\xC9" "CLAIR\r\n\r\n   \r\n"), utf16le}) {
        messages.files.push_back(writeFile(QStringLiteral("other.txt"), bytes));
        import.OpenFileClick();
        EXPECT_EQ(listed(&import), (QStringList{QStringLiteral("ÉCLAIR"), QStringLiteral("niño")}));
    }

    // A 300-character line is cut to 255; a line with a character Windows-1252 lacks, or a NUL, is left out and named.
    messages.clear();
    messages.files.push_back(writeFile(QStringLiteral("odd.txt"),
                                       QString(300, QLatin1Char('A')).toUtf8() + QStringLiteral("\nŐZ: deer\nOK\n").toUtf8()
                                           + QByteArray("N\0UL\n", 5)));
    import.OpenFileClick();
    const QStringList items = listed(&import);
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0], QString(255, QLatin1Char('A')));
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral(
        "Some lines of the file were not listed:\n"
        "Line 2 holds \"Ő\", a character that a word list cannot hold, and was left out.\n"
        "Line 4 holds a control character and was left out.")});
    EXPECT_EQ(messages.last().caption, QStringLiteral("Notice"));
}

TEST_F(WordListImportTest, RefusalsKeepTheDialogOpen)
{
    TImport import(*context, QList<WordListTransfer::GridRow>(200));
    import.show();
    // Nothing can be selected or accepted before a file is read; the mode follows the setting.
    for (const char* name : {"SelectAllButton", "ClearButton", "OkButton"})
        EXPECT_FALSE(Control<QPushButton>(&import, name)->isEnabled()) << name;
    EXPECT_TRUE(Control<QRadioButton>(&import, "AsWords")->isChecked());
    EXPECT_FALSE(Control<QLineEdit>(&import, "SepChar")->isVisible());

    messages.files.push_back(startPath(QStringLiteral("missing.txt")));
    import.OpenFileClick();
    EXPECT_EQ(messages.last().text, QStringLiteral("Unable to open import file."));
    EXPECT_EQ(messages.last().caption, QStringLiteral("Error"));

    messages.files.push_back(writeFile(QStringLiteral("w.txt"), "ONE\r\n"));
    click(&import, "OpenFileButton");
    click(&import, "AsWordsAndClues");
    auto* sep = Control<QLineEdit>(&import, "SepChar");
    EXPECT_TRUE(sep->isVisible());
    sep->clear();
    QTest::keyClicks(sep, QStringLiteral(";"));
    EXPECT_EQ(context->settings.SepChar, ';');
    sep->clear();
    QTest::keyClicks(sep, QStringLiteral(" "));
    click(&import, "OkButton");
    EXPECT_EQ(messages.last().text, QStringLiteral("No word/clue seperator character specified."));
    EXPECT_TRUE(import.isVisible());
    EXPECT_EQ(context->settings.SepChar, ';');   // a blank field does not change the setting

    // Export: nothing selected, then a file that cannot be created.
    QList<WordListTransfer::GridRow> rows(200);
    rows[0] = {"LION", "King", true};
    rows[1] = {"ant", "Worker", false};
    rows[2] = {"Bee", "Buzz", true};
    TMyExport exporter(*context, rows, false);
    exporter.show();
    click(&exporter, "ExportWords");
    EXPECT_EQ(listed(&exporter), (QStringList{QStringLiteral("ant"), QStringLiteral("Bee"), QStringLiteral("LION")}));
    exporter.SaveFileClick();
    EXPECT_EQ(messages.last().text,
              QStringLiteral("No words/clues selected for output.  Please select the desired words/clues."));
    click(&exporter, "SelectUsedButton");
    auto* list = Control<QListWidget>(&exporter, "WordListBox");
    EXPECT_EQ(list->selectedItems().size(), 2);
    EXPECT_FALSE(list->item(0)->isSelected());
    EXPECT_TRUE(Control<QPushButton>(&exporter, "SaveFileButton")->isEnabled());
    messages.files.push_back(startPath(QStringLiteral("no/such/folder/out.txt")));
    exporter.SaveFileClick();
    EXPECT_EQ(messages.last().text, QStringLiteral("Unable to create export file."));
    EXPECT_TRUE(exporter.isVisible());
    click(&exporter, "ClearButton");
    EXPECT_FALSE(Control<QPushButton>(&exporter, "SaveFileButton")->isEnabled());
}
