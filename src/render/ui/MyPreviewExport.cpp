// The exports of the preview: every format of the output table that the preview offers.
#include "render/ui/MyPreview.h"

#include "ui/AppContext.h"
#include "ui/MessageService.h"
#include "export/MetafileExport.h"
#include "export/OutputFormat.h"
#include "export/RasterExport.h"
#include "export/ui/BitmapWidth.h"
#include "export/ui/HtmlCreation.h"
#include "export/ui/JpegFactor.h"
#include "export/ui/MetafileCreation.h"
#include "export/ui/WebPuzzleSetup.h"
#include "export/ui/WriteError.h"
#include "render/ui/ReportPage.h"

#include <QFileInfo>
#include <QHash>

namespace {

/** The last file of each format without a setting (PDF, SVG), kept for the program's run. */
QHash<QString, QString> g_lastFiles;

/** The text shown when a write failed: the format's own words, else the general write error. */
QString failureText(const TOutputFormat& format, const IoResult& result, const QString& path)
{
    if (result.status == IoResult::Refused && format.ShowsRefusal)
        return result.systemError;
    if (result.status == IoResult::OpenFailed && !format.CreateFailedMessage.isEmpty())
        return result.describe(format.CreateFailedMessage);
    return WriteErrorText(result, path, format.WriteFailedMessage);
}

} // namespace

void TMyPreview::MenuExportClick(const TOutputFormat& format)
{
    if (format.Steps == PreviewSteps::WebPageWindow) {
        ShowWebPageWindow();
        return;
    }
    Settings& settings = m_context.settings;
    if (format.Steps == PreviewSteps::WidthFirst) {
        TBitmapWidth widthDialog(m_context, format.UsesQuality ? TBitmapWidth::Mode::Jpeg : TBitmapWidth::Mode::Bitmap,
                                 this);
        if (widthDialog.exec() != QDialog::Accepted)
            return;
        settings.PixelWidth = widthDialog.Width();
    }
    if (format.Steps == PreviewSteps::SetupFirst) {
        TWebPuzzleSetup setup(m_context, this);
        if (setup.exec() != QDialog::Accepted)
            return;
    }

    QString initial = format.LastFile ? settings.*format.LastFile : g_lastFiles.value(format.Name);
    // A format without a setting of its own starts where the last bitmap went: that file's folder,
    // or the start folder, which the setting names until a bitmap is saved.
    if (!format.LastFile && initial.isEmpty()) {
        const QFileInfo bitmap(settings.LastExportBitmapFile);
        initial = settings.LastExportBitmapFile.isEmpty() ? m_context.StartDir
                  : bitmap.isDir()                        ? bitmap.absoluteFilePath()
                                                          : bitmap.absolutePath();
    }
    FileDialogRequest request;
    request.title = format.Title;
    request.filter = format.Filter;
    request.defaultSuffix = format.Suffix;
    request.initialPath = initial;
    request.confirmOverwrite = true;
    const QString path = MessageService::instance().saveFileName(this, request);
    if (path.isEmpty())
        return;
    (format.LastFile ? settings.*format.LastFile : g_lastFiles[format.Name]) = path;
    if (format.LeavesOutPictures && MetafileExport::hasBitmaps(m_report->Layout))
        MessageService::warning(this, MetafileExport::BitmapWarning);

    // The run's own page and puzzle: its separators and its headings; the web puzzle's set-up.
    const TExportRequest job{m_report->Puzzle.get(), &m_report->Options, &m_report->Fitted, &settings,
                             settings.PixelWidth, settings.JPegCompressionQuality, path,
                             {settings.WebPuzzleWordLengths, settings.WebPuzzleTimer, settings.Dictionary}};
    if (format.Steps == PreviewSteps::ProgressWindow) {
        // The metafile replays the preview's own drawing run.
        TMetafileCreation creation(m_context, [&job, &format]() -> QString {
            const IoResult result = format.Write(job);
            return result ? QString() : failureText(format, result, job.Path);
        }, this);
        creation.exec();
        return;
    }
    // A picture is drawn at the zoom that makes it exactly the chosen width; the preview keeps
    // that zoom when the write fails.
    const double remembered = m_zoom;
    const bool picture = format.Steps == PreviewSteps::WidthFirst;
    if (picture)
        SetZoom(ZoomForWidth(settings.PixelWidth));
    const IoResult result = format.Write(job);
    if (!result) {
        MessageService::error(this, failureText(format, result, path));
        return;
    }
    if (picture)
        SetZoom(remembered);
    if (format.Warning) {
        if (const QString warning = format.Warning(job); !warning.isEmpty())
            MessageService::warning(this, warning);
    }
}

void TMyPreview::ShowWebPageWindow()
{
    const std::shared_ptr<const TReportPage> report = m_report;
    const int pixelFormat = m_context.settings.PixelFormat;
    THtmlCreation window(m_context, [this, report, pixelFormat](int width) {
        // Drawn as the JPEG export draws it; the preview's zoom is put back afterwards.
        const double remembered = m_zoom;
        SetZoom(ZoomForWidth(width));
        QImage image = report->Image(width, RasterExport::pixelFormatFromSetting(pixelFormat));
        SetZoom(remembered);
        return image;
    }, this);
    window.exec();
}

void TMyPreview::MenuJpegFactorClick()
{
    TJpegFactor dialog(m_context, this);
    dialog.exec();
}
