#include "export/VectorExport.h"

#include "render/PageCanvasPainter.h"
#include "store/Ansi.h"
#include "store/RecordFile.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cmath>

namespace VectorExport {

namespace {

/** Fits the page, hands the result to fitted when given and returns what encode makes of it. */
template <typename Encode>
QByteArray fitAndEncode(const TPuzzleRecord& puzzle, const TPageLayout& layout, const TRenderOptions& options,
                        TFittedPage* fitted, Encode encode)
{
    TFittedPage page = FitPage(puzzle, layout, options);
    QByteArray bytes = encode(page);
    if (fitted)
        *fitted = std::move(page);
    return bytes;
}

} // namespace

QByteArray encodePdf(const TPuzzleRecord& puzzle, const TPageLayout& layout, const TRenderOptions& options,
                     TFittedPage* fitted)
{
    return fitAndEncode(puzzle, layout, options, fitted, [](const TFittedPage& page) { return encodePdf(page); });
}

QByteArray encodeSvg(const TPuzzleRecord& puzzle, const TPageLayout& layout, const TRenderOptions& options,
                     TFittedPage* fitted)
{
    return fitAndEncode(puzzle, layout, options, fitted, [](const TFittedPage& page) { return encodeSvg(page); });
}

QByteArray encodePdf(const TFittedPage& page)
{
    const QSizeF paper(page.PaperWidth, page.PaperHeight);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        const QPageSize size(QSizeF(std::min(paper.width(), paper.height()), std::max(paper.width(), paper.height())),
                             QPageSize::Inch, QString(), QPageSize::ExactMatch);
        writer.setPageLayout(QPageLayout(size, paper.width() > paper.height() ? QPageLayout::Landscape : QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0), QPageLayout::Inch));
        writer.setResolution(PdfDotsPerInch);
        writer.setCreator(QStringLiteral("Quorvex"));
        writer.setTitle(page.Title);
        QPainter painter;
        if (!painter.begin(&writer))
            return {};
        TPainterCanvas canvas(painter, paper, PdfDotsPerInch);
        DrawPage(page, canvas);
        painter.end();
    }
    return bytes;
}

QByteArray encodeSvg(const TFittedPage& page)
{
    const QSizeF paper(page.PaperWidth, page.PaperHeight);
    const QSize units(int(std::ceil(paper.width() * SvgUnitsPerInch)), int(std::ceil(paper.height() * SvgUnitsPerInch)));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setResolution(SvgUnitsPerInch);
        generator.setSize(units);
        generator.setViewBox(QRect(QPoint(0, 0), units));
        // The generator writes the title into the XML as it is: markup characters are escaped here.
        generator.setTitle(Ansi::plainText(page.Title).toHtmlEscaped());
        generator.setDescription(QStringLiteral("Quorvex"));
        QPainter painter;
        if (!painter.begin(&generator))
            return {};
        painter.fillRect(QRect(QPoint(0, 0), units), Qt::white);
        TPainterCanvas canvas(painter, paper, SvgUnitsPerInch);
        DrawPage(page, canvas);
        painter.end();
    }
    return bytes;
}

namespace {

IoResult writeBytes(const QByteArray& bytes, const QString& path, const char* kind)
{
    if (bytes.isEmpty())
        return IoResult::failed(IoResult::IoError, QStringLiteral("The page could not be drawn as %1").arg(QLatin1String(kind)));
    return RecordFile::replaceWhole(path, bytes);
}

} // namespace

IoResult writePdf(const TPuzzleRecord& puzzle, const TPageLayout& layout, const TRenderOptions& options,
                  const QString& path, TFittedPage* fitted)
{
    return writeBytes(encodePdf(puzzle, layout, options, fitted), path, "PDF");
}

IoResult writeSvg(const TPuzzleRecord& puzzle, const TPageLayout& layout, const TRenderOptions& options,
                  const QString& path, TFittedPage* fitted)
{
    return writeBytes(encodeSvg(puzzle, layout, options, fitted), path, "SVG");
}

IoResult writePdf(const TFittedPage& page, const QString& path)
{
    return writeBytes(encodePdf(page), path, "PDF");
}

IoResult writeSvg(const TFittedPage& page, const QString& path)
{
    return writeBytes(encodeSvg(page), path, "SVG");
}

} // namespace VectorExport
