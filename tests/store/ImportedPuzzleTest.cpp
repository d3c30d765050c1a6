// Puzzles of other programs imported: small Across Lite and iPUZ files written from the published
// format descriptions by import/make_import_files.py, each beside what it must import as
// (FILE.expected: the record's title, category, grid and words, the warnings), or the refusal.
#include "store/Ansi.h"
#include "store/Collection.h"
#include "store/ImportedPuzzle.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QDir importFiles()
{
    return QDir(QStringLiteral(QUORVEX_DATA_DIR "/../tests/store/import"));
}

// The record as the expected files spell it: title, category, the grid ("." outside the puzzle),
// then each word slot as number, direction, row and column of its start, word and clue.
QString describe(const TPuzzleRecord& r)
{
    QStringList lines{QStringLiteral("title: ") + Ansi::toUnicode(r.Title.text()),
                      QStringLiteral("category: ") + Ansi::toUnicode(r.Category.text()), QStringLiteral("grid:")};
    for (int row = 0; row < r.GridHeight; ++row) {
        QByteArray cells;
        for (int column = 0; column < r.GridWidth; ++column) {
            const char c = char(r.Grid[std::size_t(row * Limits::GridSide + column)]);
            cells += c == 0 ? '.' : c;
        }
        lines << Ansi::toUnicode(cells);
    }
    lines << QStringLiteral("words:");
    for (int s = 0; s < r.WordCount; ++s)
        lines << QStringLiteral("%1%2 %3 %4 %5|%6")
                     .arg(r.ClueNumber[s])
                     .arg(r.Direction[s] == WordDirection::Across ? QLatin1Char('A') : QLatin1Char('D'))
                     .arg((r.StartCell[s] - 1) / Limits::GridSide + 1)
                     .arg((r.StartCell[s] - 1) % Limits::GridSide + 1)
                     .arg(Ansi::toUnicode(r.Words[s].text()), Ansi::toUnicode(r.Clues[s].text()));
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace

TEST(ImportedPuzzle, FilesOfOtherProgramsImportAsExpectedOrAreRefusedWritingNothing)
{
    const QDir files = importFiles();
    const QStringList names = files.entryList({QStringLiteral("*.puz"), QStringLiteral("*.ipuz")}, QDir::Files, QDir::Name);
    ASSERT_EQ(names.size(), 15);
    QTemporaryDir dir;
    QByteArray layout(int(Limits::PageLayoutSize), '\0');
    layout[0] = 7;
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const QString collection = dir.filePath(name + QStringLiteral(".QV3"));
        const QString path = files.filePath(name);
        EXPECT_EQ(ImportKindOf(path), name.endsWith(QLatin1String(".puz")) ? ImportKind::AcrossLite : ImportKind::Ipuz);
        QStringList expected = QString::fromUtf8(TestFiles::bytesOf(path + QStringLiteral(".expected"))).split(QLatin1Char('\n'));
        TPuzzleRecord working;
        const TTransferReport report = ImportOtherPuzzle(path, collection, layout, working);
        if (expected.first().startsWith(QLatin1String("refused: "))) {
            EXPECT_FALSE(report);
            EXPECT_TRUE(report.Text.startsWith(QLatin1String("The puzzle cannot be imported: "))) << report.Text.toStdString();
            EXPECT_TRUE(report.Text.contains(expected.first().mid(9))) << report.Text.toStdString();
            EXPECT_FALSE(QFileInfo::exists(collection));
            continue;
        }
        ASSERT_TRUE(report) << report.Text.toStdString();
        QStringList warnings;
        for (const QString& line : expected) {
            if (line.startsWith(QLatin1String("warn: ")))
                warnings << line.mid(6);
        }
        expected.removeIf([](const QString& line) { return line.startsWith(QLatin1String("warn: ")); });
        for (const QString& warning : warnings)
            EXPECT_TRUE(report.Warnings.join(QLatin1Char('\n')).contains(warning)) << warning.toStdString();
        EXPECT_EQ(report.Warnings.size(), warnings.size()) << report.Warnings.join(QLatin1Char('\n')).toStdString();

        ASSERT_EQ(RecordCount(collection), 1);
        TPuzzleRecord stored;
        ASSERT_TRUE(ReadPuzzle(collection, 0, stored));
        EXPECT_EQ(stored, working);
        EXPECT_EQ(describe(stored).toStdString(), expected.join(QLatin1Char('\n')).toStdString());
        // Stored as a constructed puzzle is stored.
        EXPECT_EQ(stored.Version.text(), QByteArray("3.0c"));
        EXPECT_EQ(stored.Generated, 1);
        EXPECT_EQ(stored.AcrossCount + stored.DownCount, stored.WordCount);
        EXPECT_EQ(std::count(stored.WordUsed.begin(), stored.WordUsed.end(), 1), stored.WordCount);
        for (int s = 0; s < stored.WordCount; ++s)
            EXPECT_EQ(stored.LetterCount[s], stored.Words[s].length());
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(stored.PageLayout.data()), qsizetype(stored.PageLayout.size())), layout);
        EXPECT_TRUE(stored.BonusQuestion.isEmpty());
    }

    // Another program's file is told by its content, whatever its name; other files are not valid.
    const QString renamed = dir.filePath(QStringLiteral("PUZZLE.DAT"));
    ASSERT_TRUE(TestFiles::put(renamed, TestFiles::bytesOf(files.filePath(QStringLiteral("plain.puz")))));
    EXPECT_EQ(ImportKindOf(renamed), ImportKind::AcrossLite);
    ASSERT_TRUE(TestFiles::put(renamed, "\xEF\xBB\xBF  ipuz({})"));
    EXPECT_EQ(ImportKindOf(renamed), ImportKind::Ipuz);
    ASSERT_TRUE(TestFiles::put(renamed, "CAT:Pet\n"));
    EXPECT_EQ(ImportKindOf(renamed), ImportKind::NotValid);
}
