// quorvex-cli suggest: a themed puzzle in three commands, suggest, build and export.
#include "support/CliRun.h"
#include "support/TestFiles.h"

#include "words/WordNetDatabase.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(SuggestCli, ThemeThenBuildThenPdfAndMissingCluesFilled)
{
    if (WordNetDatabase::Find(QStringLiteral(QUORVEX_BUILD_DIR)).isEmpty())
        GTEST_SKIP() << "the WordNet database (wordnet-base) is not installed";
    QTemporaryDir dir;
    const QString words = dir.filePath(QStringLiteral("fruit.txt"));
    const QString collection = dir.filePath(QStringLiteral("fruit.QV3"));
    const QString pdf = dir.filePath(QStringLiteral("fruit.pdf"));
    QElapsedTimer clock;
    clock.start();
    const CliRun suggest = cli({QStringLiteral("suggest"), QStringLiteral("--theme"), QStringLiteral("fruit"),
                                QStringLiteral("--count"), QStringLiteral("25"), QStringLiteral("--max-length"),
                                QStringLiteral("12"), QStringLiteral("--out"), words}, dir.path());
    ASSERT_EQ(suggest.status, 0) << suggest.err.toStdString();
    const CliRun build = cli({QStringLiteral("build"), QStringLiteral("--words"), words, QStringLiteral("--shape-lib"),
                              QStringLiteral(QUORVEX_BUILD_DIR "/QVFLAY.DAT"), QStringLiteral("--shape"), QStringLiteral("2"),
                              QStringLiteral("--seed"), QStringLiteral("7"), QStringLiteral("--title"), QStringLiteral("Fruit"),
                              QStringLiteral("--category"), QStringLiteral("Themes"), QStringLiteral("--out"), collection},
                             dir.path());
    ASSERT_EQ(build.status, 0) << build.err.toStdString();
    const CliRun exported = cli({QStringLiteral("export"), collection, QStringLiteral("--record"), QStringLiteral("0"),
                                 QStringLiteral("--format"), QStringLiteral("pdf"), QStringLiteral("--out"), pdf}, dir.path());
    ASSERT_EQ(exported.status, 0) << exported.err.toStdString();
    const qint64 roadMs = clock.elapsed();
    EXPECT_TRUE(TestFiles::bytesOf(pdf).startsWith("%PDF"));
    EXPECT_LT(roadMs, 2000) << "suggest, build and export took " << roadMs << " ms";

    // 25 lines "WORD: clue", upper-case words that build read as they are.
    const QList<QByteArray> lines = TestFiles::bytesOf(words).split('\n');
    ASSERT_EQ(lines.size(), 26); // the last line ends the file
    for (int i = 0; i < 25; ++i) {
        const qsizetype colon = lines[i].indexOf(": ");
        ASSERT_GT(colon, 0) << lines[i].constData();
        EXPECT_EQ(lines[i].left(colon), lines[i].left(colon).toUpper());
        EXPECT_FALSE(lines[i].mid(colon).toUpper().contains(lines[i].left(colon))) << lines[i].constData();
    }
    // Clues filled where missing; a clue given stays, a word WordNet lacks stays without one.
    const QString partial = dir.filePath(QStringLiteral("partial.txt"));
    const QString filled = dir.filePath(QStringLiteral("filled.txt"));
    QFile file(partial);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("VIOLIN\nBANANA: My own clue\nXYZZYQQ\n");
    file.close();
    const CliRun clues = cli({QStringLiteral("suggest"), QStringLiteral("--clues"), partial, QStringLiteral("--out"), filled}, dir.path());
    ASSERT_EQ(clues.status, 0) << clues.err.toStdString();
    const QList<QByteArray> out = TestFiles::bytesOf(filled).split('\n');
    ASSERT_GE(out.size(), 3);
    EXPECT_TRUE(out[0].startsWith("VIOLIN: ") && out[0].size() > 10) << out[0].constData();
    EXPECT_EQ(out[1], "BANANA: My own clue\r");
    EXPECT_EQ(out[2], "XYZZYQQ\r");
    EXPECT_TRUE(clues.err.contains(QLatin1String("XYZZYQQ")));

    // Without the database: status 2, a clear message, no file.
    QTemporaryDir empty;
    qputenv(WordNetDatabase::FolderVariable, empty.path().toLocal8Bit());
    const QString none = dir.filePath(QStringLiteral("none.txt"));
    const CliRun missing = cli({QStringLiteral("suggest"), QStringLiteral("--theme"), QStringLiteral("fruit"),
                                QStringLiteral("--out"), none}, dir.path());
    qunsetenv(WordNetDatabase::FolderVariable);
    EXPECT_EQ(missing.status, 2);
    EXPECT_TRUE(missing.err.contains(QLatin1String("WordNet database is not installed"))) << missing.err.toStdString();
    EXPECT_FALSE(QFile::exists(none));
}
