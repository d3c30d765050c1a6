#pragma once

#include "render/PageRenderer.h"
#include "store/Settings.h"

/**
 * The print options of a run as the settings file holds them: parts to print, answer key,
 * partial letters, boxes and their colour, separators and the default headings, then the
 * headings and box options the puzzle's layout carries (as the report window takes them when a
 * layout is chosen). Partial answers start with no word chosen.
 */
TRenderOptions RenderOptionsFromSettings(const Settings& settings, const TPageLayout& layout);
