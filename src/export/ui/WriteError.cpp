#include "export/ui/WriteError.h"

#include "ui/MessageService.h"
#include "store/IoResult.h"

#include <QDir>

QString WriteErrorText(const IoResult& result, const QString& path, const QString& message)
{
    const QString text = message.isEmpty() ? QStringLiteral("The file could not be written.") : message;
    return QStringLiteral("%1\n%2").arg(result.describe(text), QDir::toNativeSeparators(path));
}

void ReportWriteError(QWidget* parent, const IoResult& result, const QString& path)
{
    MessageService::error(parent, WriteErrorText(result, path));
}
