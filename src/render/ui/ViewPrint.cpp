#include "render/ui/ViewPrint.h"

#include "ui/AppContext.h"
#include "ui/MessageService.h"
#include "render/ui/MyPreview.h"
#include "render/ui/ReportPage.h"
#include "render/ui/ReportStatus.h"

#include <QApplication>

void RunViewPrint(AppContext& context, const TPuzzleRecord& puzzle, const TRenderOptions& options, QWidget* parent)
{
    auto report = std::make_shared<TReportPage>();
    TReportStatus status(context, [&](const std::function<bool()>& aborted) {
        const bool finished = RecordReport(puzzle, options, *report, aborted);
        // The run's own messages (missing pictures) come while the page is made, before it is drawn.
        for (const QString& warning : report->Fitted.Warnings)
            MessageService::warning(parent, warning);
        return finished;
    }, parent);
    status.exec();
    if (status.Canceled())
        return;

    // Text that did not fit is reported after the page.
    for (const QString& warning : report->Fitted.overflowWarnings())
        MessageService::warning(parent, warning);

    TMyPreview preview(context, std::move(report), parent);
    preview.exec();
}
