#pragma once

#include "render/ui/ReportPrinter.h"

#include <QString>

class QPicture;
class TBooklet;
struct TBookletResult;
class QPrinter;
class QWidget;
struct TPageLayout;
struct TReportPage;

/**
 * The paper a print run asks the printer for: a Windows paper code (1 Letter, 5 Legal, 9 A4,
 * 11 A5, 13 B5, 7 Executive) or code 0 with the size in tenths of a millimetre, and the orientation.
 */
struct TPaperRequest {
    int Code = 1;
    int WidthTenths = 0;    ///< code 0 only
    int HeightTenths = 0;   ///< code 0 only
    bool Portrait = true;

    bool operator==(const TPaperRequest&) const = default;
};

/**
 * The paper request of a layout: the code of its PaperName, or for any other name code 0 with
 * PaperWidth x PaperHeight converted to inches when UseInches is off, then to tenths of a
 * millimetre (x 254, rounded).
 */
TPaperRequest PaperRequestFor(const TPageLayout& layout);

/** Sets the printer's page size, orientation and a margin-free full page for a paper request. */
void ApplyPaper(QPrinter& printer, const TPaperRequest& paper);

/**
 * What the preview needs of the printer: how many copies the driver makes by itself, whether a
 * job is still running, printing the report's page with a copy count, and the set-up dialog. The
 * program uses TQtPrinterDriver; tests install their own (a PDF file, a driver maximum).
 */
class TPrinterDriver {
public:
    virtual ~TPrinterDriver() = default;
    /** The number of copies the driver can produce in one job. */
    virtual int MaxCopies() = 0;
    /** True while an earlier print job has not finished. */
    virtual bool JobRunning() = 0;
    /** Prints the page once with copies copies; false with error set when it failed. */
    virtual bool PrintPage(const TReportPage& page, const TPaperRequest& paper, int copies, QString& error) = 0;
    /**
     * Prints every page of the booklet in one job with copies collated copies; result receives the
     * run's outcome and warnings. False with result.Error set when it failed.
     */
    virtual bool PrintBooklet(TBooklet& booklet, int copies, TBookletResult& result) = 0;
    /** The platform's printer set-up dialog; true when the user confirmed it. */
    virtual bool Setup(QWidget* parent) = 0;
    /** Whether the machine has a printer to choose; without one, pages can only go to a PDF file. */
    virtual bool HasPrinters() { return true; }
    /** Whether the next job writes a PDF file that has no name yet. */
    virtual bool NeedsOutputFile() { return false; }
    /** Names the PDF file of the next jobs; an empty name asks again next time. */
    virtual void SetOutputFile(const QString& path) { (void)path; }
};

/**
 * The driver over QPrinter: the chosen printer, or a PDF file when it is set to PDF output. It
 * prints on the program's one printer (ReportPrinter), the one "Printer &Setup" edits.
 */
class TQtPrinterDriver : public TPrinterDriver {
public:
    explicit TQtPrinterDriver(QPrinter& printer = ReportPrinter());

    /** The printer of every job; later runs keep what the set-up dialog chose. */
    QPrinter& Printer() { return m_printer; }

    int MaxCopies() override;
    bool JobRunning() override { return false; }   // QPrinter jobs end when the painter ends
    bool PrintPage(const TReportPage& page, const TPaperRequest& paper, int copies, QString& error) override;
    bool PrintBooklet(TBooklet& booklet, int copies, TBookletResult& result) override;
    bool Setup(QWidget* parent) override;
    bool HasPrinters() override;
    bool NeedsOutputFile() override;
    void SetOutputFile(const QString& path) override;

private:
    QPrinter& m_printer;
};

/**
 * "Printer &Setup" of the main and report windows: the platform's printer dialog in its set-up
 * role on the installed driver, so the printer chosen serves every later run (paper and
 * orientation still come from each run's layout). Without printers a notice says that the
 * preview prints to a PDF file instead.
 */
void ShowPrinterSetup(QWidget* parent);

/** Shown (caption "Error") when printing while an earlier job has not finished. */
inline const QString JobRunningMessage = QStringLiteral("Previous print job has not yet finished.  Try again later.");

/** The save dialog "Print to PDF File" of a job that goes to a PDF file; empty when cancelled. */
QString AskPrintToPdfFile(QWidget* parent);

/** The installed driver: a TQtPrinterDriver made on first use unless another was installed. */
TPrinterDriver& CurrentPrinterDriver();
/** Installs a driver (not owned); nullptr restores the program's own. */
void InstallPrinterDriver(TPrinterDriver* driver);
