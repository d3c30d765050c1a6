// quorvex-cli never writes onto what it reads or onto what is not a regular file, and names the
// system's reason when a write fails.
#include "support/CliRun.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

using TestFiles::bytesOf;

QStringList exportArgs(const QString& collection, const QString& format, const QString& out)
{
    return {QStringLiteral("export"), collection, QStringLiteral("--record"), QStringLiteral("0"),
            QStringLiteral("--format"), format, QStringLiteral("--out"), out};
}

} // namespace

TEST(CliOutputPath, ExportRefusesItsInputAndFilesThatAreNotRegular)
{
    QTemporaryDir dir;
    const QString collection = dir.filePath(QStringLiteral("SAMPLE.QV3"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(QUORVEX_BUILD_DIR "/SAMPLE.QV3"), collection));
    const QByteArray before = bytesOf(collection);
    const QString fifo = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString folder = dir.filePath(QStringLiteral("folder.png"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.png")));
    const QString link = dir.filePath(QStringLiteral("link.QV3"));
    ASSERT_TRUE(QFile::link(collection, link));
    // A device node like /dev/full, made here where the user may (root) so no real device is at risk.
    const QString device = dir.filePath(QStringLiteral("full"));
    const bool haveDevice = mknod(QFile::encodeName(device).constData(), S_IFCHR | 0600, makedev(1, 7)) == 0;

    const struct {
        const char* format;
        QString out;
        const char* says;
    } cases[] = {
        {"png", collection, "it is the input"},
        {"clues", QStringLiteral("./SAMPLE.QV3"), "it is the input"},
        {"pdf", link, "it is the input"},
        {"html", dir.filePath(QStringLiteral("SAMPLE.htm")), "it is the input"},   // its picture would be SAMPLE.JPG
        {"png", fifo, "not a regular file"},
        {"svg", folder, "not a regular file"},
        {"bmp", device, "not a regular file"},
    };
    // The picture of an HTML page named after the collection.
    ASSERT_TRUE(QFile::link(collection, dir.filePath(QStringLiteral("SAMPLE.JPG"))));
    for (const auto& c : cases) {
        if (c.out == device && !haveDevice)
            continue;
        SCOPED_TRACE(c.out.toStdString());
        const CliRun run = cli(exportArgs(collection, QLatin1String(c.format), c.out), dir.path());
        EXPECT_NE(run.status, 0);
        EXPECT_TRUE(run.err.contains(QLatin1String(c.says))) << run.err.toStdString();
        EXPECT_EQ(bytesOf(collection), before);
    }
    EXPECT_TRUE(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());
    EXPECT_TRUE(QFileInfo(folder).isDir());
    if (haveDevice) {
        struct stat info;
        ASSERT_EQ(stat(QFile::encodeName(device).constData(), &info), 0);
        EXPECT_TRUE(S_ISCHR(info.st_mode));
    }

    // A write that fails names the command and the system's reason.
    const CliRun missing = cli(exportArgs(collection, QStringLiteral("png"), dir.filePath(QStringLiteral("no/dir/p.png"))));
    EXPECT_NE(missing.status, 0);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("Unable to create export file. No such file or directory")))
        << missing.err.toStdString();
}

TEST(CliOutputPath, BuildAppendsOnlyToACollectionAndListSaysWhenThereIsNoPuzzle)
{
    QTemporaryDir dir;
    const QString words = dir.filePath(QStringLiteral("words.txt"));
    ASSERT_TRUE(TestFiles::put(words, "CAT:Pet\nDOG:Barks\nHORSE:Rides\nMOUSE:Squeaks\n"));
    const auto build = [&](const QString& out) {
        return cli({QStringLiteral("build"), QStringLiteral("--words"), words, QStringLiteral("--shape-lib"),
                    QStringLiteral(QUORVEX_BUILD_DIR "/QVFLAY.DAT"), QStringLiteral("--shape"), QStringLiteral("2"),
                    QStringLiteral("--seed"), QStringLiteral("1"), QStringLiteral("--title"), QStringLiteral("T"),
                    QStringLiteral("--category"), QStringLiteral("C"), QStringLiteral("--out"), out},
                   dir.path());
    };
    const QString notes = dir.filePath(QStringLiteral("notes.txt"));
    ASSERT_TRUE(TestFiles::put(notes, "my notes, not puzzles\n"));
    const CliRun refused = build(notes);
    EXPECT_NE(refused.status, 0);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("not a puzzle collection"))) << refused.err.toStdString();
    EXPECT_EQ(bytesOf(notes), "my notes, not puzzles\n");
    const CliRun ontoWords = build(words);
    EXPECT_NE(ontoWords.status, 0);
    EXPECT_TRUE(ontoWords.err.contains(QStringLiteral("it is the input"))) << ontoWords.err.toStdString();

    // An empty file is an empty collection; a file shorter than one record holds no puzzle either.
    const QString empty = dir.filePath(QStringLiteral("EMPTY.QV3"));
    const QString shortFile = dir.filePath(QStringLiteral("SHORT.QV3"));
    ASSERT_TRUE(TestFiles::put(empty, {}));
    ASSERT_TRUE(TestFiles::put(shortFile, QByteArray(1000, 'x')));
    for (const QString& path : {empty, shortFile}) {
        const CliRun list = cli({QStringLiteral("list"), path});
        EXPECT_EQ(list.status, 0);
        EXPECT_EQ(list.out, path + QStringLiteral(" holds no puzzles\n"));
    }
    ASSERT_EQ(build(empty).status, 0);
    EXPECT_EQ(QFileInfo(empty).size(), 69623);
}

TEST(CliOutputPath, AFileSizeLimitIsAnErrorWithItsReasonAndLeavesNoPartRecord)
{
    QTemporaryDir dir;
    const QString words = dir.filePath(QStringLiteral("words.txt"));
    ASSERT_TRUE(TestFiles::put(words, "CAT:Pet\nDOG:Barks\nHORSE:Rides\nMOUSE:Squeaks\n"));
    const QString out = dir.filePath(QStringLiteral("LIMIT.QV3"));
    // A 100 KB file size limit (bash counts in KB): the first puzzle fits, the second does not.
    const QString command = QStringLiteral("ulimit -f 100; exec \"$0\" build --words \"$1\" --shape-lib \"$2\" --shape 2 "
                                           "--seed 1 --title T --category C --out \"$3\"");
    const QStringList args{QStringLiteral("-c"), command, QStringLiteral(QUORVEX_CLI_PATH), words,
                           QStringLiteral(QUORVEX_BUILD_DIR "/QVFLAY.DAT"), out};
    for (int run = 0; run < 2; ++run) {
        QProcess shell;
        shell.start(QStringLiteral("/bin/bash"), args);
        ASSERT_TRUE(shell.waitForFinished(60000));
        const QString err = QString::fromUtf8(shell.readAllStandardError());
        if (run == 0) {
            EXPECT_EQ(shell.exitCode(), 0) << err.toStdString();
        } else {
            // Killed by the signal of the limit, the shell would report 153 and nothing on stderr.
            EXPECT_EQ(shell.exitCode(), 1);
            EXPECT_TRUE(err.contains(QStringLiteral("Unable to save puzzle. File too large"))) << err.toStdString();
        }
        EXPECT_EQ(QFileInfo(out).size(), 69623);
    }
}
