#pragma once
// The texts of a fitted page as every output draws them, for checking and for the command line.

#include "render/PageFit.h"

#include <QByteArray>
#include <vector>

/** One text of the page: where it stands (inches, left end and baseline), its fitted width and font. */
struct TFittedText {
    std::int16_t Kind = 0;    ///< kind of the object it belongs to
    double X = 0;
    double Baseline = 0;
    double Width = 0;
    TCanvasFont Font;
    QString Text;
};

/** Every text DrawPage draws for the page, in drawing order. */
std::vector<TFittedText> FittedTexts(const TFittedPage& page);

/**
 * The texts as UTF-8 lines "kind<TAB>size<TAB>x<TAB>baseline<TAB>width<TAB>ascent<TAB>descent<TAB>text"
 * (lengths in points), the paper size first as "paper<TAB>width<TAB>height".
 */
QByteArray FittedTextsReport(const TFittedPage& page);
