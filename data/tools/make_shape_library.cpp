// Builds the starter shape library from text pictures:
//   make_shape_library OUTPUT.DAT SHAPE.txt...
// The shapes are written in the order given. Any unreadable or malformed picture stops the build.

#include "shapes/ShapePicture.h"
#include "shapes/ShapeRecord.h"
#include "store/RecordFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: make_shape_library OUTPUT.DAT SHAPE.txt...\n");
        return 2;
    }
    QByteArray library;
    for (qsizetype i = 2; i < args.size(); ++i) {
        QFile source(args[i]);
        if (!source.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(args[i]), qPrintable(source.errorString()));
            return 1;
        }
        TShapeRecord shape;
        QString error;
        if (!ShapePicture::Parse(source.readAll(), shape, error)) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(args[i]), qPrintable(error));
            return 1;
        }
        library += shape.toBytes();
    }
    const IoResult written = RecordFile::replaceWhole(args[1], library);
    if (!written) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(args[1]), qPrintable(written.systemError));
        return 1;
    }
    return 0;
}
