// Every puzzle of the sample collection exported as iPUZ and as Across Lite and imported again:
// the same grid letters, words, numbering and clues.
#include "export/IpuzExport.h"
#include "export/PuzExport.h"
#include "store/Collection.h"
#include "store/ImportedPuzzle.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Blocks and squares outside the shape are both "not a letter" in the other formats.
bool isLetter(std::uint8_t c)
{
    return c != 0 && c != ' ';
}

void expectSamePuzzle(const TPuzzleRecord& a, const TPuzzleRecord& b)
{
    ASSERT_EQ(a.GridWidth, b.GridWidth);
    ASSERT_EQ(a.GridHeight, b.GridHeight);
    for (int row = 0; row < a.GridHeight; ++row) {
        for (int column = 0; column < a.GridWidth; ++column) {
            const auto i = std::size_t(row * Limits::GridSide + column);
            EXPECT_EQ(isLetter(a.Grid[i]) ? a.Grid[i] : 0, b.Grid[i]) << "row " << row + 1 << ", column " << column + 1;
        }
    }
    ASSERT_EQ(a.WordCount, b.WordCount);
    EXPECT_EQ(a.AcrossCount, b.AcrossCount);
    for (int s = 0; s < a.WordCount; ++s) {
        SCOPED_TRACE(s + 1);
        EXPECT_EQ(a.Words[s], b.Words[s]);
        EXPECT_EQ(a.Clues[s].text(), b.Clues[s].text());
        EXPECT_EQ(a.StartCell[s], b.StartCell[s]);
        EXPECT_EQ(a.LetterCount[s], b.LetterCount[s]);
        EXPECT_EQ(a.ClueNumber[s], b.ClueNumber[s]);
        EXPECT_EQ(a.Direction[s], b.Direction[s]);
    }
}

} // namespace

TEST(ImportRoundTrip, EverySamplePuzzleComesBackFromIpuzAndAcrossLite)
{
    const QString sample = QStringLiteral(QUORVEX_BUILD_DIR "/SAMPLE.QV3");
    const qint64 records = RecordCount(sample);
    ASSERT_GE(records, 4);
    QTemporaryDir dir;
    int acrossLite = 0;
    for (qint64 n = 0; n < records; ++n) {
        SCOPED_TRACE(n);
        TPuzzleRecord original;
        ASSERT_TRUE(ReadPuzzle(sample, n, original));
        QByteArray puz;
        const bool puzAccepts = PuzExport::fileBytes(original, {}, puz).isEmpty();
        acrossLite += puzAccepts ? 1 : 0;
        for (const auto& [name, bytes] : {std::pair{QStringLiteral("p.ipuz"), IpuzExport::documentBytes(original, {})},
                                          std::pair{QStringLiteral("p.puz"), puz}}) {
            if (bytes.isEmpty())
                continue;
            const QString file = dir.filePath(name);
            ASSERT_TRUE(TestFiles::put(file, bytes));
            TPuzzleRecord imported;
            const TTransferReport report = ImportOtherPuzzle(file, dir.filePath(name + QStringLiteral(".QV3")), {}, imported);
            ASSERT_TRUE(report) << report.Text.toStdString();
            EXPECT_TRUE(report.Warnings.isEmpty()) << report.Warnings.join(QLatin1Char('\n')).toStdString();
            expectSamePuzzle(original, imported);
            EXPECT_EQ(imported.Title, original.Title);
        }
    }
    EXPECT_EQ(acrossLite, records);
}
