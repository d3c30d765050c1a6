// The shape library and shape export files (".LAY"): the input is read as both.
#include "FuzzSupport.h"

#include "shapes/ShapeExport.h"
#include "shapes/ShapeLibrary.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray input = FuzzSupport::bytes(data, size);
    const QString library = FuzzSupport::file("QVFLAY.DAT", input);
    std::vector<TShapeRecord> shapes;
    ShapeLibrary::ReadLibrary(library, shapes);
    for (std::size_t i = 0; i < shapes.size() && i < 4; ++i) {
        TShapeRecord shape;
        ShapeLibrary::LoadShape(library, int(i), shape);
        shape.hasValidSize();
        ShapeLibrary::ReplaceShape(library, int(i), shape);
    }
    if (!shapes.empty())
        ShapeLibrary::DeleteShape(library, 0);

    TShapeRecord imported;
    if (ShapeExport::ImportShape(FuzzSupport::file("FUZZ.LAY", input), imported))
        ShapeExport::ExportShape(FuzzSupport::file("OUT.LAY", {}), imported);
    return 0;
}
