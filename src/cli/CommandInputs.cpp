// The argument readers several commands share: the record of a collection and a page layout file.
#include "cli/CliCommands.h"
#include "cli/CliOutput.h"

#include "pages/PageFile.h"
#include "store/Collection.h"
#include "store/ExportFile.h"
#include "store/Limits.h"

#include <QFileInfo>

int ReadRecordArgument(const CliArguments& args, TPuzzleRecord& puzzle)
{
    const QString path = args.positional.first();
    QString error;
    const auto n = args.number(QStringLiteral("record"), 0, Limits::MaxCollectionRecords - 1, error);
    if (!n)
        return CliOutput::fail(error);
    if (!QFileInfo(path).isFile())
        return CliOutput::fail(QStringLiteral("cannot open %1").arg(path));
    const qint64 count = RecordCount(path);
    if (*n >= count)
        return CliOutput::fail(QStringLiteral("%1 has no record %2 (it holds %3)").arg(path).arg(*n).arg(count));
    const IoResult result = ReadPuzzle(path, *n, puzzle);
    if (!result)
        return CliOutput::fail(QStringLiteral("cannot read %1: %2").arg(path, result.systemError));
    return 0;
}

int ReadLayoutFileArgument(const CliArguments& args, TPageLayout& layout)
{
    const QString path = args.value(QStringLiteral("layout-file"));
    QByteArray bytes;
    const IoResult result = ExportFile::read(path, "PAG", qint64(Limits::PageLayoutSize), bytes);
    if (result.status == IoResult::OpenFailed)
        return CliOutput::fail(PageMessages::ImportFailed.text() + QStringLiteral(" (%1)").arg(path));
    if (!result)
        return CliOutput::fail(PageMessages::ImportCorrupt.text() + QStringLiteral(" (%1)").arg(path));
    layout = TPageLayout::fromBytes(bytes);
    return 0;
}
