#pragma once

struct TPuzzleRecord;
struct TRenderOptions;
class AppContext;
class QWidget;

/**
 * "&View/Print" of the report window: records the page into an in-memory report while the
 * "Report Status Screen" window shows the run (Cancel aborts it), gives the overflow warnings of
 * a finished run, then opens the preview on the report. The report is discarded when the preview
 * closes. The printer is the installed printer driver (PrinterDriver.h).
 */
void RunViewPrint(AppContext& context, const TPuzzleRecord& puzzle, const TRenderOptions& options, QWidget* parent);
