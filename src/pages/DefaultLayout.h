#pragma once

#include "pages/PageLayout.h"

/**
 * The built-in default layout, used when the page file is missing or empty: "New Page" on Letter
 * paper (8.5 x 11 inches, 408 x 528 design pixels at zoom Small) with Title, Puzzle, Across Header,
 * Down Header, Across Clues and Down Clues. Every byte not set by the layout's table is zero.
 */
TPageLayout BuiltInDefaultLayout();
