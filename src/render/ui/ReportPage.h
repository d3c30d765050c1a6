#pragma once

#include "render/PageRenderer.h"
#include "export/RasterExport.h"

#include <QImage>
#include <QPicture>
#include <QSizeF>
#include <functional>
#include <memory>

/**
 * The in-memory report of one print run: the page fitted once (FitPage), which the preview at
 * any zoom, the printer and every export draw without measuring again, and the record, layout
 * and options it was fitted from (text export). A recorded QPicture was tried as the report and
 * dropped: its playback lost large text such as the title.
 */
struct TReportPage {
    QSizeF PaperInches;
    TFittedPage Fitted;
    std::shared_ptr<const TPuzzleRecord> Puzzle;
    TPageLayout Layout;
    TRenderOptions Options;

    /** Replays the page onto a painter whose device coordinates run dotsPerInch to the inch from the paper's corner. */
    void Play(QPainter& painter, double dotsPerInch) const;
    /** Page width in device pixels at a resolution. */
    double WidthAt(double dotsPerInch) const { return PaperInches.width() * dotsPerInch; }
    /**
     * The page image exactly width pixels wide on white, its height following the paper to the
     * nearest pixel, 24-bit or reduced to 256 colours. Null for a width out of range.
     */
    QImage Image(int width, RasterExport::PixelFormat format) const;
};

/**
 * Fits the page of the puzzle's layout once and keeps the result in the report. aborted is asked
 * between the steps of the run; returns false when it said yes (the report is then incomplete).
 */
bool RecordReport(const TPuzzleRecord& puzzle, const TRenderOptions& options, TReportPage& report,
                  const std::function<bool()>& aborted = {});
