// quorvex-cli import, export-puzzles and delete: whole puzzles moved between collections or
// deleted, as the program does it.
#include "cli/CliCommands.h"
#include "cli/CliOutput.h"
#include "cli/OutputPath.h"

#include "pages/PageFile.h"
#include "store/Collection.h"
#include "store/Directories.h"
#include "store/ImportedPuzzle.h"
#include "store/OldVersion.h"
#include "store/PuzzleTransfer.h"
#include "store/Settings.h"

#include <QFileInfo>
#include <algorithm>
#include <functional>
#include <memory>

namespace {

const QString RecordOption = QStringLiteral("record");

/** Fails unless the path names a collection file by its extension. */
int requireCollectionName(const QString& option, const QString& path)
{
    if (ImportKindOf(path) != ImportKind::Collection)
        return CliOutput::fail(QStringLiteral("--%1 must name a collection file (.QV3): %2").arg(option, path));
    return 0;
}

int failWith(const TTransferReport& report, const QString& path)
{
    return CliOutput::failOn(report.Text, path);
}

/** The page layout a converted puzzle gets: the default of the program's page file. */
QByteArray defaultLayoutBytes()
{
    const Settings settings = LoadSettings(StartDirectory());
    TPageLayout layout;
    LoadDefaultLayout(ProgramFile(QLatin1String(PageFileName)), settings.DefaultPage, layout);
    return layout.toBytes();
}

/**
 * Imports the one puzzle of a 16-bit file, converted, or of an Across Lite or iPUZ file; what
 * changed on the way goes to stderr.
 */
int importOnePuzzle(const CliArguments& args, ImportKind kind, const QString& from, const QString& into)
{
    if (args.has(RecordOption))
        return CliOutput::fail(QStringLiteral("--record applies to collection files (.QV3) only"));
    auto puzzle = std::make_unique<TPuzzleRecord>();
    const bool old = kind == ImportKind::OldPuzzle;
    const TTransferReport report = old ? Import16Bit(from, into, defaultLayoutBytes(), *puzzle)
                                       : ImportOtherPuzzle(from, into, defaultLayoutBytes(), *puzzle);
    if (!report) {
        const bool saving = report.Text.startsWith(TransferMessages::UnableToSavePuzzle.text());
        return failWith(report, saving || report.Result.status == IoResult::IoError ? into : from);
    }
    for (const QString& warning : report.Warnings)
        CliOutput::warning(warning);
    CliOutput::line(QStringLiteral("%1 \"%2\" into %3 (category %4)")
                        .arg(old ? QStringLiteral("converted") : QStringLiteral("imported"),
                             CliOutput::ansi(puzzle->Title.text()), into, CliOutput::ansi(puzzle->Category.text())));
    return 0;
}

} // namespace

int RecordArguments(const CliArguments& args, const QString& path, bool allAtDefault, std::vector<qint64>& records)
{
    const qint64 count = std::min<qint64>(RecordCount(path), Limits::MaxCollectionRecords);
    records.clear();
    if (!args.has(RecordOption)) {
        if (!allAtDefault)
            return CliOutput::fail(QStringLiteral("--record N is required"));
        for (qint64 n = 0; n < count; ++n)
            records.push_back(n);
        return 0;
    }
    for (const QString& word : args.values(RecordOption)) {
        bool ok = false;
        const qint64 n = word.toLongLong(&ok);
        if (!ok || n < 0)
            return CliOutput::fail(QStringLiteral("--record must be a whole number from 0, not %1").arg(word));
        if (n >= count)
            return CliOutput::fail(QStringLiteral("%1 has no record %2 (it holds %3)").arg(path).arg(n).arg(count));
        if (std::find(records.begin(), records.end(), n) == records.end())
            records.push_back(n);
    }
    return 0;
}

namespace {


int RunImport(const CliArguments& args)
{
    const QString usage = QStringLiteral(
        "usage: quorvex-cli import --from OTHER.QV3|OLD.QVZ|PUZZLE.puz|PUZZLE.ipuz [--record N ...] --into C.QV3");
    if (!args.positional.isEmpty() || args.value(QStringLiteral("from")).isEmpty()
        || args.value(QStringLiteral("into")).isEmpty())
        return CliOutput::fail(usage);
    const QString from = args.value(QStringLiteral("from"));
    const QString into = args.value(QStringLiteral("into"));
    if (const int status = requireCollectionName(QStringLiteral("into"), into))
        return status;
    // A file that is not a collection is never written into, as build --out refuses it too.
    if (const int status = OutputPath::checkRecordFile(into, qint64(Limits::PuzzleRecordSize), {}))
        return status;

    const ImportKind kind = ImportKindOf(from);
    switch (kind) {
    case ImportKind::OldPuzzle:
    case ImportKind::AcrossLite:
    case ImportKind::Ipuz:
        return importOnePuzzle(args, kind, from, into);
    case ImportKind::NotValid:
        return CliOutput::fail(QStringLiteral("%1 (%2)").arg(TransferMessages::NotValidFile.text(), from));
    case ImportKind::Collection:
        break;
    }
    if (IsSameCollection(from, into))
        return CliOutput::fail(TransferMessages::ImportSameAsOpen.text());
    if (!QFileInfo(from).isFile())
        return CliOutput::fail(QStringLiteral("cannot open %1").arg(from));
    std::vector<qint64> records;
    if (const int status = RecordArguments(args, from, true, records))
        return status;
    const TTransferReport report = ImportPuzzles(from, records, into);
    if (!report)
        return failWith(report, into);
    CliOutput::line(QStringLiteral("imported %1 puzzle(s) into %2").arg(report.Written).arg(into));
    return 0;
}

} // namespace

const CliCommand ImportCommand{"import", RunImport, {
    {"from"},
    {"into"},
    {"record", CliOption::Numbers},
}};

namespace {

int RunExportPuzzles(const CliArguments& args)
{
    const QString usage = QStringLiteral("usage: quorvex-cli export-puzzles C.QV3 --record N ... --out OTHER.QV3");
    if (args.positional.size() != 1 || args.value(QStringLiteral("out")).isEmpty())
        return CliOutput::fail(usage);
    const QString collection = args.positional.first();
    const QString out = args.value(QStringLiteral("out"));
    if (const int status = requireCollectionName(QStringLiteral("out"), out))
        return status;
    if (!QFileInfo(collection).isFile())
        return CliOutput::fail(QStringLiteral("cannot open %1").arg(collection));
    if (IsSameCollection(out, collection))
        return CliOutput::fail(TransferMessages::ExportSameAsOpen.text());
    std::vector<qint64> records;
    if (const int status = RecordArguments(args, collection, false, records))
        return status;
    const TTransferReport report = ExportPuzzles(collection, records, out);
    if (!report)
        return failWith(report, out);
    CliOutput::line(QStringLiteral("exported %1 puzzle(s) to %2").arg(report.Written).arg(out));
    return 0;
}

} // namespace

const CliCommand ExportPuzzlesCommand{"export-puzzles", RunExportPuzzles, {
    {"out"},
    {"record", CliOption::Numbers},
}};

namespace {

int RunDelete(const CliArguments& args)
{
    const QString usage = QStringLiteral("usage: quorvex-cli delete COLLECTION.QV3 --record N [N ...]");
    if (args.positional.size() != 1 || !args.has(RecordOption))
        return CliOutput::fail(usage);
    const QString path = args.positional.first();
    if (!QFileInfo(path).isFile())
        return CliOutput::fail(QStringLiteral("cannot open %1").arg(path));
    std::vector<qint64> records;
    if (const int status = RecordArguments(args, path, false, records))
        return status;
    IoResult listed;
    const CollectionIndex index = ListCollection(path, &listed);
    if (!listed)
        return CliOutput::fail(QStringLiteral("cannot read %1: %2").arg(path, listed.systemError));
    // The highest number first, so the numbers still to go keep naming the records listed; each
    // delete checks that its record still holds the puzzle listed (another program may write too).
    std::sort(records.begin(), records.end(), std::greater<>());
    for (const qint64 n : records) {
        if (n >= qint64(index.Entries.size()))
            return CliOutput::fail(QStringLiteral("%1 has no record %2 (it holds %3)").arg(path).arg(n).arg(index.Entries.size()));
        const CollectionEntry& entry = index.Entries[std::size_t(n)];
        const TRecordName name{index.Categories[std::size_t(entry.categoryIndex())], entry.Title};
        const IoResult removed = RemoveRecord(path, n, &name);
        if (!removed)
            return CliOutput::failOn(removed.describe(QStringLiteral("Unable to delete puzzle.")), path);
        CliOutput::line(QStringLiteral("deleted record %1 \"%2\" from %3").arg(n).arg(CliOutput::ansi(entry.Title), path));
    }
    return 0;
}

} // namespace

const CliCommand DeleteCommand{"delete", RunDelete, {
    {"record", CliOption::Numbers},
}};
