#pragma once
// Drawing one puzzle page: measure and fit (MeasurePage), then draw the fitted result (DrawPage).

#include "render/PageCanvas.h"
#include "render/PageFit.h"
#include "pages/PageLayout.h"
#include "store/PuzzleRecord.h"

#include <QByteArray>
#include <QSizeF>
#include <array>

/**
 * The options of one print run, as the report window holds them. The caller maps the settings
 * file onto it; the defaults are the settings' defaults.
 */
struct TRenderOptions {
    bool PrintTitle = true;
    bool PrintBody = true;
    bool PrintClues = true;
    bool PrintWords = true;
    bool PrintBonus = true;
    bool AnswerKey = false;
    bool PartialAnswers = false;
    std::array<bool, Limits::WordSlots> PartialFlags{};   ///< slot i is element i - 1
    bool PartialLetters = false;
    QByteArray Letters;                                   ///< Windows-1252, at most 25 characters
    bool UseBoxes = true;
    std::uint32_t BoxColor = 0;
    bool SepDash = false;
    bool SepSlash = false;
    bool SepPlus = false;
    bool SepStar = false;
    bool SepOther = false;
    char SepChar = ' ';                                   ///< a space stands for no user character
    QByteArray AcrossHeading = QByteArrayLiteral("Across");
    QByteArray DownHeading = QByteArrayLiteral("Down");

    /** True when any separator option is on. */
    bool anySeparator() const { return SepDash || SepSlash || SepPlus || SepStar || SepOther; }
    /** True when the byte is one of the enabled separator characters. */
    bool isSeparator(std::uint8_t c) const;
};

/**
 * Takes the headings and the box options from a layout as the report window does when a layout
 * is chosen: a Puzzle object sets use boxes (not Skeleton) and the box colour, the headers set
 * the headings from their Text, Combined Clues splits its Text at the first ":".
 */
void ApplyLayoutSetup(TRenderOptions& options, const TPageLayout& layout);

/**
 * The paper of a layout in inches, orientation applied: the named sizes by PaperName (landscape
 * swaps them), any other name as PaperWidth x PaperHeight in the layout's unit, rounded to tenths
 * of a millimetre as the printer receives it. Nonsense sizes fall back to Letter.
 */
QSizeF RenderPaperSize(const TPageLayout& layout);

/**
 * The slots printed: WordCount clamped to 0..200, lowered while the last slot is not used, and
 * never above AcrossCount + DownCount, so that words an editor save left after the placed ones
 * are not printed as down clues.
 */
int ComputePrintCount(const TPuzzleRecord& puzzle);

/** The layout a puzzle prints with: its PageLayout bytes read as a TPageLayout. */
TPageLayout PuzzleLayout(const TPuzzleRecord& puzzle);

/**
 * Measures and fits every printed object of the layout once, in device-independent outline
 * metrics (TOutlineMetrics) on the layout's paper; nothing is drawn. The result is what the
 * preview, the printer and every export draw. Bitmap files are loaded here; missing ones give
 * one warning.
 */
TFittedPage FitPage(const TPuzzleRecord& puzzle, const TPageLayout& layout, const TRenderOptions& options);
/** As above with the layout held in the puzzle's PageLayout bytes. */
TFittedPage FitPage(const TPuzzleRecord& puzzle, const TRenderOptions& options);

/**
 * Measures and fits the page with the given text metrics on paper of the given size (inches).
 * FitPage is this with outline metrics and the layout's paper.
 */
TFittedPage MeasurePage(const TPuzzleRecord& puzzle, const TPageLayout& layout, const TRenderOptions& options,
                        TTextMeasure& metrics, QSizeF paperInches);
/**
 * Measures and fits the page with the canvas's metrics and paper size. The page canvases of the
 * program measure in outline metrics, so this gives FitPage's result on the canvas's paper.
 */
TFittedPage MeasurePage(const TPuzzleRecord& puzzle, const TPageLayout& layout, const TRenderOptions& options,
                        TPageCanvas& canvas);
/** As above with the layout held in the puzzle's PageLayout bytes. */
TFittedPage MeasurePage(const TPuzzleRecord& puzzle, const TRenderOptions& options, TPageCanvas& canvas);

/**
 * Draws a fitted page onto a canvas: a walk over the result that measures nothing. Text is
 * placed with the widths and font metrics of the result and drawn no wider than fitted.
 */
void DrawPage(const TFittedPage& page, TPageCanvas& canvas);

/** Measures, fits and draws one page; returns the fitted result for the warnings and for replays. */
TFittedPage RenderPage(const TPuzzleRecord& puzzle, const TPageLayout& layout, const TRenderOptions& options,
                       TPageCanvas& canvas);
