#include "pages/ui/ViewPrint.h"

#include "ui/AppContext.h"
#include "ui/MessageService.h"
#include "pages/ui/MyPreview.h"
#include "pages/ui/ReportPage.h"
#include "pages/ui/ReportStatus.h"

#include <QApplication>

namespace {

const QString ClueOverflowWarning = QStringLiteral(
    "Puzzle Clues would not fit in allocated space.  You will need to change the alotted clue space on the page "
    "layout, change the font size for the clues or select the \"Make It Fit\" attribute for the clue fonts.");
const QString WordOverflowWarning = QStringLiteral(
    "Puzzle Words would not fit in allocated space.  You will need to change the alotted word space on the page "
    "layout, change the font size for the words or select the \"Make It Fit\" attribute for the puzzle words.");
const QString TextOverflowWarning = QStringLiteral(
    "Text would not fit in allocated space.  You will need to change the alotted text space on the page layout, "
    "change the font size for the text or select the \"Make It Fit\" attribute for the text object.");

} // namespace

void RunViewPrint(AppContext& context, const TPuzzleRecord& puzzle, const TRenderOptions& options, QWidget* parent)
{
    auto report = std::make_shared<TReportPage>();
    TReportStatus status(context, [&](const std::function<bool()>& aborted) {
        return RecordReport(puzzle, options, *report, aborted);
    }, parent);
    status.exec();
    if (status.Canceled())
        return;

    // Messages of the run itself (missing pictures), then the overflow warnings in their order.
    for (const QString& warning : report->Fitted.Warnings)
        MessageService::warning(parent, warning);
    if (report->Fitted.ClueOverflow)
        MessageService::warning(parent, ClueOverflowWarning);
    if (report->Fitted.WordOverflow)
        MessageService::warning(parent, WordOverflowWarning);
    if (report->Fitted.anyTextOverflow())
        MessageService::warning(parent, TextOverflowWarning);

    TMyPreview preview(context, std::move(report), parent);
    preview.exec();
}
