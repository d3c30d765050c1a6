#include "render/ui/ReportPage.h"

#include "render/PageCanvasPainter.h"

#include <QPicture>
#include <QPainter>
#include <cmath>

void TReportPage::Play(QPainter& painter, double dotsPerInch) const
{
    painter.save();
    TPainterCanvas canvas(painter, PaperInches, dotsPerInch);
    DrawPage(Fitted, canvas);
    painter.restore();
}

QImage TReportPage::Image(int width, RasterExport::PixelFormat format) const
{
    return RasterExport::drawPageImage(Fitted, width, format);
}

bool RecordReport(const TPuzzleRecord& puzzle, const TRenderOptions& options, TReportPage& report,
                  const std::function<bool()>& aborted)
{
    const auto stop = [&aborted] { return aborted && aborted(); };
    report.Puzzle = std::make_shared<const TPuzzleRecord>(puzzle);
    report.Layout = PuzzleLayout(puzzle);
    report.Options = options;
    report.PaperInches = RenderPaperSize(report.Layout);
    if (stop())
        return false;
    report.Fitted = FitPage(puzzle, report.Layout, options);
    return !stop();
}
