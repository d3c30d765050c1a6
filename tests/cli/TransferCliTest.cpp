// quorvex-cli import, export-puzzles and delete, run as a separate process as batch users run them.
#include "store/OldPuzzleBytes.h"
#include "support/CliRun.h"

#include "store/Collection.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString word(const char* text) { return QString::fromUtf8(text); }
QString word(const QString& text) { return text; }

/** Command-line words from literals and paths alike. */
template <typename... Words>
QStringList argv(const Words&... words)
{
    return {word(words)...};
}

QByteArray recordBytes(const char* title)
{
    TPuzzleRecord r;
    r.Category.setText("Batch");
    r.Title.setText(QByteArray(title));
    r.Generated = 1;
    return r.toBytes();
}

class TransferCli : public ::testing::Test {
protected:
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }
    CliRun run(const QStringList& args) const { return cli(args, dir.path()); }
    QTemporaryDir dir;
};

} // namespace

TEST_F(TransferCli, PuzzlesMakeTheRoundTripThroughExportAndImport)
{
    const QString source = path("SOURCE.QV3");
    ASSERT_TRUE(OldBytes::writeFile(source, recordBytes("R0") + recordBytes("R1") + recordBytes("R2") + recordBytes("R3")));

    // Several numbers after one --record, in the order named, a repeat taken once.
    const CliRun exported = run(argv("export-puzzles", source, "--record", "3", "1", "3", "--out", path("PART.QV3")));
    ASSERT_EQ(exported.status, 0) << exported.err.toStdString();
    EXPECT_EQ(OldBytes::readFile(path("PART.QV3")), recordBytes("R3") + recordBytes("R1"));

    const QString into = path("INTO.qv3");
    ASSERT_TRUE(OldBytes::writeFile(into, recordBytes("Mine")));
    const CliRun imported = run(argv("import", "--from", path("PART.QV3"), "--record", "1", "--record", "0", "--into", into));
    ASSERT_EQ(imported.status, 0) << imported.err.toStdString();
    EXPECT_EQ(OldBytes::readFile(into), recordBytes("Mine") + recordBytes("R1") + recordBytes("R3"));

    // Without --record every puzzle comes along; the listing shows them.
    const CliRun all = run(argv("import", "--from", source, "--into", path("ALL.QV3")));
    ASSERT_EQ(all.status, 0) << all.err.toStdString();
    EXPECT_EQ(OldBytes::readFile(path("ALL.QV3")), OldBytes::readFile(source));
    const CliRun listed = run(argv("list", path("ALL.QV3")));
    EXPECT_TRUE(listed.out.contains(QStringLiteral("3  R3"))) << listed.out.toStdString();

    // Names that differ in letter case only are two files on Linux.
    const CliRun lower = run(argv("export-puzzles", source, "--record", "0", "--out", path("source.qv3")));
    ASSERT_EQ(lower.status, 0) << lower.err.toStdString();
    EXPECT_EQ(OldBytes::readFile(path("source.qv3")), recordBytes("R0"));

    // delete takes several numbers as the main window's delete would, one after the other.
    const CliRun deleted = run(argv("delete", path("ALL.QV3"), "--record", "1", "3"));
    ASSERT_EQ(deleted.status, 0) << deleted.err.toStdString();
    EXPECT_EQ(OldBytes::readFile(path("ALL.QV3")), recordBytes("R0") + recordBytes("R2"));
    EXPECT_TRUE(deleted.out.contains(QStringLiteral("deleted record 1 \"R1\""))) << deleted.out.toStdString();
}

TEST_F(TransferCli, ASixteenBitPuzzleIsConvertedIntoTheCollection)
{
    const QString qvz = path("OLD.QVZ");
    ASSERT_TRUE(OldBytes::writeFile(qvz, OldBytes::qvz(OldBytes::record("Grandad's", 11, 40, 60))));
    const CliRun result = run(argv("import", "--from", qvz, "--into", path("C.QV3")));
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    TPuzzleRecord converted;
    ASSERT_TRUE(ReadPuzzle(path("C.QV3"), 0, converted).isOk());
    EXPECT_EQ(converted.Title.text(), QByteArray("Grandad's"));
    EXPECT_EQ(converted.Category.text(), QByteArray("Version 2.0 Puzzles"));
    EXPECT_EQ(converted.WordCount, 40);
    EXPECT_EQ(converted.Words[39].text(), QByteArray("W40"));
    EXPECT_TRUE(converted.Words[40].isEmpty());
    EXPECT_EQ(converted.Generated, 1);
}

TEST_F(TransferCli, RefusalsExitNonZeroAndLeaveTheFilesAsTheyWere)
{
    const QString collection = path("C.QV3");
    const QByteArray content = recordBytes("R0") + recordBytes("R1");
    ASSERT_TRUE(OldBytes::writeFile(collection, content));
    ASSERT_TRUE(OldBytes::writeFile(path("BAD.QVZ"), QByteArray("QVX") + QByteArray(40000, '\0')));
    const struct {
        QStringList args;
        const char* error;
    } cases[] = {
        {argv("export-puzzles", collection, "--record", "0", "--out", collection),
         "Export File cannot be the same as the currently open file."},
        {argv("export-puzzles", collection, "--record", "0", "--out", path("LINK.QV3")),
         "Export File cannot be the same as the currently open file."},
        {argv("import", "--from", "./C.QV3", "--into", collection), "Import File cannot be the same as the currently open file."},
        {argv("import", "--from", path("notes.txt"), "--into", collection), "The file selected is not a valid Quorvex file."},
        {argv("import", "--from", path("BAD.QVZ"), "--into", collection), "Puzzle file is corrupt or incompatible.  Import aborted."},
        {argv("import", "--from", path("MISSING.QVZ"), "--into", collection), "Puzzle could not be imported."},
        {argv("export-puzzles", collection, "--record", "2", "--out", path("OUT.QV3")), "has no record 2"},
        {argv("export-puzzles", collection, "--out", path("OUT.QV3")), "--record N is required"},
        {argv("export-puzzles", collection, "--record", "0", "--out", path("OUT.txt")), "must name a collection file"},
        {argv("import", "--from", path("BAD.QVZ"), "--record", "0", "--into", collection), "--record applies"},
        {argv("delete", collection, "--record", "0", "2"), "has no record 2"},
        {argv("delete", collection), "usage: quorvex-cli delete"},
    };
    ASSERT_TRUE(QFile::link(collection, path("LINK.QV3")));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString());
        const CliRun result = run(c.args);
        EXPECT_NE(result.status, 0);
        EXPECT_TRUE(result.err.contains(QLatin1String(c.error))) << result.err.toStdString();
        EXPECT_EQ(result.err.count(QLatin1Char('\n')), 1) << result.err.toStdString();
        EXPECT_EQ(OldBytes::readFile(collection), content);
        EXPECT_FALSE(QFileInfo::exists(path("OUT.QV3")));
        EXPECT_FALSE(QFileInfo::exists(path("OUT.txt")));
    }
}
