#pragma once
// What the export harnesses start from: the input is a puzzle record, its own layout gives the
// options, and the first byte turns the answers on or off.

#include "FuzzSupport.h"

#include "render/PageRenderer.h"
#include "render/RenderSettings.h"
#include "store/Settings.h"

namespace FuzzExport {

struct Input {
    TPuzzleRecord Puzzle;
    TPageLayout Layout;
    TRenderOptions Options;
};

inline Input input(const std::uint8_t* data, std::size_t size)
{
    Input in{TPuzzleRecord::fromBytes(FuzzSupport::bytes(data, size)), {}, {}};
    in.Layout = PuzzleLayout(in.Puzzle);
    in.Options = RenderOptionsFromSettings(DefaultSettings(FuzzSupport::folder()), in.Layout);
    in.Options.AnswerKey = size > 0 && (data[0] & 1);
    return in;
}

} // namespace FuzzExport
