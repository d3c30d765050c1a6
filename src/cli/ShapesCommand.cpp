#include "cli/CliCommands.h"
#include "cli/CliOutput.h"

#include "shapes/ShapeLibrary.h"
#include "store/Directories.h"

#include <QFileInfo>

namespace {

int RunShapes(const CliArguments& args)
{
    const QString path = args.positional.isEmpty() ? ShapeLibrary::LibraryPath(ProgramDirectory()) : args.positional.first();
    std::vector<TShapeRecord> shapes;
    const IoResult read = QFileInfo(path).isFile() ? ShapeLibrary::ReadLibrary(path, shapes)
                                                   : IoResult::failed(IoResult::OpenFailed, QStringLiteral("no such file"));
    if (!read)
        return CliOutput::fail(QStringLiteral("cannot read shape library %1: %2").arg(path, read.systemError));
    CliOutput::line(QStringLiteral("%1 holds %2 shapes; --shape takes their numbers, which count from 0:")
                        .arg(path)
                        .arg(shapes.size()));
    for (std::size_t n = 0; n < shapes.size(); ++n)
        CliOutput::line(QStringLiteral("%1  %2").arg(n, 3).arg(ShapeLibrary::ListText(shapes[n])));
    return 0;
}

} // namespace

const CliCommand ShapesCommand{"shapes", RunShapes, {}};
