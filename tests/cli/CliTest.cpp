// quorvex-cli run as a separate process, as batch users and the build scripts run it.
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct CliRun {
    int status = -1;
    QString out;
    QString err;
};

CliRun cli(const QStringList& args, const QString& workDir = {})
{
    QProcess process;
    if (!workDir.isEmpty())
        process.setWorkingDirectory(workDir);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QUORVEX_PROGRAM_DIR"), QStringLiteral(QUORVEX_BUILD_DIR));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(QUORVEX_CLI_PATH), args);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList buildArgs(const QString& words, const QString& out, const QString& seed)
{
    return {QStringLiteral("build"), QStringLiteral("--words"), words, QStringLiteral("--shape-lib"),
            QStringLiteral(QUORVEX_BUILD_DIR "/QVFLAY.DAT"), QStringLiteral("--shape"), QStringLiteral("2"),
            QStringLiteral("--attempts"), QStringLiteral("20"), QStringLiteral("--seed"), seed,
            QStringLiteral("--title"), QStringLiteral("Animals"), QStringLiteral("--category"), QStringLiteral("Zoo"),
            QStringLiteral("--out"), out};
}

} // namespace

TEST(Cli, BuildWithASeedIsRepeatableAndShowsTheGrid)
{
    QTemporaryDir dir;
    const QString words = QStringLiteral(QUORVEX_DATA_DIR "/words/animals.txt");
    const QString a = dir.filePath(QStringLiteral("a.QV3"));
    const QString b = dir.filePath(QStringLiteral("b.QV3"));
    ASSERT_EQ(cli(buildArgs(words, a, QStringLiteral("42")), dir.path()).status, 0);
    ASSERT_EQ(cli(buildArgs(words, b, QStringLiteral("42")), dir.path()).status, 0);
    const QByteArray first = bytesOf(a);
    ASSERT_EQ(first.size(), 69623);
    EXPECT_EQ(first, bytesOf(b));
    EXPECT_EQ(first.mid(0, 5), QByteArray("\x04" "3.0c"));
    EXPECT_EQ(first[40573], 1); // Generated

    const CliRun list = cli({QStringLiteral("list"), a});
    EXPECT_EQ(list.status, 0);
    EXPECT_TRUE(list.out.contains(QStringLiteral("Zoo\n  0  Animals"))) << list.out.toStdString();
    const CliRun show = cli({QStringLiteral("show"), a, QStringLiteral("--record"), QStringLiteral("0")});
    EXPECT_EQ(show.status, 0);
    EXPECT_TRUE(show.out.contains(QStringLiteral("Grid 15 x 15")));
    EXPECT_TRUE(show.out.contains(QRegularExpression(QStringLiteral("Across\n  \\d+\\. [A-Z]+ - "))))
        << show.out.toStdString();
}

TEST(Cli, CandidatesAppendsEveryScoredResultBestFirst)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("c.QV3"));
    QStringList args = buildArgs(QStringLiteral(QUORVEX_DATA_DIR "/words/fruits.txt"), out, QStringLiteral("3"));
    args << QStringLiteral("--candidates");
    ASSERT_EQ(cli(args, dir.path()).status, 0);
    const QByteArray bytes = bytesOf(out);
    ASSERT_EQ(bytes.size(), 4 * 69623);
    auto wordCount = [&](int record) {
        return int(uchar(bytes[record * 69623 + 2567])) | int(uchar(bytes[record * 69623 + 2568])) << 8;
    };
    for (int k = 1; k < 4; ++k)
        EXPECT_GE(wordCount(k - 1), wordCount(k));
}

TEST(Cli, WordListRefusalsPrintTheProgramsMessageAndExitTwo)
{
    QTemporaryDir dir;
    const QString words = dir.filePath(QStringLiteral("w.txt"));
    QFile f(words);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("CAT:Pet\nABCDEFGHIJKLMNOPQ:Too long for a 15 square\n");
    f.close();
    const QString out = dir.filePath(QStringLiteral("x.QV3"));
    const CliRun run = cli(buildArgs(words, out, QStringLiteral("1")), dir.path());
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.contains(QStringLiteral(
        "Word is greater than puzzle dimension size of 15 characters in \"ABCDEFGHIJKLMNOPQ\".")))
        << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(out));

    QStringList noTitle = buildArgs(words, out, QStringLiteral("1"));
    noTitle[noTitle.indexOf(QStringLiteral("Animals"))] = QStringLiteral("   ");
    const CliRun blank = cli(noTitle, dir.path());
    EXPECT_EQ(blank.status, 2);
    EXPECT_TRUE(blank.err.contains(QStringLiteral("No title specified.  Please correct.")));
}

TEST(Cli, BadArgumentsAndFilesGiveOneLineAndNonZeroStatus)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("x.QV3"));
    const CliRun missing = cli(buildArgs(dir.filePath(QStringLiteral("none.txt")), out, QStringLiteral("1")));
    EXPECT_NE(missing.status, 0);
    EXPECT_TRUE(missing.err.startsWith(QStringLiteral("quorvex-cli: cannot open word file")));
    EXPECT_FALSE(QFile::exists(out));

    EXPECT_NE(cli({QStringLiteral("show"), out, QStringLiteral("--record"), QStringLiteral("0")}).status, 0);
    EXPECT_NE(cli({QStringLiteral("list"), dir.filePath(QStringLiteral("none.QV3"))}).status, 0);
    EXPECT_NE(cli({QStringLiteral("build"), QStringLiteral("--bogus")}).status, 0);
    EXPECT_NE(cli({QStringLiteral("frobnicate")}).status, 0);
}
