#include "render/ui/PrinterDriver.h"

#include "pages/PageLayout.h"
#include "pages/PaperSizes.h"
#include "render/Booklet.h"
#include "render/ui/ReportPage.h"
#include "ui/MessageService.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#include <cmath>

namespace {

/** Windows paper codes of the standard paper names. */
struct TPaperCode {
    const char* Name;
    int Code;
};
constexpr TPaperCode PaperCodes[] = {
    {"Letter", 1}, {"Legal", 5}, {"A4", 9}, {"A5", 11}, {"B5", 13}, {"Executive", 7},
};

/** Tenths of a millimetre per inch. */
constexpr double TenthsPerInch = 254.0;
/** A driver that can make copies by itself takes any count the copies dialog allows. */
constexpr int DriverCopyLimit = 9999;

TPrinterDriver* g_installed = nullptr;

const QString NoPrinterNotice =
    QStringLiteral("No printer is installed on this computer.  Printing from the preview writes a PDF file instead.");

int toTenths(double value, double unit)
{
    const double tenths = std::nearbyint(value * unit * TenthsPerInch);
    if (!std::isfinite(tenths))
        return 0;
    return int(std::clamp(tenths, 0.0, 1.0e6));
}

} // namespace

TPaperRequest PaperRequestFor(const TPageLayout& layout)
{
    TPaperRequest request;
    request.Portrait = layout.Portrait;
    const QByteArray name = layout.PaperName.text();
    for (const TPaperCode& paper : PaperCodes) {
        if (name == paper.Name) {
            request.Code = paper.Code;
            return request;
        }
    }
    const double unit = layout.UseInches ? 1.0 : PaperSizes::InchesPerCentimetre;
    request.Code = 0;
    request.WidthTenths = toTenths(layout.PaperWidth, unit);
    request.HeightTenths = toTenths(layout.PaperHeight, unit);
    return request;
}

void ApplyPaper(QPrinter& printer, const TPaperRequest& paper)
{
    QPageLayout layout;
    if (paper.Code != 0) {
        layout = QPageLayout(QPageSize(QPageSize::id(paper.Code)),
                             paper.Portrait ? QPageLayout::Portrait : QPageLayout::Landscape, QMarginsF());
    } else {
        // The custom size is stored as it lies on the desk; the page size is given upright and
        // turned when it is wider than high, so the printed page matches the drawn one.
        const double width = std::max(1, paper.WidthTenths) / 10.0;
        const double height = std::max(1, paper.HeightTenths) / 10.0;
        const QPageSize size(QSizeF(std::min(width, height), std::max(width, height)), QPageSize::Millimeter,
                             QString(), QPageSize::ExactMatch);
        layout = QPageLayout(size, width > height ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
    }
    printer.setFullPage(true);
    printer.setPageLayout(layout);
}

TQtPrinterDriver::TQtPrinterDriver(QPrinter& printer)
    : m_printer(printer)
{
}

int TQtPrinterDriver::MaxCopies()
{
    return m_printer.supportsMultipleCopies() ? DriverCopyLimit : 1;
}

bool TQtPrinterDriver::PrintPage(const TReportPage& page, const TPaperRequest& paper, int copies, QString& error)
{
    ApplyPaper(m_printer, paper);
    m_printer.setCopyCount(std::max(1, copies));
    QPainter painter;
    if (!painter.begin(&m_printer)) {
        error = QStringLiteral("The printer could not be started.");
        return false;
    }
    // Drawn at the printer's own resolution, so text reaches the printer as text.
    page.Play(painter, m_printer.resolution());
    if (!painter.end()) {
        error = QStringLiteral("The page could not be printed.");
        return false;
    }
    return true;
}

bool TQtPrinterDriver::PrintBooklet(TBooklet& booklet, int copies, TBookletResult& result)
{
    m_printer.setCopyCount(std::max(1, copies));
    m_printer.setCollateCopies(true);
    m_printer.setFullPage(true);
    {
        // Each page takes its own paper as it begins; the painter ends with the sink.
        TPagedDeviceSink sink(m_printer);
        result = booklet.run(sink);
    }
    if (!result.Ok && result.Error.isEmpty())
        result.Error = QStringLiteral("The booklet could not be printed.");
    return result.Ok;
}

bool TQtPrinterDriver::Setup(QWidget* parent)
{
    // The set-up role: the printer and its properties, no page range or copies to ask for.
    QPrintDialog dialog(&m_printer, parent);
    dialog.setWindowTitle(QStringLiteral("Printer Setup"));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, false);
    return dialog.exec() == QDialog::Accepted;
}

bool TQtPrinterDriver::HasPrinters()
{
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

bool TQtPrinterDriver::NeedsOutputFile()
{
    return m_printer.outputFormat() == QPrinter::PdfFormat && m_printer.outputFileName().isEmpty();
}

void TQtPrinterDriver::SetOutputFile(const QString& path)
{
    m_printer.setOutputFileName(path);
    // Setting a name can switch a printer to PDF; clearing it leaves the format as it was.
    if (!path.isEmpty())
        m_printer.setOutputFormat(QPrinter::PdfFormat);
}

void ShowPrinterSetup(QWidget* parent)
{
    TPrinterDriver& driver = CurrentPrinterDriver();
    if (!driver.HasPrinters()) {
        MessageService::notice(parent, NoPrinterNotice);
        return;
    }
    driver.Setup(parent);
}

QString AskPrintToPdfFile(QWidget* parent)
{
    FileDialogRequest request;
    request.title = QStringLiteral("Print to PDF File");
    request.filter = QStringLiteral("PDF Document (*.pdf)");
    request.defaultSuffix = QStringLiteral("pdf");
    return MessageService::instance().saveFileName(parent, request);
}

TPrinterDriver& CurrentPrinterDriver()
{
    if (g_installed)
        return *g_installed;
    // Made once and kept to the end of the program: the printer outlives every window.
    static auto* programDriver = new TQtPrinterDriver;
    return *programDriver;
}

void InstallPrinterDriver(TPrinterDriver* driver)
{
    g_installed = driver;
}
