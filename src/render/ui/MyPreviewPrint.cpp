// Printing from the preview: the page once, or in copies.
#include "render/ui/MyPreview.h"

#include "ui/MessageService.h"
#include "render/ui/MultiCopies.h"
#include "render/ui/PrinterDriver.h"
#include "render/ui/ReportPage.h"

bool TMyPreview::PrintCopies(int copies)
{
    TPrinterDriver& driver = CurrentPrinterDriver();
    if (driver.JobRunning()) {
        MessageService::error(this, JobRunningMessage);
        return false;
    }
    // Without a printer (or with printing to a file chosen but unnamed) the page goes to a PDF file.
    const bool toFile = driver.NeedsOutputFile();
    if (toFile) {
        const QString path = AskPrintToPdfFile(this);
        if (path.isEmpty())
            return false;
        driver.SetOutputFile(path);
    }
    const bool printed = PrintJobs(driver, copies);
    if (toFile)
        driver.SetOutputFile({});
    return printed;
}

bool TMyPreview::PrintJobs(TPrinterDriver& driver, int copies)
{
    const TPaperRequest paper = PaperRequestFor(m_report->Layout);
    // The driver makes the copies when it can; otherwise each copy is a job of its own.
    const bool driverCopies = copies < driver.MaxCopies();
    const int jobs = driverCopies ? 1 : copies;
    QString error;
    for (int job = 0; job < jobs; ++job) {
        if (!driver.PrintPage(*m_report, paper, driverCopies ? copies : 1, error)) {
            MessageService::error(this, error);
            return false;
        }
    }
    return true;
}

void TMyPreview::MenuPrintPageClick()
{
    PrintCopies(1);
}

void TMyPreview::MenuMultipleCopiesClick()
{
    TMultiCopies dialog(m_context, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    PrintCopies(dialog.Copies());
}
