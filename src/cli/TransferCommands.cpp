// quorvex-cli import, export-puzzles and delete: whole puzzles moved between collections or
// deleted, as the program does it.
#include "cli/CliCommands.h"
#include "cli/CliOutput.h"

#include "pages/PageFile.h"
#include "store/Collection.h"
#include "store/Directories.h"
#include "store/OldVersion.h"
#include "store/PuzzleTransfer.h"
#include "store/Settings.h"

#include <QFileInfo>
#include <algorithm>
#include <functional>

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

int importOldPuzzle(const CliArguments& args, const QString& from, const QString& into)
{
    if (args.has(RecordOption))
        return CliOutput::fail(QStringLiteral("--record applies to collection files (.QV3) only"));
    TPuzzleRecord puzzle;
    const TTransferReport report = Import16Bit(from, into, defaultLayoutBytes(), puzzle);
    if (!report)
        return failWith(report, report.Result.status == IoResult::IoError ? into : from);
    CliOutput::line(QStringLiteral("converted \"%1\" into %2 (category %3)")
                        .arg(CliOutput::ansi(puzzle.Title.text()), into, QLatin1String(OldVersion::ConvertedCategory)));
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


int RunImport(const CliArguments& args)
{
    const QString usage = QStringLiteral("usage: quorvex-cli import --from OTHER.QV3|OLD.QVZ [--record N ...] --into C.QV3");
    if (!args.positional.isEmpty() || args.value(QStringLiteral("from")).isEmpty()
        || args.value(QStringLiteral("into")).isEmpty())
        return CliOutput::fail(usage);
    const QString from = args.value(QStringLiteral("from"));
    const QString into = args.value(QStringLiteral("into"));
    if (const int status = requireCollectionName(QStringLiteral("into"), into))
        return status;

    switch (ImportKindOf(from)) {
    case ImportKind::OldPuzzle:
        return importOldPuzzle(args, from, into);
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
