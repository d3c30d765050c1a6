#include "cli/CliCommands.h"
#include "cli/CliOutput.h"

#include "shapes/ShapeLibrary.h"
#include "store/Directories.h"
#include "store/SystemFile.h"

#include <QFileInfo>
#include <cerrno>

namespace {

int RunShapes(const CliArguments& args)
{
    const QString path = args.positional.isEmpty() ? ShapeLibrary::LibraryPath(ProgramDirectory()) : args.positional.first();
    std::vector<TShapeRecord> shapes;
    // A missing library lists empty in the program, but here the file named must be there; a
    // FIFO or folder is refused with its real reason by the reader.
    const IoResult read = QFileInfo::exists(path) ? ShapeLibrary::ReadLibrary(path, shapes)
                                                  : IoResult::failed(IoResult::OpenFailed, SystemFile::errorText(ENOENT));
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
