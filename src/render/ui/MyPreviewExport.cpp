// The exports of the preview: pictures, vector files, the web page, the clue texts and the solving formats.
#include "render/ui/MyPreview.h"

#include "ui/AppContext.h"
#include "ui/MessageService.h"
#include "export/IpuzExport.h"
#include "export/MetafileExport.h"
#include "export/PuzExport.h"
#include "export/RasterExport.h"
#include "export/SolverPageExport.h"
#include "export/VectorExport.h"
#include "export/ui/HtmlCreation.h"
#include "export/ui/MetafileCreation.h"
#include "export/ui/WebPuzzleSetup.h"
#include "export/ui/BitmapWidth.h"
#include "export/ui/JpegFactor.h"
#include "render/ui/ReportPage.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString askSaveFile(QWidget* parent, const QString& title, const QString& filter, const QString& suffix,
                    const QString& initial)
{
    FileDialogRequest request;
    request.title = title;
    request.filter = filter;
    request.defaultSuffix = suffix;
    request.initialPath = initial;
    request.confirmOverwrite = true;
    return MessageService::instance().saveFileName(parent, request);
}

/** The PDF and SVG exports keep their last file for the program's run (the settings file has no key for them). */
QString g_lastPdfFile;
QString g_lastSvgFile;

} // namespace

void TMyPreview::ExportRaster(bool jpeg)
{
    Settings& settings = m_context.settings;
    TBitmapWidth widthDialog(m_context, jpeg ? TBitmapWidth::Mode::Jpeg : TBitmapWidth::Mode::Bitmap, this);
    if (widthDialog.exec() != QDialog::Accepted)
        return;
    settings.PixelWidth = widthDialog.Width();

    const QString path = jpeg
        ? askSaveFile(this, QStringLiteral("Save Puzzle As JPeg"), QStringLiteral("JPeg (*.JPG)"), QStringLiteral("JPG"),
                      settings.LastExportJPEGFile)
        : askSaveFile(this, QStringLiteral("Save Puzzle As Bitmap"), QStringLiteral("Bitmap (*.BMP)"),
                      QStringLiteral("BMP"), settings.LastExportBitmapFile);
    if (path.isEmpty())
        return;

    // The page image is drawn at the zoom that makes it exactly the chosen width.
    const double remembered = m_zoom;
    SetZoom(ZoomForWidth(settings.PixelWidth));
    const QImage image = m_report->Image(settings.PixelWidth, RasterExport::pixelFormatFromSetting(settings.PixelFormat));
    IoResult result;
    if (jpeg) {
        settings.LastExportJPEGFile = path;
        result = RasterExport::writeJpeg(image, settings.JPegCompressionQuality, path);
    } else {
        settings.LastExportBitmapFile = path;
        result = RasterExport::writeBmp(image, path);
    }
    if (image.isNull() && result)
        result = IoResult::failed(IoResult::IoError, QStringLiteral("The page image could not be drawn."));
    if (!result) {
        ReportWriteError(this, result, path);
        return;   // the preview keeps the export zoom
    }
    SetZoom(remembered);
}

void TMyPreview::ExportMetafile(MetafileKind kind)
{
    Settings& settings = m_context.settings;
    const bool enhanced = kind == MetafileKind::Emf;
    const QString path = enhanced
        ? askSaveFile(this, QStringLiteral("Save Puzzle As Enhanced MetaFile"), QStringLiteral("Enhanced Metafile (*.EMF)"),
                      QStringLiteral("EMF"), settings.LastExportEMFFile)
        : askSaveFile(this, QStringLiteral("Save Puzzle As MetaFile"), QStringLiteral("Metafile (*.WMF)"),
                      QStringLiteral("WMF"), settings.LastExportWMFFile);
    if (path.isEmpty())
        return;
    (enhanced ? settings.LastExportEMFFile : settings.LastExportWMFFile) = path;
    if (MetafileExport::hasBitmaps(m_report->Layout))
        MessageService::warning(this, MetafileExport::BitmapWarning);

    // The metafile replays the preview's own drawing run.
    const std::shared_ptr<const TReportPage> report = m_report;
    TMetafileCreation creation(m_context, [report, kind, path]() -> QString {
        const IoResult result = MetafileExport::writeMetafile(report->Fitted, kind, path);
        if (result)
            return {};
        return QStringLiteral("%1\n%2").arg(result.describe(QStringLiteral("The metafile could not be written.")),
                                             QDir::toNativeSeparators(path));
    }, this);
    creation.exec();
}

void TMyPreview::ExportText(TextExport::Content content)
{
    Settings& settings = m_context.settings;
    const QString path = askSaveFile(this, QStringLiteral("Export Clues"), QStringLiteral("text (*.txt)"),
                                     QStringLiteral("txt"), settings.LastExportTextFile);
    if (path.isEmpty())
        return;
    settings.LastExportTextFile = path;
    const IoResult result = TextExport::writeClueText(*m_report->Puzzle, content, path);
    if (result.status == IoResult::OpenFailed)
        MessageService::error(this, result.describe(TextExport::CreateFailedMessage));
    else if (!result)
        ReportWriteError(this, result, path);
}

void TMyPreview::ExportSolving(SolvingFormat format)
{
    using Writer = IoResult (*)(const TPuzzleRecord&, const TRenderOptions&, const TSolvingOptions&, const QString&);
    struct Choice {
        QString title;
        QString filter;
        QString suffix;
        QString Settings::*lastFile;
        Writer write;
    };
    const Writer puz = [](const TPuzzleRecord& puzzle, const TRenderOptions& options, const TSolvingOptions&,
                          const QString& path) { return PuzExport::write(puzzle, options, path); };
    const Choice choice = format == SolvingFormat::Ipuz
        ? Choice{QStringLiteral("Save Puzzle As iPUZ"), QStringLiteral("iPUZ (*.ipuz)"), QStringLiteral("ipuz"),
                 &Settings::LastExportIPUZFile, &IpuzExport::write}
        : format == SolvingFormat::AcrossLite
        ? Choice{QStringLiteral("Save Puzzle As Across Lite"), QStringLiteral("Across Lite (*.puz)"),
                 QStringLiteral("puz"), &Settings::LastExportPUZFile, puz}
        : Choice{QStringLiteral("Save Puzzle As Web Puzzle"), QStringLiteral("Web Puzzle (*.html *.htm)"),
                 QStringLiteral("html"), &Settings::LastExportWebPuzzleFile, &SolverPageExport::write};

    Settings& settings = m_context.settings;
    if (format == SolvingFormat::WebPuzzle) {
        TWebPuzzleSetup setup(m_context, this);
        if (setup.exec() != QDialog::Accepted)
            return;
    }
    const QString path = askSaveFile(this, choice.title, choice.filter, choice.suffix, settings.*choice.lastFile);
    if (path.isEmpty())
        return;
    settings.*choice.lastFile = path;
    // The puzzle as this run shows it: its separators and its headings; the web puzzle's set-up.
    const IoResult result = choice.write(*m_report->Puzzle, m_report->Options,
                                         {settings.WebPuzzleWordLengths, settings.WebPuzzleTimer}, path);
    if (result.status == IoResult::Refused)
        MessageService::error(this, result.systemError);
    else if (!result)
        ReportWriteError(this, result, path);
}

void TMyPreview::MenuWmfClick()
{
    ExportMetafile(MetafileKind::Wmf);
}

void TMyPreview::MenuEmfClick()
{
    ExportMetafile(MetafileKind::Emf);
}

void TMyPreview::MenuBmpClick()
{
    ExportRaster(false);
}

void TMyPreview::MenuJpegClick()
{
    ExportRaster(true);
}

void TMyPreview::MenuJpegFactorClick()
{
    TJpegFactor dialog(m_context, this);
    dialog.exec();
}

void TMyPreview::MenuPdfClick()
{
    const QString initial = g_lastPdfFile.isEmpty() ? QFileInfo(m_context.settings.LastExportBitmapFile).absolutePath()
                                                    : g_lastPdfFile;
    const QString path = askSaveFile(this, QStringLiteral("Save Puzzle As PDF"), QStringLiteral("PDF (*.pdf)"),
                                     QStringLiteral("pdf"), initial);
    if (path.isEmpty())
        return;
    g_lastPdfFile = path;
    const IoResult result = VectorExport::writePdf(m_report->Fitted, path);
    if (!result)
        ReportWriteError(this, result, path);
}

void TMyPreview::MenuSvgClick()
{
    const QString initial = g_lastSvgFile.isEmpty() ? QFileInfo(m_context.settings.LastExportBitmapFile).absolutePath()
                                                    : g_lastSvgFile;
    const QString path = askSaveFile(this, QStringLiteral("Save Puzzle As SVG"), QStringLiteral("SVG (*.svg)"),
                                     QStringLiteral("svg"), initial);
    if (path.isEmpty())
        return;
    g_lastSvgFile = path;
    const IoResult result = VectorExport::writeSvg(m_report->Fitted, path);
    if (!result)
        ReportWriteError(this, result, path);
}

void TMyPreview::MenuIpuzClick()
{
    ExportSolving(SolvingFormat::Ipuz);
}

void TMyPreview::MenuAcrossLiteClick()
{
    ExportSolving(SolvingFormat::AcrossLite);
}

void TMyPreview::MenuWebPuzzleClick()
{
    ExportSolving(SolvingFormat::WebPuzzle);
}

void TMyPreview::MenuHtmlClick()
{
    const std::shared_ptr<const TReportPage> report = m_report;
    const int format = m_context.settings.PixelFormat;
    THtmlCreation window(m_context, [this, report, format](int width) {
        // Drawn as the JPEG export draws it; the preview's zoom is put back afterwards.
        const double remembered = m_zoom;
        SetZoom(ZoomForWidth(width));
        QImage image = report->Image(width, RasterExport::pixelFormatFromSetting(format));
        SetZoom(remembered);
        return image;
    }, this);
    window.exec();
}

void TMyPreview::MenuCluesClick()
{
    ExportText(TextExport::Content::Clues);
}

void TMyPreview::MenuWordsClick()
{
    ExportText(TextExport::Content::Words);
}
