#pragma once
// Internal to the page renderer: the fitting steps shared by PageMeasure*.cpp.

#include "render/PageFit.h"

#include <QString>
#include <vector>

namespace PageMeasure {

/** One clue of a list to be fitted. */
struct ClueItem {
    int Slot = 0;
    int Number = 0;
    QString Text;
};

/** What a clue-list flow holds: plain clues, or Combined Clues with its two boxed headings. */
struct ClueFlow {
    std::vector<ClueItem> Across;   ///< the only part of a plain clue list
    std::vector<ClueItem> Down;
    bool Combined = false;
    bool SplitColumns = false;
    QString AcrossHeading;
    QString DownHeading;
};

/**
 * Fits a clue list or Combined Clues into rect with the font (whose Size is lowered when
 * makeFit is set), Columns columns. Returns the placed clues and headings; Fits is false when
 * a clue needed a column beyond the last.
 */
TFittedClues FitClues(TTextMeasure& canvas, const ClueFlow& flow, const QRectF& rect, int columns, bool makeFit,
                      TCanvasFont& font);

} // namespace PageMeasure
