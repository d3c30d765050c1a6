#include "pages/ui/ReportPage.h"

#include "pages/PageCanvasPainter.h"

#include "ui/MessageService.h"
#include "store/IoResult.h"

#include <QDir>
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
    if (width < RasterExport::MinWidth || width > RasterExport::MaxWidth || PaperInches.width() <= 0)
        return {};
    const int height = RasterExport::pageImageHeight(PaperInches, width);
    if (height < 1)
        return {};
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    const double dpi = width / PaperInches.width();
    constexpr double InchesPerMetre = 39.37007874015748;
    image.setDotsPerMeterX(int(std::lround(dpi * InchesPerMetre)));
    image.setDotsPerMeterY(int(std::lround(dpi * InchesPerMetre)));
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        Play(painter, dpi);
    }
    if (format == RasterExport::PixelFormat::Indexed8)
        image = image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    return image;
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
    QPicture recording;
    QPainter painter;
    if (!painter.begin(&recording))
        return false;
    TPainterCanvas canvas(painter, report.PaperInches, TReportPage::RecordDotsPerInch);
    report.Fitted = MeasurePage(puzzle, report.Layout, options, canvas);
    if (stop()) {
        painter.end();
        return false;
    }
    DrawPage(report.Fitted, canvas);
    painter.end();
    return !stop();
}

void ReportWriteError(QWidget* parent, const IoResult& result, const QString& path)
{
    MessageService::error(parent, QStringLiteral("%1\n%2").arg(result.describe(QStringLiteral("The file could not be written.")),
                                                              QDir::toNativeSeparators(path)));
}
