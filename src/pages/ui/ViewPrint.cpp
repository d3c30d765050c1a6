#include "pages/ui/ViewPrint.h"

#include "ui/AppContext.h"
#include "ui/MessageService.h"
#include "pages/ui/MyPreview.h"
#include "pages/ui/ReportPage.h"
#include "pages/ui/ReportStatus.h"

#include <QApplication>

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
    for (const QString& warning : report->Fitted.runWarnings())
        MessageService::warning(parent, warning);

    TMyPreview preview(context, std::move(report), parent);
    preview.exec();
}
