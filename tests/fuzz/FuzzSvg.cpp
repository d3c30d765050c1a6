// The SVG picture of one puzzle record's page: it must parse as XML, and no text of the record may
// add an element (a script) or a control character, which XML does not allow.
#include "FuzzExportSupport.h"

#include "export/VectorExport.h"

#include <QXmlStreamReader>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzSupport::needApplication();
    const FuzzExport::Input in = FuzzExport::input(data, size);
    QXmlStreamReader xml(VectorExport::encodeSvg(in.Puzzle, in.Layout, in.Options, nullptr));
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("script"))
            __builtin_trap();
    }
    if (xml.hasError())
        __builtin_trap();
    return 0;
}
