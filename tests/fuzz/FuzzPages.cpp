// The page file and page layout export files (".PAG"), each layout drawn with a puzzle.
#include "FuzzSupport.h"

#include "pages/PageFile.h"
#include "render/PageRenderer.h"
#include "export/RasterExport.h"
#include "render/RenderSettings.h"
#include "store/Settings.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzSupport::needApplication();
    const QByteArray input = FuzzSupport::bytes(data, size);
    const QString pageFile = FuzzSupport::file("QVFPAGE.DAT", input);
    std::vector<TLayoutEntry> entries;
    LoadLayoutList(pageFile, 0, entries);
    TPageLayout layout;
    LoadDefaultLayout(pageFile, 0, layout);
    TPageLayout imported;
    if (ImportPageLayout(pageFile, FuzzSupport::file("FUZZ.PAG", input), &imported))
        layout = imported;

    TPuzzleRecord puzzle;
    puzzle.Generated = 1;
    const TRenderOptions options = RenderOptionsFromSettings(DefaultSettings(FuzzSupport::folder()), layout);
    RasterExport::renderPageImage(puzzle, layout, options, 160, RasterExport::PixelFormat::Rgb24);
    return 0;
}
