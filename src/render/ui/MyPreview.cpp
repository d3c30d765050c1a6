#include "render/ui/MyPreview.h"

#include "ui/AppContext.h"
#include "ui/WindowFit.h"
#include "ui/WindowSetup.h"
#include "export/OutputFormat.h"
#include "render/ui/ReportPage.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

/** The zoom steps of the Zoom In and Zoom Out tool buttons, percent. */
constexpr std::array<double, 11> ZoomSteps{10, 20, 25, 33.33, 50, 75, 100, 150, 200, 300, 400};
/** Grey margin around the page in the view, design pixels. */
constexpr int PageMargin = 8;

/** The grey margin at the screen size of a window. */
int pageMargin(const QWidget* window)
{
    return int(PageMargin * WindowScale(window));
}

} // namespace

/** The page as the preview shows it: white paper with the report replayed at the zoom. */
class TPreviewPage : public QWidget {
public:
    TPreviewPage(const TReportPage& report, QWidget* parent)
        : QWidget(parent), m_report(report)
    {
        setObjectName(QStringLiteral("PreviewPage"));
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    void SetDotsPerInch(double dpi)
    {
        m_dpi = dpi;
        const QSize paper(int(std::lround(m_report.PaperInches.width() * dpi)),
                          int(std::lround(m_report.PaperInches.height() * dpi)));
        const int margin = pageMargin(this);
        setFixedSize(paper + QSize(2 * margin, 2 * margin));
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(128, 128, 128));
        const int margin = pageMargin(this);
        const QRect paper(margin, margin, width() - 2 * margin, height() - 2 * margin);
        painter.fillRect(paper, Qt::white);
        painter.translate(margin, margin);
        painter.setClipRect(QRect(QPoint(0, 0), paper.size()));
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        m_report.Play(painter, m_dpi);
    }

private:
    const TReportPage& m_report;
    double m_dpi = 96.0;
};

TMyPreview::TMyPreview(AppContext& context, std::shared_ptr<const TReportPage> report, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_report(std::move(report))
{
    setObjectName(QStringLiteral("MyPreview"));
    setWindowTitle(QStringLiteral("Puzzle Preview"));
    setModal(true);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setWindowFlag(Qt::WindowMinimizeButtonHint, true);

    m_page = new TPreviewPage(*m_report, this);
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("PreviewScroll"));
    m_scroll->setAlignment(Qt::AlignCenter);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_scroll->setWidget(m_page);
    m_screenDpi = m_page->logicalDpiX() > 0 ? m_page->logicalDpiX() : 96.0;

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    BuildMenus(layout);
    layout->addWidget(m_scroll, 1);

    const Settings& settings = m_context.settings;
    move(settings.ReportViewingWindowLeft, settings.ReportViewingWindowTop);
    resize(std::max(200, settings.ReportViewingWindowWidth), std::max(150, settings.ReportViewingWindowHeight));
    SetZoom(100.0);
}

TMyPreview::~TMyPreview() = default;

void TMyPreview::showEvent(QShowEvent* event)
{
    if (!m_placed) {
        m_placed = true;
        PrepareRememberedWindow(this, m_context, QRect(pos(), size()));
        // The page follows the screen size too.
        SetZoom(m_zoom);
    }
    QDialog::showEvent(event);
}

void TMyPreview::BuildMenus(QVBoxLayout* layout)
{
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("PreviewMenu"));
    const auto item = [this](QMenu* menu, const QString& text, const QString& name, auto slot,
                             QKeySequence shortcut = {}) {
        QAction* action = menu->addAction(text);
        action->setObjectName(name);
        if (!shortcut.isEmpty())
            action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };

    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    item(file, QStringLiteral("&Print Page"), QStringLiteral("MenuPrintPage"), &TMyPreview::MenuPrintPageClick,
         QKeySequence(QStringLiteral("Ctrl+P")));
    item(file, QStringLiteral("Print &Multiple Copies"), QStringLiteral("MenuMultipleCopies"),
         &TMyPreview::MenuMultipleCopiesClick, QKeySequence(QStringLiteral("Ctrl+M")));
    file->addSeparator();
    item(file, QStringLiteral("E&xit"), QStringLiteral("MenuExit"), &QDialog::reject, QKeySequence(QStringLiteral("Ctrl+X")));

    // The export menus list the output formats in the table's order; each menu appears with its
    // first format, and the JPEG quality factor follows the formats that use it.
    QMenu* graphic = nullptr;
    QMenu* text = nullptr;
    for (const TOutputFormat& format : OutputFormats::all()) {
        if (format.Place == PreviewPlace::None)
            continue;
        QMenu* menu = nullptr;
        if (format.Place == PreviewPlace::GraphicMenu) {
            if (!graphic)
                graphic = bar->addMenu(QStringLiteral("&Graphic Export"));
            menu = graphic;
        } else if (format.Place == PreviewPlace::TextMenu) {
            if (!text)
                text = bar->addMenu(QStringLiteral("&Text Export"));
            menu = text;
        }
        if (menu && format.SeparatorBefore)
            menu->addSeparator();
        QAction* action = menu ? menu->addAction(format.Caption) : bar->addAction(format.Caption);
        action->setObjectName(format.ActionName);
        if (!format.Shortcut.isEmpty())
            action->setShortcut(QKeySequence(format.Shortcut));
        connect(action, &QAction::triggered, this, [this, &format] { MenuExportClick(format); });
        if (format.Place == PreviewPlace::GraphicMenu && format.UsesQuality)
            item(graphic, QStringLiteral("JPEG Compression &Factor"), QStringLiteral("MenuJpegFactor"),
                 &TMyPreview::MenuJpegFactorClick, QKeySequence(QStringLiteral("Ctrl+F")));
    }

    QMenu* zoom = bar->addMenu(QStringLiteral("&Zoom"));
    QMenu* zoomIn = zoom->addMenu(QStringLiteral("Zoom &In"));
    QMenu* zoomOut = zoom->addMenu(QStringLiteral("Zoom &Out"));
    const auto zoomItem = [this](QMenu* menu, const QString& text, const QString& name, double percent) {
        QAction* action = menu->addAction(text);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, [this, percent] { MenuZoomPercentClick(percent); });
    };
    zoomItem(zoomIn, QStringLiteral("&1 : 1"), QStringLiteral("MenuZoomIn1"), 100.0);
    zoomItem(zoomIn, QStringLiteral("&2 : 1"), QStringLiteral("MenuZoomIn2"), 200.0);
    for (int n = 1; n <= 5; ++n)
        zoomItem(zoomOut, QStringLiteral("1 : &%1").arg(n), QStringLiteral("MenuZoomOut%1").arg(n), 100.0 / n);
    item(zoom, QStringLiteral("Zoom &Page Width"), QStringLiteral("MenuZoomPageWidth"), &TMyPreview::MenuZoomPageWidthClick);
    item(zoom, QStringLiteral("Zoom &Whole Page"), QStringLiteral("MenuZoomWholePage"), &TMyPreview::MenuZoomWholePageClick);
    layout->setMenuBar(bar);

    // Two rows of tool buttons: printing, zoom and Done first, the exports below.
    auto* tools = new QToolBar(this);
    tools->setObjectName(QStringLiteral("PreviewTools"));
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto* exports = new QToolBar(this);
    exports->setObjectName(QStringLiteral("ExportTools"));
    exports->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const auto tool = [this](QToolBar* bar, const QString& text, const QString& name, auto slot) {
        QAction* action = bar->addAction(text);
        action->setObjectName(name);
        action->setToolTip(text);
        connect(action, &QAction::triggered, this, slot);
    };
    tool(tools, QStringLiteral("Print Page"), QStringLiteral("ToolPrintPage"), &TMyPreview::MenuPrintPageClick);
    tools->addSeparator();
    tool(tools, QStringLiteral("Zoom In"), QStringLiteral("ToolZoomIn"), &TMyPreview::ZoomInClick);
    tool(tools, QStringLiteral("Zoom Out"), QStringLiteral("ToolZoomOut"), &TMyPreview::ZoomOutClick);

    auto* zoomLabel = new QLabel(QStringLiteral(" Zoom % "), tools);
    m_zoomBox = new QLineEdit(tools);
    m_zoomBox->setObjectName(QStringLiteral("ZoomBox"));
    m_zoomBox->setMaximumWidth(70);
    connect(m_zoomBox, &QLineEdit::editingFinished, this, &TMyPreview::ZoomBoxEntered);
    auto* pixelLabel = new QLabel(QStringLiteral(" Pixel Width "), tools);
    m_pixelBox = new QLineEdit(tools);
    m_pixelBox->setObjectName(QStringLiteral("PixelBox"));
    m_pixelBox->setMaximumWidth(70);
    connect(m_pixelBox, &QLineEdit::editingFinished, this, &TMyPreview::PixelBoxEntered);
    tools->addWidget(zoomLabel);
    tools->addWidget(m_zoomBox);
    tools->addWidget(pixelLabel);
    tools->addWidget(m_pixelBox);
    tools->addSeparator();
    tool(tools, QStringLiteral("Done"), QStringLiteral("ToolDone"), &QDialog::reject);

    for (const TOutputFormat& format : OutputFormats::all()) {
        if (!format.ToolCaption.isEmpty())
            tool(exports, format.ToolCaption, format.ToolName, [this, &format] { MenuExportClick(format); });
    }
    layout->addWidget(tools);
    layout->addWidget(exports);
}

void TMyPreview::SetZoom(double percent)
{
    if (!std::isfinite(percent))
        return;
    m_zoom = std::clamp(percent, MinZoom, MaxZoom);
    m_page->SetDotsPerInch(viewDotsPerInch() * m_zoom / 100.0);
    UpdateBoxes();
}

double TMyPreview::viewDotsPerInch() const
{
    return m_screenDpi * WindowScale(this);
}

int TMyPreview::PageWidthPixels(double percent) const
{
    return int(std::lround(m_report->WidthAt(m_screenDpi) * percent / 100.0));
}

double TMyPreview::ZoomForWidth(int pixels) const
{
    const double full = m_report->WidthAt(m_screenDpi);
    return full > 0 ? pixels * 100.0 / full : 100.0;
}

void TMyPreview::UpdateBoxes()
{
    m_zoomBox->setText(QString::number(m_zoom, 'f', 2));
    m_pixelBox->setText(QString::number(PageWidthPixels(m_zoom)));
}

void TMyPreview::ZoomBoxEntered()
{
    bool ok = false;
    const double value = m_zoomBox->text().trimmed().toDouble(&ok);
    if (ok && value > 0 && value != m_zoom)
        SetZoom(value);
    else
        UpdateBoxes();
}

void TMyPreview::PixelBoxEntered()
{
    bool ok = false;
    const int value = m_pixelBox->text().trimmed().toInt(&ok);
    if (ok && value > 0 && value != PageWidthPixels(m_zoom))
        SetZoom(ZoomForWidth(value));
    else
        UpdateBoxes();
}

void TMyPreview::MenuZoomPercentClick(double percent)
{
    SetZoom(percent);
}

void TMyPreview::MenuZoomPageWidthClick()
{
    const int available = m_scroll->viewport()->width() - 2 * pageMargin(this) - m_scroll->verticalScrollBar()->sizeHint().width();
    SetZoom(ZoomForWidth(std::max(1, int(available / WindowScale(this)))));
}

void TMyPreview::MenuZoomWholePageClick()
{
    const int margin = pageMargin(this);
    const QSize view = m_scroll->viewport()->size() - QSize(2 * margin, 2 * margin);
    const QSizeF paper = m_report->PaperInches * viewDotsPerInch();
    if (paper.width() <= 0 || paper.height() <= 0)
        return;
    const double fit = std::min(view.width() / paper.width(), view.height() / paper.height());
    SetZoom(std::max(1.0, fit * 100.0));
}

void TMyPreview::ZoomInClick()
{
    for (const double step : ZoomSteps) {
        if (step > m_zoom + 0.005) {
            SetZoom(step);
            return;
        }
    }
}

void TMyPreview::ZoomOutClick()
{
    for (auto it = ZoomSteps.rbegin(); it != ZoomSteps.rend(); ++it) {
        if (*it < m_zoom - 0.005) {
            SetZoom(*it);
            return;
        }
    }
}

void TMyPreview::StoreGeometry()
{
    if (m_geometryStored)
        return;
    m_geometryStored = true;
    Settings& settings = m_context.settings;
    settings.ReportViewingWindowLeft = x();
    settings.ReportViewingWindowTop = y();
    const QSize remembered = RememberedSize(this);
    settings.ReportViewingWindowWidth = remembered.width();
    settings.ReportViewingWindowHeight = remembered.height();
}

void TMyPreview::done(int result)
{
    StoreGeometry();
    QDialog::done(result);
}
