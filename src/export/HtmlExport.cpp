#include "export/HtmlExport.h"

#include "export/RasterExport.h"
#include "store/Ansi.h"
#include "store/RecordFile.h"
#include "store/SystemFile.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace HtmlExport {

namespace {

const QString LineEnd = QStringLiteral("\r\n");
constexpr int MinFontSize = 1;
constexpr int MaxFontSize = 7;

/** Line breaks as CR LF whatever the text editor gave: a lone LF gains its CR. */
QString crLf(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'\n' && (i == 0 || text.at(i - 1) != u'\r'))
            out += u'\r';
        out += text.at(i);
    }
    return out;
}

} // namespace

QString pictureName(const QString& documentPath)
{
    const QString name = QFileInfo(documentPath).fileName();
    return name.left(std::max<qsizetype>(0, name.size() - 3)) + QStringLiteral("JPG");
}

QString blockLine(const HtmlTextBlock& block)
{
    const QString text = crLf(Ansi::plainText(block.Text.left(BlockTextLength), true));
    if (text.isEmpty())
        return {};
    QString line = QStringLiteral("<FONT SIZE=%1>").arg(std::clamp(block.Font, MinFontSize, MaxFontSize)) + text
        + QStringLiteral("</FONT>");
    if (block.Bold)
        line = QStringLiteral("<B>") + line + QStringLiteral("</B>");
    if (block.Italic)
        line = QStringLiteral("<I>") + line + QStringLiteral("</I>");
    if (block.Center)
        line = QStringLiteral("<CENTER>") + line + QStringLiteral("</CENTER>");
    return QStringLiteral("  ") + line + QStringLiteral("<P>");
}

QByteArray documentBytes(const Settings& settings, const QString& pictureFileName)
{
    QString doc;
    const auto add = [&](const QString& line) { doc += line + LineEnd; };
    const auto addBlock = [&](const HtmlTextBlock& block) {
        const QString line = blockLine(block);
        if (!line.isEmpty())
            add(line);
    };
    add(QStringLiteral("<HTML>"));
    add(QStringLiteral(" <HEAD>"));
    add(QStringLiteral("  <TITLE>") + Ansi::trimSpaces(Ansi::plainText(settings.WebTitle)).left(TitleLength) + QStringLiteral("</TITLE>"));
    add(QStringLiteral("  <META NAME=\"GENERATOR\" CONTENT=\"Tavrel / Quorvex 97\">"));
    add(QStringLiteral(" </HEAD>"));
    add(QStringLiteral(" <BODY>"));
    addBlock(settings.FirstHeader);
    addBlock(settings.SecondHeader);
    if (settings.HorizontalUpper)
        add(QStringLiteral("  <HR><P>"));
    // The picture's name is an attribute value: a quote or markup in it is written as an entity.
    add(QStringLiteral("  <CENTER><IMG SRC=\"") + pictureFileName.toHtmlEscaped()
        + QStringLiteral("\" ALT=\"Quorvex 97 Puzzle\"></CENTER><P>"));
    if (settings.HorizontalLower)
        add(QStringLiteral("  <HR><P>"));
    addBlock(settings.FirstFooter);
    addBlock(settings.SecondFooter);
    add(QStringLiteral(" </BODY>"));
    add(QStringLiteral("</HTML>"));
    return Ansi::fromUnicode(doc);
}

IoResult writeHtml(const TPuzzleRecord& puzzle, const TRenderOptions& options, const Settings& settings,
                   int pixelWidth, int quality, const QString& htmlPath)
{
    return writeHtml(FitPage(puzzle, options), settings, pixelWidth, quality, htmlPath);
}

IoResult writeHtml(const TFittedPage& page, const Settings& settings, int pixelWidth, int quality,
                   const QString& htmlPath)
{
    if (pixelWidth < RasterExport::MinWidth || pixelWidth > RasterExport::MaxWidth)
        return IoResult::failed(IoResult::Refused, QStringLiteral("Invalid width specified.  Please correct."));
    const QImage image =
        RasterExport::drawPageImage(page, pixelWidth, RasterExport::pixelFormatFromSetting(settings.PixelFormat));
    return writePair(image, quality, settings, htmlPath);
}

IoResult writePair(const QImage& picture, int quality, const Settings& settings, const QString& htmlPath,
                   QString* failedPath)
{
    const QString name = pictureName(htmlPath);
    if (name == QFileInfo(htmlPath).fileName())
        return IoResult::failed(IoResult::Refused, QStringLiteral("The picture would be written over the document: "
                                                                  "choose a name that does not end in \"JPG\"."));
    // The picture goes beside the document whatever the working directory is.
    const QString picturePath = QFileInfo(htmlPath).absoluteDir().filePath(name);
    if (failedPath)
        *failedPath = picturePath;
    if (picture.isNull())
        return IoResult::failed(IoResult::IoError, QStringLiteral("The page image could not be drawn"));
    // A document the user may not replace is refused before its picture is written.
    if (const int error = SystemPath::mayChange(htmlPath)) {
        if (failedPath)
            *failedPath = htmlPath;
        return IoResult::failed(IoResult::Refused, SystemFile::errorText(error));
    }
    if (IoResult r = RasterExport::writeJpeg(picture, quality, picturePath); !r)
        return r;
    if (failedPath)
        *failedPath = htmlPath;
    return RecordFile::replaceWhole(htmlPath, documentBytes(settings, name));
}

} // namespace HtmlExport

IoResult exportHtml(const TPuzzleRecord& puzzle, const TRenderOptions& options, const Settings& settings,
                    int pixelWidth, int quality, const QString& htmlPath)
{
    return HtmlExport::writeHtml(puzzle, options, settings, pixelWidth, quality, htmlPath);
}
