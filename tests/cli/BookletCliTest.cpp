// quorvex-cli booklet, build --versions and build --fit-all: a class set made from the command line.
#include "support/CliRun.h"

#include "store/Collection.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <set>

namespace {

/** Pages of a PDF file, counted by its page objects. */
int pdfPages(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return int(QString::fromLatin1(file.readAll()).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

/** Twenty long words: at 15 x 15 some are always left out. */
const char LongWords[] =
    "MOSQUITO:Buzzing insect that bites\nCRICKET:Chirping insect\nBUTTERFLY:Colourful wings\n"
    "DRAGONFLY:Hovers over ponds\nGRASSHOPPER:Green jumper\nCATERPILLAR:Larva\nLADYBIRD:Spotted beetle\n"
    "CENTIPEDE:Many legs\nEARTHWORM:Burrower\nSCORPION:Stinging tail\nTARANTULA:Hairy spider\n"
    "COCKROACH:Kitchen pest\nBUMBLEBEE:Furry pollinator\nHORNET:Large wasp\nTERMITE:Eats wood\n"
    "FIREFLY:Glows at night\nSILVERFISH:Wingless insect\nWOODLOUSE:Under logs\nPRAYINGMANTIS:Praying insect\n"
    "MILLIPEDE:Even more legs\n";

/** Command-line words from plain literals. */
QStringList words(std::initializer_list<const char*> list)
{
    QStringList out;
    for (const char* word : list)
        out.append(QString::fromUtf8(word));
    return out;
}

} // namespace

TEST(BookletCli, BookletsVersionsAndEveryWordPlaced)
{
    QTemporaryDir dir;
    const QString sample = dir.filePath(QStringLiteral("SAMPLE.QV3"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(QUORVEX_BUILD_DIR "/SAMPLE.QV3"), sample));
    const QString versions = dir.filePath(QStringLiteral("versions.QV3"));
    const QString bugs = dir.filePath(QStringLiteral("bugs.txt"));
    {
        QFile file(bugs);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(LongWords);
    }
    const QString book = dir.filePath(QStringLiteral("book.pdf"));
    const QStringList build{QStringLiteral("build"), QStringLiteral("--words"), QStringLiteral(QUORVEX_DATA_DIR "/words/animals.txt"),
                            QStringLiteral("--shape-lib"), QStringLiteral(QUORVEX_BUILD_DIR "/QVFLAY.DAT"),
                            QStringLiteral("--shape"), QStringLiteral("2"), QStringLiteral("--attempts"), QStringLiteral("20"),
                            QStringLiteral("--seed"), QStringLiteral("11"), QStringLiteral("--title"), QStringLiteral("Animals"),
                            QStringLiteral("--category"), QStringLiteral("Zoo")};
    const QStringList booklet{QStringLiteral("booklet"), sample};
    const QStringList out{QStringLiteral("--out"), book};

    struct Row {
        QStringList args;
        int status;
        const char* said;   ///< on stdout when it worked, on stderr when not
        int pages;      ///< pages of the booklet written, 0 for none
    };
    const Row rows[] = {
        // Four puzzles with their answers at the back, after each, none, or as a key page.
        {booklet + words({"--all", "--answers", "back"}) + out, 0, "wrote 8 pages of 4 puzzles", 8},
        {booklet + words({"--record", "3", "1", "--answers", "after", "--cover", "Unit 1", "--page-numbers"}) + out, 0,
         "wrote 5 pages of 2 puzzles", 5},
        {booklet + words({"--category", "Nature", "--answers", "none"}) + out, 0, "wrote 2 pages of 2 puzzles", 2},
        {booklet + words({"--all", "--answers", "key"}) + out, 0, "wrote 5 pages of 4 puzzles", 5},
        {booklet + words({"--all", "--answers", "sideways"}) + out, 1, "--answers must be back, after, none or key", 0},
        {booklet + words({"--record", "9"}) + out, 1, "has no record 9", 0},
        {booklet + words({"--category", "Nowhere"}) + out, 1, "has no category Nowhere", 0},
        {booklet + words({"--all", "--record", "1"}) + out, 1, "usage: quorvex-cli booklet", 0},
        // Versions: different grids of one list, printable together.
        {build + words({"--versions", "27", "--out"}) + QStringList{versions}, 1, "--versions", 0},
        {build + words({"--versions", "3", "--out"}) + QStringList{versions}, 0, "saved 3 versions", 0},
        {words({"booklet"}) + QStringList{versions} + words({"--all"}) + out, 0, "wrote 6 pages of 3 puzzles", 6},
        // Every word placed: the smallest square that takes the whole list.
        {words({"build", "--words"}) + QStringList{bugs}
             + words({"--fit-all", "--attempts", "30", "--seed", "3", "--title", "Bugs", "--category", "Zoo", "--out"})
             + QStringList{dir.filePath(QStringLiteral("bugs.QV3"))},
         0, "placed 20 of 20 words", 0},
    };
    for (const Row& row : rows) {
        QFile::remove(book);
        const CliRun run = cli(row.args, dir.path());
        const std::string name = row.args.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(run.status, row.status) << name << "\n" << run.err.toStdString();
        EXPECT_TRUE((row.status == 0 ? run.out : run.err).contains(QString::fromUtf8(row.said))) << name << "\n" << run.out.toStdString()
                                                                             << run.err.toStdString();
        EXPECT_EQ(row.pages > 0 ? pdfPages(book) : 0, row.pages > 0 ? row.pages : 0) << name;
        if (row.status != 0) {
            EXPECT_FALSE(QFile::exists(book)) << name;
        }
    }

    // The versions are three puzzles of the same words in three different grids, titled (A) to (C).
    std::set<QByteArray> grids;
    for (int n = 0; n < 3; ++n) {
        TPuzzleRecord puzzle;
        ASSERT_TRUE(ReadPuzzle(versions, n, puzzle).isOk());
        EXPECT_EQ(puzzle.Title.text(), QByteArray("Animals (") + char('A' + n) + ')');
        EXPECT_EQ(puzzle.Category.text(), QByteArray("Zoo"));
        EXPECT_EQ(puzzle.Generated, 1);
        grids.insert(QByteArray(reinterpret_cast<const char*>(puzzle.Grid.data()), int(puzzle.Grid.size())));
    }
    EXPECT_EQ(grids.size(), 3u);
    EXPECT_EQ(RecordCount(versions), 3);

    // At 15 x 15 the long list leaves words out; --fit-all says which larger square took them all.
    const CliRun fixed = cli(words({"build", "--words"}) + QStringList{bugs}
                                 + words({"--shape-lib", QUORVEX_BUILD_DIR "/QVFLAY.DAT", "--shape", "2", "--attempts", "30",
                                          "--seed", "3", "--title", "Bugs", "--category", "Zoo", "--out"})
                                 + QStringList{dir.filePath(QStringLiteral("fixed.QV3"))},
                             dir.path());
    EXPECT_FALSE(fixed.out.contains(QStringLiteral("placed 20 of 20"))) << fixed.out.toStdString();
    const CliRun fit = cli(rows[std::size(rows) - 1].args, dir.path());
    const QRegularExpressionMatch side = QRegularExpression(QStringLiteral("every word fits a (\\d+) x \\1 square")).match(fit.out);
    ASSERT_TRUE(side.hasMatch()) << fit.out.toStdString();
    EXPECT_GT(side.captured(1).toInt(), 15);
}
