#include "cli/OutputPath.h"

#include "cli/CliOutput.h"
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

int checkRecordFile(const QString& out, qint64 recordSize, const QStringList& inputs)
{
    if (const int status = check(out, inputs))
        return status;
    const QFileInfo info(out);
    if (info.exists() && info.size() % recordSize != 0)
        return CliOutput::fail(QStringLiteral("refusing to write %1: its size (%2 bytes) is not a whole number of "
                                              "%3-byte puzzle records, so it is not a puzzle collection")
                                   .arg(out).arg(info.size()).arg(recordSize));
    return 0;
}

} // namespace OutputPath
