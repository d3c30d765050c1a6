#include "export/OutputFormat.h"

#include "export/FittedTexts.h"
#include "export/HtmlExport.h"
#include "export/IpuzExport.h"
#include "export/MetafileExport.h"
#include "export/PuzExport.h"
#include "export/RasterExport.h"
#include "export/SolverPageExport.h"
#include "export/TextExport.h"
#include "export/VectorExport.h"
#include "store/RecordFile.h"

#include <QDir>
#include <QFileInfo>

namespace {

using RasterExport::PixelFormat;

/** The "Pixel Format" setting: the depth of every picture but PNG's. */
PixelFormat settingFormat(const TExportRequest& r)
{
    return RasterExport::pixelFormatFromSetting(r.Preferences->PixelFormat);
}

/** Draws the page image at the asked width and hands it to write. */
template <typename Write>
IoResult writeImage(const TExportRequest& r, PixelFormat format, Write write)
{
    const QImage image = RasterExport::drawPageImage(*r.Page, r.PixelWidth, format);
    if (image.isNull())
        return IoResult::failed(IoResult::Refused,
                                QStringLiteral("cannot draw a page %1 pixels wide").arg(r.PixelWidth));
    return write(image);
}

IoResult writeMetafile(const TExportRequest& r, MetafileKind kind)
{
    return MetafileExport::writeMetafile(*r.Page, kind, r.Path);
}

IoResult writeText(const TExportRequest& r, TextExport::Content content)
{
    return TextExport::writeClueText(*r.Puzzle, content, r.Path);
}

/** The web page's picture: beside the document, named after it. */
QString webPicture(const QString& path)
{
    return QFileInfo(path).absoluteDir().filePath(HtmlExport::pictureName(path));
}

} // namespace

QStringList TOutputFormat::outputFiles(const QString& path) const
{
    QStringList files{path};
    if (Companion)
        files.append(Companion(path));
    return files;
}

namespace OutputFormats {

std::span<const TOutputFormat> all()
{
    // Made on first use, once the writers' message texts exist.
    static const TOutputFormat Formats[] = {
        {.Name = QStringLiteral("wmf"), .Suffix = QStringLiteral("WMF"), .Filter = QStringLiteral("Metafile (*.WMF)"),
         .Title = QStringLiteral("Save Puzzle As MetaFile"), .LastFile = &Settings::LastExportWMFFile,
         .Write = [](const TExportRequest& r) { return writeMetafile(r, MetafileKind::Wmf); },
         .LeavesOutPictures = true, .WriteFailedMessage = QStringLiteral("The metafile could not be written."),
         .Place = PreviewPlace::GraphicMenu, .Steps = PreviewSteps::ProgressWindow,
         .Caption = QStringLiteral("&Windows MetaFile (WMF)"), .ActionName = QStringLiteral("MenuWmf"),
         .Shortcut = QStringLiteral("Ctrl+W"), .ToolCaption = QStringLiteral("Export As Metafile"),
         .ToolName = QStringLiteral("ToolMetafile")},
        {.Name = QStringLiteral("emf"), .Suffix = QStringLiteral("EMF"),
         .Filter = QStringLiteral("Enhanced Metafile (*.EMF)"),
         .Title = QStringLiteral("Save Puzzle As Enhanced MetaFile"), .LastFile = &Settings::LastExportEMFFile,
         .Write = [](const TExportRequest& r) { return writeMetafile(r, MetafileKind::Emf); },
         .LeavesOutPictures = true, .WriteFailedMessage = QStringLiteral("The metafile could not be written."),
         .Place = PreviewPlace::GraphicMenu, .Steps = PreviewSteps::ProgressWindow,
         .Caption = QStringLiteral("&Enhanced MetaFile (EMF)"), .ActionName = QStringLiteral("MenuEmf"),
         .Shortcut = QStringLiteral("Ctrl+E")},
        {.Name = QStringLiteral("bmp"), .Suffix = QStringLiteral("BMP"), .Filter = QStringLiteral("Bitmap (*.BMP)"),
         .Title = QStringLiteral("Save Puzzle As Bitmap"), .LastFile = &Settings::LastExportBitmapFile,
         .Write = [](const TExportRequest& r) {
             return writeImage(r, settingFormat(r),
                               [&](const QImage& image) { return RasterExport::writeBmp(image, r.Path); });
         },
         .Place = PreviewPlace::GraphicMenu, .Steps = PreviewSteps::WidthFirst,
         .Caption = QStringLiteral("Windows &Bitmap (BMP)"), .ActionName = QStringLiteral("MenuBmp"),
         .Shortcut = QStringLiteral("Ctrl+B"), .ToolCaption = QStringLiteral("Export As Bitmap"),
         .ToolName = QStringLiteral("ToolBitmap")},
        {.Name = QStringLiteral("jpg"), .Suffix = QStringLiteral("JPG"), .Filter = QStringLiteral("JPeg (*.JPG)"),
         .Title = QStringLiteral("Save Puzzle As JPeg"), .LastFile = &Settings::LastExportJPEGFile,
         .Write = [](const TExportRequest& r) {
             return writeImage(r, settingFormat(r),
                               [&](const QImage& image) { return RasterExport::writeJpeg(image, r.Quality, r.Path); });
         },
         .UsesQuality = true, .Place = PreviewPlace::GraphicMenu, .Steps = PreviewSteps::WidthFirst,
         .Caption = QStringLiteral("&JPEG (JPG)"), .ActionName = QStringLiteral("MenuJpeg"),
         .Shortcut = QStringLiteral("Ctrl+J"), .ToolCaption = QStringLiteral("Export As JPEG"),
         .ToolName = QStringLiteral("ToolJpeg")},
        {.Name = QStringLiteral("png"), .Suffix = QStringLiteral("png"), .Filter = QStringLiteral("PNG (*.png)"),
         .Title = QStringLiteral("Save Puzzle As PNG"),
         .Write = [](const TExportRequest& r) {
             return writeImage(r, PixelFormat::Rgb24,
                               [&](const QImage& image) { return RasterExport::writePng(image, r.Path); });
         },
         .Place = PreviewPlace::GraphicMenu, .Steps = PreviewSteps::WidthFirst,
         .Caption = QStringLiteral("Export as P&NG"), .ActionName = QStringLiteral("MenuPng"), .SeparatorBefore = true},
        {.Name = QStringLiteral("pdf"), .Suffix = QStringLiteral("pdf"), .Filter = QStringLiteral("PDF (*.pdf)"),
         .Title = QStringLiteral("Save Puzzle As PDF"),
         .Write = [](const TExportRequest& r) { return VectorExport::writePdf(*r.Page, r.Path); },
         .Place = PreviewPlace::GraphicMenu, .Caption = QStringLiteral("Export as &PDF"),
         .ActionName = QStringLiteral("MenuPdf")},
        {.Name = QStringLiteral("svg"), .Suffix = QStringLiteral("svg"), .Filter = QStringLiteral("SVG (*.svg)"),
         .Title = QStringLiteral("Save Puzzle As SVG"),
         .Write = [](const TExportRequest& r) { return VectorExport::writeSvg(*r.Page, r.Path); },
         .Place = PreviewPlace::GraphicMenu, .Caption = QStringLiteral("Export as &SVG"),
         .ActionName = QStringLiteral("MenuSvg")},
        {.Name = QStringLiteral("ipuz"), .Suffix = QStringLiteral("ipuz"), .Filter = QStringLiteral("iPUZ (*.ipuz)"),
         .Title = QStringLiteral("Save Puzzle As iPUZ"), .LastFile = &Settings::LastExportIPUZFile,
         .Input = ExportInput::Puzzle,
         .Write = [](const TExportRequest& r) { return IpuzExport::write(*r.Puzzle, *r.Options, r.Solving, r.Path); },
         .ShowsRefusal = true,
         .Warning = [](const TExportRequest& r) { return IpuzExport::nestedWarning(*r.Puzzle, *r.Options); },
         .Place = PreviewPlace::GraphicMenu, .Caption = QStringLiteral("Export as &iPUZ"),
         .ActionName = QStringLiteral("MenuIpuz"), .SeparatorBefore = true},
        {.Name = QStringLiteral("puz"), .Suffix = QStringLiteral("puz"),
         .Filter = QStringLiteral("Across Lite (*.puz)"),
         .Title = QStringLiteral("Save Puzzle As Across Lite"), .LastFile = &Settings::LastExportPUZFile,
         .Input = ExportInput::Puzzle,
         .Write = [](const TExportRequest& r) { return PuzExport::write(*r.Puzzle, *r.Options, r.Path); },
         .ShowsRefusal = true, .Place = PreviewPlace::GraphicMenu, .Caption = QStringLiteral("Export as &Across Lite"),
         .ActionName = QStringLiteral("MenuAcrossLite")},
        {.Name = QStringLiteral("solver"), .Suffix = QStringLiteral("html"),
         .Filter = QStringLiteral("Web Puzzle (*.html *.htm)"),
         .Title = QStringLiteral("Save Puzzle As Web Puzzle"), .LastFile = &Settings::LastExportWebPuzzleFile,
         .Input = ExportInput::Puzzle,
         .Write = [](const TExportRequest& r) {
             return SolverPageExport::write(*r.Puzzle, *r.Options, r.Solving, r.Path);
         },
         .ShowsRefusal = true, .Place = PreviewPlace::GraphicMenu, .Steps = PreviewSteps::SetupFirst,
         .Caption = QStringLiteral("Export as Web Pu&zzle"), .ActionName = QStringLiteral("MenuWebPuzzle")},
        {.Name = QStringLiteral("html"), .Suffix = QStringLiteral("htm"), .Filter = QStringLiteral("html (*.htm)"),
         .Title = QStringLiteral("Save HTML Document"), .LastFile = &Settings::LastExportHTMLFile,
         .Write = [](const TExportRequest& r) {
             return HtmlExport::writeHtml(*r.Page, *r.Preferences, r.PixelWidth, r.Quality, r.Path);
         },
         .Companion = webPicture, .UsesQuality = true, .CreateFailedMessage = HtmlExport::CreateFailedMessage,
         .Place = PreviewPlace::MenuBar, .Steps = PreviewSteps::WebPageWindow,
         .Caption = QStringLiteral("&HTML Export"),
         .ActionName = QStringLiteral("MenuHtml"), .ToolCaption = QStringLiteral("Create Web Page"),
         .ToolName = QStringLiteral("ToolHtml")},
        {.Name = QStringLiteral("clues"), .Suffix = QStringLiteral("txt"), .Filter = QStringLiteral("text (*.txt)"),
         .Title = QStringLiteral("Export Clues"), .LastFile = &Settings::LastExportTextFile,
         .Input = ExportInput::Record,
         .Write = [](const TExportRequest& r) { return writeText(r, TextExport::Content::Clues); },
         .CreateFailedMessage = TextExport::CreateFailedMessage, .Place = PreviewPlace::TextMenu,
         .Caption = QStringLiteral("&Clues"), .ActionName = QStringLiteral("MenuClues")},
        {.Name = QStringLiteral("words"), .Suffix = QStringLiteral("txt"), .Filter = QStringLiteral("text (*.txt)"),
         .Title = QStringLiteral("Export Clues"), .LastFile = &Settings::LastExportTextFile,
         .Input = ExportInput::Record,
         .Write = [](const TExportRequest& r) { return writeText(r, TextExport::Content::Words); },
         .CreateFailedMessage = TextExport::CreateFailedMessage, .Place = PreviewPlace::TextMenu,
         .Caption = QStringLiteral("&Words"), .ActionName = QStringLiteral("MenuWords")},
        {.Name = QStringLiteral("fitted"), .Suffix = QStringLiteral("txt"),
         .Write = [](const TExportRequest& r) { return RecordFile::replaceWhole(r.Path, FittedTextsReport(*r.Page)); }},
    };
    return Formats;
}

const TOutputFormat* find(const QString& name)
{
    for (const TOutputFormat& format : all()) {
        if (format.Name == name)
            return &format;
    }
    return nullptr;
}

} // namespace OutputFormats
