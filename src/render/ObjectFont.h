#pragma once
// A page object's text or number font as the font dialogs take it.

#include "render/PageCanvas.h"
#include "pages/PageLayout.h"

/** The text font of an object, or its number font (the Puzzle's clue numbers) when `number` is set. */
TCanvasFont ObjectFont(const TPageObject& object, bool number);

/**
 * Stores a font as an object's text or number font: the face cut to 30 characters, the size
 * clamped to 1..999 points, the colour and the four styles.
 */
void StoreObjectFont(TPageObject& object, bool number, const TCanvasFont& font);
