#pragma once

#include <QDialog>
#include <memory>

class AppContext;
class TPrinterDriver;
class QAction;
class QLineEdit;
class QScrollArea;
class QVBoxLayout;
class TPreviewPage;
struct TOutputFormat;
struct TReportPage;

/**
 * The print preview "Puzzle Preview": shows the report's page at a zoom, prints it (once or in
 * copies) and exports it in every format the table of output formats places in the preview: a
 * picture (BMP, JPEG, WMF, EMF, PDF, SVG), a web page, a clue or word text, or a puzzle to solve
 * elsewhere (iPUZ, Across Lite, a web puzzle). Position and size come from the "Report Viewing
 * Window" settings and go back there when the window closes. Menu commands are public slots so
 * that tests can drive them.
 */
class TMyPreview : public QDialog {
    Q_OBJECT

public:
    /** Zoom range the preview accepts, percent. */
    static constexpr double MinZoom = 1.0;
    static constexpr double MaxZoom = 2000.0;

    TMyPreview(AppContext& context, std::shared_ptr<const TReportPage> report, QWidget* parent = nullptr);
    ~TMyPreview() override;

    /** The report shown. */
    const TReportPage& Report() const { return *m_report; }

    /** Current zoom in percent. */
    double Zoom() const { return m_zoom; }
    /** Sets the zoom (clamped to MinZoom..MaxZoom), resizes the page and updates both boxes. */
    void SetZoom(double percent);
    /** Screen pixels per inch at zoom 100. */
    double ScreenDotsPerInch() const { return m_screenDpi; }
    /** Page width in screen pixels at a zoom, to the nearest pixel. */
    int PageWidthPixels(double percent) const;
    /** The zoom at which the page is that many screen pixels wide. */
    double ZoomForWidth(int pixels) const;

    /** Prints copies copies of the page: one job when the driver makes that many, else one job per copy. */
    bool PrintCopies(int copies);
    /** Prints the page in copies on the driver as it is set up. */
    bool PrintJobs(TPrinterDriver& driver, int copies);

public slots:
    void MenuPrintPageClick();
    void MenuMultipleCopiesClick();
    void MenuZoomPercentClick(double percent);
    void MenuZoomPageWidthClick();
    void MenuZoomWholePageClick();
    void ZoomInClick();
    void ZoomOutClick();
    void MenuJpegFactorClick();

public:
    /**
     * The export menu items and tool buttons: asks what the format's preview steps ask (width,
     * file), writes the run's page or puzzle and reports a failure in the format's words.
     */
    void MenuExportClick(const TOutputFormat& format);

protected:
    void done(int result) override;
    /** The first showing puts the window back where it was left, within the screen. */
    void showEvent(QShowEvent* event) override;

private:
    void BuildMenus(QVBoxLayout* layout);
    void ZoomBoxEntered();
    void PixelBoxEntered();
    void UpdateBoxes();
    /** The "HTML Creation" window, drawing its picture as the JPEG export does. */
    void ShowWebPageWindow();
    void StoreGeometry();
    /** Pixels per inch the page is shown at, zoom 100: the screen's at the window's screen size factor. */
    double viewDotsPerInch() const;

    AppContext& m_context;
    std::shared_ptr<const TReportPage> m_report;
    double m_zoom = 100.0;
    double m_screenDpi = 96.0;
    QScrollArea* m_scroll = nullptr;
    TPreviewPage* m_page = nullptr;
    QLineEdit* m_zoomBox = nullptr;
    QLineEdit* m_pixelBox = nullptr;
    bool m_geometryStored = false;
    bool m_placed = false;
};
