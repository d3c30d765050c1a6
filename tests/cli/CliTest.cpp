// quorvex-cli run as a separate process, as batch users and the build scripts run it.
#include "support/CliRun.h"
#include "support/TestFiles.h"

#include "pages/DefaultLayout.h"
#include "render/PageRenderSupport.h"
#include "export/MetafileExport.h"
#include "store/Collection.h"
#include "store/WorkingPuzzle.h"
#include "words/SpellLanguages.h"

#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QtEndian>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

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

TEST(Cli, WordFilesInUtf16OrWithControlBytesBuildTheSamePuzzleAsTheCleanFile)
{
    QTemporaryDir dir;
    QFile source(QStringLiteral(QUORVEX_DATA_DIR "/words/animals.txt"));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QString clean = QString::fromUtf8(source.readAll());
    auto writeFile = [&](const QString& name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    };
    auto build = [&](const QString& words, const QString& out) {
        QStringList args = buildArgs(words, dir.filePath(out), QStringLiteral("7"));
        args << QStringLiteral("--shrink");
        return cli(args, dir.path());
    };
    const CliRun reference = build(writeFile(QStringLiteral("clean.txt"), clean.toUtf8()), QStringLiteral("clean.QV3"));
    ASSERT_EQ(reference.status, 0) << reference.err.toStdString();
    EXPECT_TRUE(reference.err.isEmpty()) << reference.err.toStdString();
    const QByteArray expected = bytesOf(dir.filePath(QStringLiteral("clean.QV3")));
    ASSERT_EQ(expected.size(), 69623);

    // UTF-16 with its byte-order mark, both byte orders.
    for (const bool bigEndian : {false, true}) {
        QByteArray utf16 = bigEndian ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE");
        for (const QChar c : clean) {
            const char high = char(c.unicode() >> 8), low = char(c.unicode() & 0xFF);
            utf16 += bigEndian ? QByteArray{&high, 1} + QByteArray{&low, 1} : QByteArray{&low, 1} + QByteArray{&high, 1};
        }
        const CliRun run = build(writeFile(QStringLiteral("utf16.txt"), utf16), QStringLiteral("utf16.QV3"));
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        EXPECT_EQ(bytesOf(dir.filePath(QStringLiteral("utf16.QV3"))), expected) << bigEndian;
        QFile::remove(dir.filePath(QStringLiteral("utf16.QV3")));
    }

    // NUL and other control bytes: their lines are left out and reported; the rest builds as before.
    QByteArray dirty = clean.toUtf8();
    dirty.insert(0, QByteArray("ZE\0BRA:Striped horse\n", 21));
    dirty.append(QByteArray("OK\x01" "API:Forest giraffe\n"));
    dirty.append('\0');
    dirty.append('\n');
    const CliRun run = build(writeFile(QStringLiteral("nul.txt"), dirty), QStringLiteral("nul.QV3"));
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(bytesOf(dir.filePath(QStringLiteral("nul.QV3"))), expected);
    EXPECT_TRUE(run.err.contains(QStringLiteral("warning: word file line 1 holds a control character and was left out")))
        << run.err.toStdString();
    EXPECT_EQ(run.err.count(QStringLiteral("holds a control character")), 3) << run.err.toStdString();
}

TEST(Cli, CharactersOutsideTheCodePageAndLongWordsAreReported)
{
    QTemporaryDir dir;
    const QString words = dir.filePath(QStringLiteral("w.txt"));
    QFile f(words);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QStringLiteral("CAT:Pet\nŐZ:Hungarian deer\nABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGH:Alphabet and more\n").toUtf8());
    f.close();
    const CliRun run = cli(buildArgs(words, dir.filePath(QStringLiteral("x.QV3")), QStringLiteral("1")), dir.path());
    EXPECT_TRUE(run.err.contains(QStringLiteral(
        "warning: word file line 2 holds \"Ő\", a character that a word list cannot hold, which became \"?\"")))
        << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral(
        "warning: word file line 3: the word \"ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGH\" is cut to 30 characters")))
        << run.err.toStdString();
    // The cut word is still longer than the 15 x 15 shape: the program's refusal follows.
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.contains(QStringLiteral("\"ABCDEFGHIJKLMNOPQRSTUVWXYZABCD\"")));
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

    // Word files that never end or are far too large are refused at once, naming file and limit.
    const QString fifo = dir.filePath(QStringLiteral("fifo.txt"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    const QString large = dir.filePath(QStringLiteral("large.txt"));
    ASSERT_TRUE(QFile(large).open(QIODevice::WriteOnly) && QFile(large).resize(17 << 20));
    for (const auto& [words, reason] : {std::pair{fifo, "is not a regular file"}, std::pair{QStringLiteral("/dev/zero"), "is not a regular file"},
                                         std::pair{large, "is larger than 16 MB"}}) {
        QElapsedTimer timer;
        timer.start();
        const CliRun refused = cli(buildArgs(words, out, QStringLiteral("1")));
        EXPECT_LT(timer.elapsed(), 5000);
        EXPECT_NE(refused.status, 0);
        EXPECT_TRUE(refused.err.contains(words + QLatin1Char(' ') + QLatin1String(reason))) << refused.err.toStdString();
    }
    EXPECT_TRUE(cli({QStringLiteral("list"), large}).err.contains(QStringLiteral("last 2304 bytes of"))); // no collection
    EXPECT_FALSE(QFile::exists(out));
}

TEST(Cli, ExportWritesEveryFormatFromABuiltPuzzle)
{
    QTemporaryDir dir;
    const QString collection = dir.filePath(QStringLiteral("s.QV3"));
    ASSERT_EQ(cli(buildArgs(QStringLiteral(QUORVEX_DATA_DIR "/words/space.txt"), collection, QStringLiteral("5")),
                  dir.path()).status, 0);
    const struct {
        const char* format;
        QByteArray magic;
    } cases[] = {
        {"png", QByteArray("\x89PNG")}, {"jpg", QByteArray("\xFF\xD8\xFF")}, {"bmp", QByteArray("BM")},
        {"pdf", QByteArray("%PDF")},    {"svg", QByteArray("<?xml")},        {"clues", QByteArray("ACROSS\r\n")},
        {"words", QByteArray("ACROSS\r\n")}, {"ipuz", QByteArray("{")},           {"solver", QByteArray("<!DOCTYPE html>")},
        {"puz", QByteArray()},
    };
    for (const auto& c : cases) {
        const QString out = dir.filePath(QStringLiteral("page.") + QLatin1String(c.format));
        const CliRun run = cli({QStringLiteral("export"), collection, QStringLiteral("--record"), QStringLiteral("0"),
                                QStringLiteral("--format"), QLatin1String(c.format), QStringLiteral("--width"),
                                QStringLiteral("320"), QStringLiteral("--out"), out},
                               dir.path());
        EXPECT_EQ(run.status, 0) << c.format << run.err.toStdString();
        EXPECT_TRUE(bytesOf(out).startsWith(c.magic)) << c.format;
    }
    EXPECT_EQ(bytesOf(dir.filePath(QStringLiteral("page.puz"))).mid(2, 12), QByteArray("ACROSS&DOWN\0", 12));
    // 320 pixels wide on Letter paper: 320 x 414, 24 bits per pixel without a settings file.
    const QByteArray bmp = bytesOf(dir.filePath(QStringLiteral("page.bmp")));
    ASSERT_GE(bmp.size(), 54);
    EXPECT_EQ(qFromLittleEndian<qint32>(bmp.constData() + 18), 320);
    EXPECT_EQ(qFromLittleEndian<qint32>(bmp.constData() + 22), 414);
    EXPECT_EQ(qFromLittleEndian<quint16>(bmp.constData() + 28), 24);
}

TEST(Cli, ExportRefusesBadOptionsAndUnbuiltPuzzlesWithoutWritingAFile)
{
    QTemporaryDir dir;
    const QString collection = dir.filePath(QStringLiteral("s.QV3"));
    ASSERT_EQ(cli(buildArgs(QStringLiteral(QUORVEX_DATA_DIR "/words/space.txt"), collection, QStringLiteral("5")),
                  dir.path()).status, 0);
    const QString out = dir.filePath(QStringLiteral("x.jpg"));
    auto exportWith = [&](const QString& option, const QString& value) {
        return cli({QStringLiteral("export"), collection, QStringLiteral("--record"), QStringLiteral("0"),
                    QStringLiteral("--format"), QStringLiteral("jpg"), option, value, QStringLiteral("--out"), out},
                   dir.path());
    };
    EXPECT_NE(exportWith(QStringLiteral("--quality"), QStringLiteral("0")).status, 0);
    EXPECT_NE(exportWith(QStringLiteral("--quality"), QStringLiteral("101")).status, 0);
    EXPECT_NE(exportWith(QStringLiteral("--width"), QStringLiteral("0")).status, 0);
    EXPECT_NE(exportWith(QStringLiteral("--language"), QStringLiteral("klingon")).status, 0);
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_EQ(exportWith(QStringLiteral("--quality"), QStringLiteral("100")).status, 0);

    // A record that was never constructed (Generated 0) is refused with the program's warning.
    QByteArray record = bytesOf(collection);
    record[40573] = 0;
    QFile raw(dir.filePath(QStringLiteral("raw.QV3")));
    ASSERT_TRUE(raw.open(QIODevice::WriteOnly));
    raw.write(record);
    raw.close();
    const CliRun refused = cli({QStringLiteral("export"), raw.fileName(), QStringLiteral("--record"), QStringLiteral("0"),
                                QStringLiteral("--format"), QStringLiteral("png"), QStringLiteral("--out"),
                                dir.filePath(QStringLiteral("n.png"))});
    EXPECT_NE(refused.status, 0);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("A puzzle has never been generated for this word/clue list.")));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("n.png"))));

    // A letter Across Lite cannot hold: the exporter's refusal on stderr and no file.
    record[40573] = 1;
    const qsizetype letter = record.indexOf('A', 67);
    ASSERT_TRUE(letter > 0 && letter < 67 + 2500);
    record[letter] = '.';
    QFile dotted(dir.filePath(QStringLiteral("dot.QV3")));
    ASSERT_TRUE(dotted.open(QIODevice::WriteOnly));
    dotted.write(record);
    dotted.close();
    const QString puz = dir.filePath(QStringLiteral("n.puz"));
    const CliRun cannot = cli({QStringLiteral("export"), dotted.fileName(), QStringLiteral("--record"), QStringLiteral("0"),
                               QStringLiteral("--format"), QStringLiteral("puz"), QStringLiteral("--out"), puz});
    EXPECT_NE(cannot.status, 0);
    EXPECT_TRUE(cannot.err.contains(QStringLiteral("The puzzle cannot be saved as an Across Lite file: "))) << cannot.err.toStdString();
    EXPECT_FALSE(QFile::exists(puz));

    // A stored puzzle with a word inside another: iPUZ is written with a warning, .puz refused naming the word.
    ASSERT_TRUE(AppendPuzzle(dir.filePath(QStringLiteral("n.QV3")), RenderTest::nestedPuzzle()).isOk());
    for (const QString& format : {QStringLiteral("ipuz"), QStringLiteral("puz")}) {
        const CliRun run = cli({QStringLiteral("export"), dir.filePath(QStringLiteral("n.QV3")), QStringLiteral("--record"),
                                QStringLiteral("0"), QStringLiteral("--format"), format, QStringLiteral("--out"), dir.filePath(format)});
        EXPECT_EQ(run.status == 0 && QFile::exists(dir.filePath(format)), format == QStringLiteral("ipuz"));
        EXPECT_TRUE(run.err.contains(QStringLiteral("ORMS (row 5, column 2) lies inside NORMS."))) << run.err.toStdString();
    }
}

TEST(Cli, SpellReportsEachRefusedStringWithItsSuggestionsAndSaysSoInItsStatus)
{
    QTemporaryDir dir;
    const SpellingSetup installed = SpellingSetup::Find(dir.path());
    if (!installed.LanguageAvailable(1))
        GTEST_SKIP() << "no American dictionary installed";
    const QString collection = dir.filePath(QStringLiteral("s.QV3"));
    TPuzzleRecord puzzle;
    ClearForNewPuzzle(puzzle);
    puzzle.WordCount = 2;
    puzzle.Words[0].setText("CAT");
    puzzle.Clues[0].setText("Pets that recieve milk, colour");
    puzzle.Words[1].setText("DOG");
    puzzle.Clues[1].setText("Barks");
    ASSERT_TRUE(AppendPuzzle(collection, puzzle).isOk());
    puzzle.Clues[0].setText("Pets that receive milk");
    ASSERT_TRUE(AppendPuzzle(collection, puzzle).isOk());

    const QStringList record0{QStringLiteral("spell"), collection, QStringLiteral("--record"), QStringLiteral("0")};
    const CliRun american = cli(record0, dir.path());
    EXPECT_EQ(american.status, 1) << american.err.toStdString();
    const QStringList lines = american.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << american.out.toStdString();
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("recieve: ")));
    EXPECT_TRUE(lines[0].contains(QStringLiteral("receive")));
    EXPECT_LE(lines[0].count(QLatin1Char(',')), 4) << "at most five suggestions";
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("colour: ")));

    if (installed.LanguageAvailable(2)) {
        const CliRun british = cli(record0 + QStringList{QStringLiteral("--language"), QStringLiteral("british")}, dir.path());
        EXPECT_EQ(british.status, 1);
        EXPECT_FALSE(british.out.contains(QStringLiteral("colour")));
    }
    const CliRun clean = cli({QStringLiteral("spell"), collection, QStringLiteral("--record"), QStringLiteral("1")}, dir.path());
    EXPECT_EQ(clean.status, 0);
    EXPECT_TRUE(clean.out.isEmpty());

    const CliRun unknown = cli(record0 + QStringList{QStringLiteral("--language"), QStringLiteral("klingon")}, dir.path());
    EXPECT_EQ(unknown.status, 2);
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("unknown language klingon")));
    const CliRun missing = cli({QStringLiteral("spell"), collection, QStringLiteral("--record"), QStringLiteral("7")}, dir.path());
    EXPECT_EQ(missing.status, 2);
}

TEST(Cli, ExportPrintsTheRunsWarningsOnStandardError)
{
    QTemporaryDir dir;
    const QString collection = dir.filePath(QStringLiteral("s.QV3"));
    ASSERT_EQ(cli(buildArgs(QStringLiteral(QUORVEX_DATA_DIR "/words/space.txt"), collection, QStringLiteral("5")),
                  dir.path()).status, 0);
    // The default layout with its across list a few rows high and not shrinking, a text too long
    // for its box, and a picture.
    TPageLayout layout = BuiltInDefaultLayout();
    layout.Objects[4].Bounds.Bottom = layout.Objects[4].Bounds.Top + 40;
    layout.Objects[4].MakeFit = false;
    TPageObject& text = layout.Objects[6];
    text = layout.Objects[0];
    text.Kind = ObjectKind::Text;
    text.Name.setText("Text 1");
    text.Bounds = {48, 490, 120, 500};
    text.MakeFit = false;
    text.setText("A note far too long for the small box that holds it");
    TPageObject& picture = layout.Objects[7];
    picture = layout.Objects[0];
    picture.Kind = ObjectKind::Bitmap;
    picture.Name.setText("Bitmap 1");
    picture.Bounds = {300, 490, 360, 520};
    layout.ObjectCount = 8;
    const QString pag = dir.filePath(QStringLiteral("tight.PAG"));
    QFile file(pag);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("PAG1.0") + layout.toBytes());
    file.close();

    const auto exportAs = [&](const char* format, bool tight) {
        QStringList args{QStringLiteral("export"), collection, QStringLiteral("--record"), QStringLiteral("0"),
                         QStringLiteral("--format"), QLatin1String(format), QStringLiteral("--out"),
                         dir.filePath(QStringLiteral("page.") + QLatin1String(format))};
        if (tight)
            args << QStringLiteral("--layout-file") << pag;
        return cli(args, dir.path());
    };
    const CliRun plain = exportAs("png", false);
    EXPECT_EQ(plain.status, 0);
    EXPECT_EQ(plain.err, QString());

    for (const char* format : {"png", "pdf", "emf"}) {
        const CliRun run = exportAs(format, true);
        EXPECT_EQ(run.status, 0) << format;
        QStringList expected;
        if (QLatin1String(format) == QLatin1String("emf"))
            expected << MetafileExport::BitmapWarning;
        expected << RenderLimits::ClueOverflowWarning << RenderLimits::TextOverflowWarning;
        EXPECT_EQ(run.err, expected.join(QLatin1Char('\n')) + QLatin1Char('\n')) << format;
    }
}

TEST(Cli, HelpGivesEveryDocumentedOptionAndShapesGivesTheNumbersBuildTakes)
{
    const CliRun help = cli({QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0);
    // Every option and export format of the README's quorvex-cli section is in the usage.
    QString readme = QString::fromUtf8(bytesOf(QStringLiteral(QUORVEX_DATA_DIR "/../README.md")));
    readme = readme.section(QStringLiteral("## quorvex-cli"), 1).section(QStringLiteral("\n## "), 0, 0);
    QStringList documented;
    for (const auto& m : QRegularExpression(QStringLiteral("--[a-z][a-z-]+")).globalMatch(readme))
        documented.append(m.captured());
    for (const auto& m : QRegularExpression(QStringLiteral("--format ([a-z|]+)")).globalMatch(readme))
        documented += m.captured(1).split(QLatin1Char('|'));
    ASSERT_GT(documented.size(), 20);
    for (const QString& word : documented)
        EXPECT_TRUE(help.out.contains(word)) << word.toStdString();

    const QString library = QStringLiteral(QUORVEX_BUILD_DIR "/QVFLAY.DAT");
    const CliRun shapes = cli({QStringLiteral("shapes"), library});
    EXPECT_EQ(shapes.status, 0);
    EXPECT_TRUE(shapes.out.contains(QStringLiteral("count from 0"))) << shapes.out.toStdString();
    const QStringList lines = shapes.out.trimmed().split(QLatin1Char('\n'));
    const qsizetype count = lines.size() - 1;
    ASSERT_GT(count, 2);
    EXPECT_TRUE(lines[1].trimmed().startsWith(QStringLiteral("0  "))) << lines[1].toStdString();
    EXPECT_EQ(cli({QStringLiteral("shapes")}).out, shapes.out); // the program folder's library by default

    // The shape listed as number 2 is the one build takes for --shape 2; one past the last is refused.
    QTemporaryDir dir;
    const QString words = dir.filePath(QStringLiteral("w.txt"));
    ASSERT_TRUE(TestFiles::put(words, "CAT\nDOG\n"));
    QStringList args = buildArgs(words, dir.filePath(QStringLiteral("x.QV3")), QStringLiteral("1"));
    ASSERT_EQ(cli(args).status, 0);
    // "  2  15x15 Title" and "Grid 15 x 15"
    const QString size = lines[3].trimmed().section(QLatin1Char(' '), 2, 2).replace(QLatin1Char('x'), QStringLiteral(" x "));
    const CliRun shown = cli({QStringLiteral("show"), dir.filePath(QStringLiteral("x.QV3")), QStringLiteral("--record"),
                              QStringLiteral("0")});
    EXPECT_TRUE(shown.out.contains(QStringLiteral("Grid ") + size)) << size.toStdString() << "\n" << shown.out.toStdString();
    // Without --shape-lib, build takes the program folder's library that shapes lists by default.
    QStringList defaultLibrary = args;
    defaultLibrary.remove(defaultLibrary.indexOf(QStringLiteral("--shape-lib")), 2);
    defaultLibrary[defaultLibrary.indexOf(QStringLiteral("--out")) + 1] = dir.filePath(QStringLiteral("y.QV3"));
    ASSERT_EQ(cli(defaultLibrary).status, 0);
    EXPECT_TRUE(cli({QStringLiteral("show"), dir.filePath(QStringLiteral("y.QV3")), QStringLiteral("--record"), QStringLiteral("0")})
                    .out.contains(QStringLiteral("Grid ") + size));
    args[args.indexOf(QStringLiteral("--shape")) + 1] = QString::number(count);
    const CliRun wrong = cli(args);
    EXPECT_EQ(wrong.status, 1);
    EXPECT_TRUE(wrong.err.contains(QStringLiteral("holds %1 shapes, numbered from 0 to %2").arg(count).arg(count - 1)))
        << wrong.err.toStdString();
}

TEST(Cli, EachCommandTakesTheOptionsOfItsUsageAndRefusesAnotherCommandsWithExitTwo)
{
    // The usage names each command's options: "  quorvex-cli CMD ..." and its indented continuation lines.
    const QStringList usage = cli({QStringLiteral("--help")}).out.split(QLatin1Char('\n'));
    QMap<QString, QStringList> optionsOf;
    QStringList all;
    QString command;
    const QRegularExpression optionWord(QStringLiteral("--[a-z][a-z-]+"));
    for (const QString& line : usage) {
        if (line.startsWith(QLatin1String("  quorvex-cli ")))
            command = line.section(QLatin1Char(' '), 3, 3);
        if (command.isEmpty() || command.startsWith(QLatin1String("--")))
            continue;
        for (const auto& m : optionWord.globalMatch(line)) {
            optionsOf[command].append(m.captured());
            all.append(m.captured());
        }
    }
    optionsOf[QStringLiteral("list")];
    optionsOf[QStringLiteral("shapes")];
    ASSERT_EQ(optionsOf.size(), 11);

    for (auto it = optionsOf.cbegin(); it != optionsOf.cend(); ++it) {
        for (const QString& option : it.value()) {
            const CliRun taken = cli({it.key(), option, QStringLiteral("1")});
            EXPECT_FALSE(taken.err.contains(QLatin1String("takes no option")) || taken.err.contains(QLatin1String("unknown option")))
                << it.key().toStdString() << ' ' << option.toStdString() << ": " << taken.err.toStdString();
        }
        const auto foreign = std::find_if(all.cbegin(), all.cend(), [&](const QString& o) { return !it.value().contains(o); });
        ASSERT_NE(foreign, all.cend());
        const CliRun refused = cli({it.key(), QStringLiteral("C.QV3"), *foreign, QStringLiteral("1")});
        EXPECT_EQ(refused.status, 2) << it.key().toStdString() << ' ' << foreign->toStdString();
        EXPECT_TRUE(refused.err.startsWith(QStringLiteral("quorvex-cli: %1 takes no option %2\nusage:").arg(it.key(), *foreign)))
            << refused.err.toStdString();
    }
    const CliRun answers = cli({QStringLiteral("list"), QStringLiteral("X.QV3"), QStringLiteral("--answers")});
    EXPECT_EQ(answers.status, 2);
    EXPECT_TRUE(answers.err.contains(QStringLiteral("list takes no option --answers"))) << answers.err.toStdString();
}
