// Every write path of the program, failed at every step by the file layer's fault seam: the
// create, each write, the sync, the truncate, the rename and the removal of a journal. Whatever
// fails, the old file is left as it was and the failure is reported with the system's reason, or
// the write is complete and reported as done; no temporary file or journal is left behind.
#include "pages/PageFile.h"
#include "render/PageRenderer.h"
#include "export/RasterExport.h"
#include "render/RenderSettings.h"
#include "export/TextExport.h"
#include "export/VectorExport.h"
#include "shapes/ShapeExport.h"
#include "shapes/ShapeLibrary.h"
#include "store/Collection.h"
#include "store/FaultInjection.h"
#include "store/IniFile.h"
#include "store/RecordFile.h"
#include "store/Settings.h"
#include "store/SystemFile.h"
#include "support/PatternRecord.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

using FaultInjection::Fault;
using FaultInjection::Step;

using TestFiles::bytesOf;

void put(const QString& path, const QByteArray& bytes)
{
    ASSERT_TRUE(TestFiles::put(path, bytes));
}

QByteArray patternFile(int records)
{
    QByteArray bytes;
    for (int id = 1; id <= records; ++id)
        bytes += PatternRecord::make(std::uint32_t(id), 0);
    return bytes;
}

TPuzzleRecord samplePuzzle()
{
    TPuzzleRecord puzzle;
    EXPECT_TRUE(ReadPuzzle(QStringLiteral(QUORVEX_BUILD_DIR "/SAMPLE.QV3"), 0, puzzle));
    return puzzle;
}

IoResult pageReport(const TPageFileReport& report)
{
    return report.Result;
}

struct WritePath {
    const char* name;
    /** The file the path writes, in the folder. */
    QString file;
    /** Bytes of the file before (absent when empty). */
    QByteArray before;
    std::function<IoResult(const QString& folder)> run;
    /** Faults that hold on every run of this path (a folder that takes no new file, say). */
    std::vector<Fault> standing = {};
    /** False for outputs that differ from run to run (a PDF's time stamp): only "changed" is checked. */
    bool reproducible = true;
};

std::vector<WritePath> writePaths()
{
    const qint64 size = PatternRecord::Size;
    const QByteArray three = patternFile(3);
    const QByteArray oldText = "ACROSS\r\n1. old\r\n";
    const TPuzzleRecord puzzle = samplePuzzle();
    QByteArray shapes = bytesOf(QStringLiteral(QUORVEX_BUILD_DIR "/QVFLAY.DAT")).left(4 * 2555);
    QByteArray pages = bytesOf(QStringLiteral(QUORVEX_BUILD_DIR "/QVFPAGE.DAT")).left(3 * 28868);
    const auto at = [](const QString& folder, const char* name) { return QDir(folder).filePath(QLatin1String(name)); };
    return {
        {"overwrite a record", QStringLiteral("C.QV3"), three,
         [=](const QString& f) { return RecordFile::write(at(f, "C.QV3"), size, 1, PatternRecord::make(2, 7)); }},
        {"append a record", QStringLiteral("C.QV3"), three,
         [=](const QString& f) { return RecordFile::append(at(f, "C.QV3"), size, PatternRecord::make(4, 0)); }},
        {"append to a new collection", QStringLiteral("C.QV3"), QByteArray(),
         [=](const QString& f) { return AppendPuzzle(at(f, "C.QV3"), puzzle); }},
        {"delete a record", QStringLiteral("C.QV3"), three,
         [=](const QString& f) { return RecordFile::remove(at(f, "C.QV3"), size, 0); }},
        {"create a collection over one", QStringLiteral("C.QV3"), three,
         [=](const QString& f) { return CreateCollection(at(f, "C.QV3")); }},
        {"save the settings", QStringLiteral("QORVX3.INI"), QByteArray("[Misc]\nWindow Size=800\n; kept\n"),
         [=](const QString& f) {
             Settings settings = LoadSettings(f);
             settings.WindowSize = 1024;
             return SaveSettings(settings, f);
         }},
        {"write one settings key", QStringLiteral("QORVX3.INI"), QByteArray("[Misc]\nWindow Size=800\n"),
         [=](const QString& f) { return IniFile::writeKey(at(f, "QORVX3.INI"), "Misc", "Dictionary", "3"); }},
        {"delete a shape", QStringLiteral("QVFLAY.DAT"), shapes,
         [=](const QString& f) { return ShapeLibrary::DeleteShape(at(f, "QVFLAY.DAT"), 1); }},
        {"export a shape", QStringLiteral("S.LAY"), QByteArray("LAY1.0old"),
         [=](const QString& f) { return ShapeExport::ExportShape(at(f, "S.LAY"), TShapeRecord()); }},
        {"delete a page layout", QStringLiteral("QVFPAGE.DAT"), pages,
         [=](const QString& f) { return pageReport(DeleteLayout(at(f, "QVFPAGE.DAT"), 0)); }},
        {"export clue text", QStringLiteral("CLUES.TXT"), oldText,
         [=](const QString& f) {
             return TextExport::writeClueText(puzzle, TextExport::Content::Clues, at(f, "CLUES.TXT"));
         }},
        {"export a picture", QStringLiteral("PAGE.PNG"), QByteArray("old picture"),
         [=](const QString& f) {
             QImage image(40, 30, QImage::Format_RGB32);
             image.fill(Qt::white);
             return RasterExport::writePng(image, at(f, "PAGE.PNG"));
         }},
        {"export a PDF", QStringLiteral("PAGE.PDF"), QByteArray("old document"),
         [=](const QString& f) {
             const TPageLayout layout = PuzzleLayout(puzzle);
             return VectorExport::writePdf(puzzle, layout, RenderOptionsFromSettings(DefaultSettings(f), layout),
                                           at(f, "PAGE.PDF"));
         },
         {}, false},
    };
}

/** Sets up the folder with the path's old file. */
void prepare(const WritePath& path, const QString& folder)
{
    if (!path.before.isEmpty())
        put(QDir(folder).filePath(path.file), path.before);
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

} // namespace

TEST(FileFailure, EveryWritePathFailedAtEveryStepKeepsTheOldFileAndSaysWhy)
{
    const std::vector<Step> steps{Step::Create, Step::Write, Step::Sync, Step::Truncate, Step::Rename, Step::Remove};
    for (const WritePath& path : writePaths()) {
        SCOPED_TRACE(path.name);
        // Every run works in the same folder, so that settings naming it come out the same.
        QTemporaryDir parent;
        const QString folder = parent.filePath(QStringLiteral("work"));
        const auto fresh = [&] {
            QDir(folder).removeRecursively();
            QDir().mkpath(folder);
            prepare(path, folder);
        };
        // The outcome without a fault of the seam.
        fresh();
        {
            FaultInjection::Scope standing(path.standing);
            ASSERT_TRUE(path.run(folder));
        }
        const QByteArray after = bytesOf(QDir(folder).filePath(path.file));
        ASSERT_NE(after, path.before.isEmpty() ? QByteArray("<missing>") : path.before);
        const QStringList cleanEntries = entries(folder);

        int failures = 0;
        for (const Step step : steps) {
            for (int k = 1; k < 100; ++k) {
                SCOPED_TRACE(testing::Message() << "step " << int(step) << " call " << k);
                fresh();
                // An input/output error: a full disk makes some paths take another way (covered apart).
                std::vector<Fault> faults = path.standing;
                faults.push_back({step, k, EIO});
                IoResult result;
                int calls = 0;
                {
                    FaultInjection::Scope scope(faults);
                    result = path.run(folder);
                    calls = FaultInjection::calls(step);
                }
                const QByteArray now = bytesOf(QDir(folder).filePath(path.file));
                if (result) {
                    if (path.reproducible)
                        EXPECT_EQ(now, after);
                    else
                        EXPECT_NE(now, path.before);
                    EXPECT_EQ(entries(folder), cleanEntries);
                } else {
                    ++failures;
                    EXPECT_EQ(now, path.before.isEmpty() ? QByteArray("<missing>") : path.before);
                    EXPECT_EQ(result.systemError, QStringLiteral("Input/output error"));
                    const QStringList expected = path.before.isEmpty() ? QStringList() : QStringList{path.file};
                    EXPECT_EQ(entries(folder), expected);
                }
                if (calls < k)
                    break;   // the step ran fewer than k times: every call of it has been failed
            }
        }
        EXPECT_GT(failures, 0);
    }
}

TEST(FileFailure, ReasonsNameTheSystemsCause)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("C.QV3"));
    put(path, patternFile(2));
    FaultInjection::Scope full({{Step::Write, 1, ENOSPC}});
    const IoResult result = RecordFile::append(path, PatternRecord::Size, PatternRecord::make(3, 0));
    EXPECT_EQ(CollectionMessages::saveFailureText(result), QStringLiteral("Unable to save puzzle.\nNo space left on device"));
    FaultInjection::arm({{Step::Write, 1, EFBIG}});
    EXPECT_EQ(RecordFile::append(path, PatternRecord::Size, PatternRecord::make(3, 0)).systemError,
              QStringLiteral("File too large"));
    EXPECT_EQ(bytesOf(path), patternFile(2));
}

TEST(FileFailure, WithoutRoomForAJournalRewritesAndDeletesAreRefusedAndNothingIsWritten)
{
    for (const int error : {ENOSPC, EDQUOT, EACCES}) {
        for (const bool remove : {false, true}) {
            SCOPED_TRACE(testing::Message() << (remove ? "delete, " : "rewrite, ") << SystemFile::errorText(error).toStdString());
            QTemporaryDir dir;
            const QString path = dir.filePath(QStringLiteral("C.QV3"));
            put(path, patternFile(3));
            FaultInjection::Scope full({{Step::Create, 1, error}});
            const IoResult result = remove ? RecordFile::remove(path, PatternRecord::Size, 0)
                                           : RecordFile::write(path, PatternRecord::Size, 1, PatternRecord::make(2, 7));
            EXPECT_EQ(CollectionMessages::saveFailureText(result),
                      QStringLiteral("Unable to save puzzle.\nC.QV3 cannot be saved safely: no room for its journal.  "
                                     "Nothing was written."));
            EXPECT_EQ(bytesOf(path), patternFile(3));
            EXPECT_EQ(entries(dir.path()), QStringList{QStringLiteral("C.QV3")});
        }
    }
}

TEST(FileFailure, AFileTheUserMayNotWriteIsNeverReplacedOrChanged)
{
    // Mode 444: the system refuses a user; the superuser, whom it would let through, is refused too.
    for (const WritePath& path : writePaths()) {
        if (path.before.isEmpty())
            continue;
        SCOPED_TRACE(path.name);
        QTemporaryDir parent;
        const QString folder = parent.filePath(QStringLiteral("work"));
        QDir().mkpath(folder);
        prepare(path, folder);
        const QString file = QDir(folder).filePath(path.file);
        ASSERT_TRUE(QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        const IoResult result = path.run(folder);
        EXPECT_FALSE(result);
        EXPECT_TRUE(result.systemError.endsWith(QStringLiteral("Permission denied"))) << result.systemError.toStdString();
        EXPECT_EQ(bytesOf(file), path.before);
        EXPECT_EQ(entries(folder), QStringList{path.file});
    }
}
