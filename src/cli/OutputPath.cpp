#include "cli/OutputPath.h"

#include "cli/CliOutput.h"
#include "store/RecordFile.h"
#include "store/SystemFile.h"

#include <QFileInfo>

namespace OutputPath {

int check(const QString& out, const QStringList& inputs)
{
    for (const QString& input : inputs) {
        if (SystemPath::sameFile(out, input))
            return CliOutput::fail(QStringLiteral("refusing to write %1: it is the input %2").arg(out, input));
    }
    if (SystemPath::existsAndIsNotRegular(out))
        return CliOutput::fail(QStringLiteral("refusing to write %1: it is not a regular file").arg(out));
    return 0;
}

namespace {

/**
 * True when the file begins with a puzzle record's version stamp ("3.0" and a letter): a collection
 * whose last record a killed append cut short, which the next write cuts back to whole records.
 */
bool startsAsCollection(const QString& path)
{
    RecordFile::Reader file;
    char stamp[4];
    return file.open(path) && file.size() >= qint64(sizeof stamp) && file.readAt(0, stamp, sizeof stamp)
        && stamp[0] == 4 && QByteArrayView(stamp + 1, 3) == "3.0";
}

} // namespace

int checkRecordFile(const QString& out, qint64 recordSize, const QStringList& inputs)
{
    if (const int status = check(out, inputs))
        return status;
    const QFileInfo info(out);
    if (info.exists() && info.size() % recordSize != 0 && !startsAsCollection(out))
        return CliOutput::fail(QStringLiteral("refusing to write %1: its size (%2 bytes) is not a whole number of "
                                              "%3-byte puzzle records, so it is not a puzzle collection")
                                   .arg(out).arg(info.size()).arg(recordSize));
    return 0;
}

} // namespace OutputPath
