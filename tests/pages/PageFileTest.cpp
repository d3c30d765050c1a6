// The page file, its list texts and the ".PAG" export file.
#include "pages/DefaultLayout.h"
#include "pages/PageFile.h"
#include "store/PuzzleRecord.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

TPageLayout named(const char* name, const char* paper = "Letter", double width = 8.5, double height = 11)
{
    TPageLayout l = BuiltInDefaultLayout();
    l.LayoutName.setText(name);
    l.PaperName.setText(paper);
    l.PaperWidth = width;
    l.PaperHeight = height;
    return l;
}

class PageFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString page = dir.filePath(QString::fromLatin1(PageFileName));

    void append(const TPageLayout& l) { ASSERT_TRUE(AppendLayout(page, l)); }
    QByteArray nameOf(qint64 n)
    {
        TPageLayout l;
        EXPECT_TRUE(LoadLayout(page, n, l));
        return l.LayoutName.text();
    }
};

} // namespace

TEST(LayoutDisplayText, PaperInBracketsAndCustomSizesRoundedHalvesToEven)
{
    const struct {
        const char* paper;
        double width, height;
        const char* text;
    } cases[] = {
        {"Letter", 8.5, 11, "Weekly (Letter)"},
        {"A4", 21, 29.7, "Weekly (A4)"},
        {"Custom", 8.25, 11.75, "Weekly (Custom 8\" x 12\")"},
        {"Custom", 8.5, 11, "Weekly (Custom 8\" x 11\")"},
        {"Custom", 9.5, 10.5, "Weekly (Custom 10\" x 10\")"},
        {"Custom", 21.6, 27.9, "Weekly (Custom 22\" x 28\")"},
        {"custom", 8.5, 11, "Weekly (custom)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LayoutDisplayText(named("Weekly", c.paper, c.width, c.height)), QString::fromLatin1(c.text)) << c.text;
    EXPECT_EQ(LayoutDisplayText(named("Caf\xE9")), QStringLiteral("Caf\u00E9 (Letter)"));
}

TEST_F(PageFileTest, ListIsSortedByTextKeepsNumbersAndMarksTheDefault)
{
    append(named("Zebra"));
    append(named("apple", "A4"));
    append(named("Middle", "Custom", 8.25, 11.75));
    std::vector<TLayoutEntry> entries;
    ASSERT_TRUE(LoadLayoutList(page, 0, entries));
    const std::vector<TLayoutEntry> expected = {
        {1, QStringLiteral("apple (A4)")},
        {2, QStringLiteral("Middle (Custom 8\" x 12\")")},
        {0, QStringLiteral("Zebra (Letter)  <<DEFAULT>>")},
    };
    EXPECT_EQ(entries, expected);

    ASSERT_TRUE(LoadLayoutList(page, 7, entries));
    for (const auto& e : entries)
        EXPECT_FALSE(e.Text.contains(QLatin1String("DEFAULT"))) << e.Text.toStdString();
}

TEST_F(PageFileTest, MissingAndEmptyFilesListNothing)
{
    std::vector<TLayoutEntry> entries{{1, QStringLiteral("stale")}};
    EXPECT_EQ(LoadLayoutList(page, 0, entries).status, IoResult::OpenFailed);
    EXPECT_TRUE(entries.empty());
    writeBytes(page, {});
    EXPECT_TRUE(LoadLayoutList(page, 0, entries));
    EXPECT_TRUE(entries.empty());
}

TEST_F(PageFileTest, DefaultLayoutFallsBackToBuiltInOrRecordZero)
{
    TPageLayout l = named("junk");
    EXPECT_TRUE(LoadDefaultLayout(page, 0, l)); // missing file
    EXPECT_EQ(l, BuiltInDefaultLayout());
    writeBytes(page, {});
    l = named("junk");
    EXPECT_TRUE(LoadDefaultLayout(page, 0, l)); // 0 bytes behave as missing
    EXPECT_EQ(l, BuiltInDefaultLayout());
    writeBytes(page, QByteArray(28867, 'x')); // no whole record
    EXPECT_TRUE(LoadDefaultLayout(page, 0, l));
    EXPECT_EQ(l, BuiltInDefaultLayout());

    QFile::remove(page);
    append(named("First"));
    append(named("Second"));
    const struct {
        qint64 setting;
        const char* name;
    } cases[] = {{1, "Second"}, {0, "First"}, {2, "First"}, {15, "First"}, {-1, "First"}};
    for (const auto& c : cases) {
        EXPECT_TRUE(LoadDefaultLayout(page, c.setting, l));
        EXPECT_EQ(l.LayoutName.text(), QByteArray(c.name)) << c.setting;
    }
}

TEST_F(PageFileTest, AppendReplaceAndDeleteWorkOnRecordNumbers)
{
    qint64 number = -1;
    ASSERT_TRUE(AppendLayout(page, named("One"), &number)); // creates the file
    EXPECT_EQ(number, 0);
    append(named("Two"));
    ASSERT_TRUE(AppendLayout(page, named("Three"), &number));
    EXPECT_EQ(number, 2);
    EXPECT_EQ(fileBytes(page).size(), 3 * 28868);

    ASSERT_TRUE(ReplaceLayout(page, 1, named("Deux")));
    EXPECT_EQ(nameOf(1), "Deux");
    const TPageFileReport pastEnd = ReplaceLayout(page, 3, named("Four"));
    EXPECT_FALSE(pastEnd);
    EXPECT_EQ(pastEnd.Text, QStringLiteral("Unable to add page layout."));
    EXPECT_EQ(fileBytes(page).size(), 3 * 28868);

    ASSERT_TRUE(DeleteLayout(page, 0));
    EXPECT_EQ(nameOf(0), "Deux");
    EXPECT_EQ(nameOf(1), "Three");
    ASSERT_TRUE(DeleteLayout(page, 1));
    ASSERT_TRUE(DeleteLayout(page, 0)); // the only layout
    EXPECT_TRUE(QFile::exists(page));
    EXPECT_EQ(fileBytes(page).size(), 0);
    std::vector<TLayoutEntry> entries;
    EXPECT_TRUE(LoadLayoutList(page, 0, entries));
    EXPECT_TRUE(entries.empty());
}

TEST_F(PageFileTest, FailuresCarryTheirMessagesAndWriteNothing)
{
    const QString noDir = dir.filePath(QStringLiteral("missing/QVFPAGE.DAT"));
    const TPageFileReport add = AppendLayout(noDir, named("X"));
    EXPECT_FALSE(add);
    EXPECT_EQ(add.Text, QStringLiteral("Unable to add page layout.\nNo such file or directory"));
    EXPECT_EQ(add.Caption, QStringLiteral("Disk Error"));
    EXPECT_FALSE(QFile::exists(noDir));

    const TPageFileReport del = DeleteLayout(noDir, 0);
    EXPECT_EQ(del.Text, QStringLiteral("Unable to delete page layout.\nNo such file or directory"));
    EXPECT_EQ(del.Caption, QStringLiteral("Disk Error"));

    const TPageFileReport exported = ExportPageLayout(named("X"), noDir);
    EXPECT_EQ(exported.Text, QStringLiteral("Page layout could not be exported.\nNo such file or directory"));
    EXPECT_EQ(exported.Caption, QStringLiteral("Error"));

    EXPECT_EQ(PageMessages::deleteQuestion(QStringLiteral("Weekly (Letter)  <<DEFAULT>>")),
              QStringLiteral("Are you sure you want to delete \"Weekly (Letter)  <<DEFAULT>>\"?"));
}

TEST_F(PageFileTest, ExportWritesTagAndRecordAndImportAppendsIt)
{
    const QString pag = dir.filePath(QStringLiteral("weekly.PAG"));
    const TPageLayout weekly = named("Weekly", "Custom", 8.25, 11.75);
    const TPageFileReport exported = ExportPageLayout(weekly, pag);
    ASSERT_TRUE(exported);
    EXPECT_EQ(exported.Text, QStringLiteral("Page Layout Exported!"));
    EXPECT_EQ(exported.Caption, QStringLiteral("OK"));
    const QByteArray bytes = fileBytes(pag);
    ASSERT_EQ(bytes.size(), 28874);
    EXPECT_EQ(bytes.left(6), QByteArray("PAG1.0"));
    EXPECT_EQ(bytes.mid(6), weekly.toBytes());

    append(named("Existing"));
    TPageLayout imported;
    qint64 number = -1;
    ASSERT_TRUE(ImportPageLayout(page, pag, &imported, &number));
    EXPECT_EQ(number, 1);
    EXPECT_EQ(imported, weekly);
    EXPECT_EQ(fileBytes(page).mid(28868), weekly.toBytes());
}

TEST_F(PageFileTest, ImportValidatesTagLengthButNotVersion)
{
    const QByteArray record = named("Imported").toBytes();
    const struct {
        const char* label;
        QByteArray content;
        bool accepted;
    } cases[] = {
        {"full file", "PAG1.0" + record, true},
        {"other version", "PAG9.9" + record, true},
        {"trailing bytes", "PAG1.0" + record + "xyz", true},
        {"one byte short", "PAG1.0" + record.left(28867), false},
        {"lower-case tag", "pag1.0" + record, false},
        {"shape tag", "LAY1.0" + record, false},
        {"tag only", "PAG", false},
        {"empty", "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const QString pag = dir.filePath(QStringLiteral("in.PAG"));
        writeBytes(pag, c.content);
        QFile::remove(page);
        const TPageFileReport r = ImportPageLayout(page, pag);
        EXPECT_EQ(bool(r), c.accepted);
        if (c.accepted) {
            EXPECT_EQ(fileBytes(page), record);
        } else {
            EXPECT_EQ(r.Text, QStringLiteral("Page layout file is corrupt or incompatible.  Import aborted."));
            EXPECT_EQ(r.Caption, QStringLiteral("Error"));
            EXPECT_FALSE(QFile::exists(page));
        }
    }
    const TPageFileReport missing = ImportPageLayout(page, dir.filePath(QStringLiteral("none.PAG")));
    EXPECT_EQ(missing.Text, QStringLiteral("Page layout could not be imported."));
}

TEST_F(PageFileTest, ExtractAppendsThePuzzleLayoutBytesUnchanged)
{
    append(named("Existing"));
    TPuzzleRecord puzzle;
    SetLayoutOfPuzzle(puzzle, named("From Puzzle", "A4"));
    puzzle.PageLayout[28867] = 0x5A; // a reserved byte of the last slot travels too
    qint64 number = -1;
    ASSERT_TRUE(ExtractLayout(page, puzzle, &number));
    EXPECT_EQ(number, 1);
    const QByteArray stored = fileBytes(page).mid(28868);
    EXPECT_EQ(stored, QByteArray(reinterpret_cast<const char*>(puzzle.PageLayout.data()), 28868));
    EXPECT_EQ(nameOf(1), "From Puzzle");
    EXPECT_EQ(LayoutOfPuzzle(puzzle).PaperName.text(), "A4");
}

TEST(MakeCopyName, CountsUpOrAppendsTwoWithinTwentyCharacters)
{
    const struct {
        const char* name;
        const char* copy;
    } cases[] = {
        {"Weekly", "Weekly (2)"},
        {"Weekly (2)", "Weekly (3)"},
        {"A (B)", "A (B) (2)"},
        {"Plan (0)", "Plan (0) (2)"},
        {" Spaced ", "Spaced (2)"},
        {"Nineteen characters", "Nineteen characters "},
        {"Eighteen character", "Eighteen character ("},
        {"Long names here (99)", "Long names here (100"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MakeCopyName(c.name), QByteArray(c.copy)) << c.name;
}

TEST(PageLayoutFlags, BooleanBytesSurviveEveryCopy)
{
    // Boolean bytes written by another program as 2 and 255: UseInches (62), Portrait (65), and in
    // slot 1 (at 88) TextBold (71) and MakeFit (1136).
    QByteArray bytes = BuiltInDefaultLayout().toBytes();
    bytes[62] = char(2);
    bytes[65] = char(255);
    bytes[88 + 71] = char(2);
    bytes[88 + 1136] = char(255);
    const TPageLayout layout = TPageLayout::fromBytes(bytes);
    EXPECT_TRUE(layout.UseInches && layout.Portrait && layout.Objects[0].TextBold && layout.Objects[0].MakeFit);
    EXPECT_EQ(layout.toBytes(), bytes);

    TPuzzleRecord puzzle;
    SetLayoutOfPuzzle(puzzle, layout);
    EXPECT_EQ(LayoutOfPuzzle(puzzle).toBytes(), bytes);

    QTemporaryDir dir;
    const QString page = dir.filePath(QStringLiteral("QVFPAGE.DAT"));
    ASSERT_TRUE(AppendLayout(page, layout));
    ASSERT_TRUE(ExtractLayout(page, puzzle));
    const QString pag = dir.filePath(QStringLiteral("copy.PAG"));
    ASSERT_TRUE(ExportPageLayout(layout, pag));
    ASSERT_TRUE(ImportPageLayout(page, pag));
    for (qint64 n = 0; n < 3; ++n) {
        TPageLayout read;
        ASSERT_TRUE(LoadLayout(page, n, read));
        EXPECT_EQ(read.toBytes(), bytes) << n;
    }
    QFile file(pag);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().mid(6), bytes);
}
