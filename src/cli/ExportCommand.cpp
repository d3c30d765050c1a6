#include "cli/CliCommands.h"
#include "cli/CliOutput.h"

int RunExport(const CliArguments&)
{
    return CliOutput::fail(QStringLiteral("export is not available in this build yet"));
}
