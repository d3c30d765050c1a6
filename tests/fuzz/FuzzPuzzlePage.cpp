// One puzzle record drawn with its own page layout and exported as clue text.
#include "FuzzSupport.h"

#include "render/PageRenderer.h"
#include "export/RasterExport.h"
#include "render/RenderSettings.h"
#include "export/TextExport.h"
#include "store/Settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzSupport::needApplication();
    const TPuzzleRecord puzzle = TPuzzleRecord::fromBytes(FuzzSupport::bytes(data, size));
    const TPageLayout layout = PuzzleLayout(puzzle);
    TRenderOptions options = RenderOptionsFromSettings(DefaultSettings(FuzzSupport::folder()), layout);
    options.AnswerKey = size > 0 && (data[0] & 1);
    RasterExport::renderPageImage(puzzle, layout, options, 160, RasterExport::PixelFormat::Rgb24);
    TextExport::clueText(puzzle, TextExport::Content::Clues);
    TextExport::clueText(puzzle, TextExport::Content::Words);
    return 0;
}
