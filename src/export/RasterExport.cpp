#include "export/RasterExport.h"

#include "render/PageCanvasPainter.h"
#include "store/ByteIO.h"
#include "store/RecordFile.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstring>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace RasterExport {

namespace {

constexpr double InchesPerMetre = 39.37007874015748;
constexpr int BmpFileHeaderSize = 14;
constexpr int BmpInfoHeaderSize = 40;
constexpr int BmpPaletteEntries = 256;

} // namespace

PixelFormat pixelFormatFromSetting(int setting)
{
    return setting == 2 ? PixelFormat::Indexed8 : PixelFormat::Rgb24;
}

int pageImageHeight(QSizeF paperInches, int width)
{
    if (paperInches.width() <= 0)
        return 0;
    return static_cast<int>(std::nearbyint(width * paperInches.height() / paperInches.width()));
}

TPageImage renderPageImage(const TPuzzleRecord& puzzle, const TPageLayout& layout, const TRenderOptions& options,
                           int width, PixelFormat format)
{
    TPageImage out;
    if (width < MinWidth || width > MaxWidth)
        return out;
    out.Page = FitPage(puzzle, layout, options);
    out.Image = drawPageImage(out.Page, width, format);
    return out;
}

QImage drawPageImage(const TFittedPage& page, int width, PixelFormat format)
{
    const QSizeF paper(page.PaperWidth, page.PaperHeight);
    if (width < MinWidth || width > MaxWidth || paper.width() <= 0)
        return {};
    const int height = pageImageHeight(paper, width);
    if (height < 1)
        return {};
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    const double dpi = width / paper.width();
    image.setDotsPerMeterX(int(std::lround(dpi * InchesPerMetre)));
    image.setDotsPerMeterY(int(std::lround(dpi * InchesPerMetre)));
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        TPainterCanvas canvas(painter, paper, dpi);
        DrawPage(page, canvas);
    }
    if (format == PixelFormat::Indexed8)
        image = image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    return image;
}

QByteArray encodeBmp(const QImage& source)
{
    if (source.isNull())
        return {};
    const bool indexed = source.format() == QImage::Format_Indexed8;
    const QImage image = indexed ? source : source.convertToFormat(QImage::Format_RGB32);
    const int bits = indexed ? 8 : 24;
    const qint64 rowSize = ((qint64(image.width()) * bits + 31) / 32) * 4;
    const qint64 pixelBytes = rowSize * image.height();
    const int paletteBytes = indexed ? BmpPaletteEntries * 4 : 0;
    const qint64 offset = BmpFileHeaderSize + BmpInfoHeaderSize + paletteBytes;
    if (offset + pixelBytes > 0x7FFFFFFF)
        return {};

    ByteWriter out;
    out.u8('B');
    out.u8('M');
    out.u32(std::uint32_t(offset + pixelBytes));
    out.u16(0);
    out.u16(0);
    out.u32(std::uint32_t(offset));
    out.u32(BmpInfoHeaderSize);
    out.i32(image.width());
    out.i32(image.height());   // positive: rows stored bottom-up
    out.u16(1);
    out.u16(std::uint16_t(bits));
    out.u32(0);                // BI_RGB, no compression
    out.u32(std::uint32_t(pixelBytes));
    out.i32(image.dotsPerMeterX());
    out.i32(image.dotsPerMeterY());
    out.u32(indexed ? BmpPaletteEntries : 0);
    out.u32(0);
    if (indexed) {
        const QList<QRgb> table = image.colorTable();
        for (int i = 0; i < BmpPaletteEntries; ++i) {
            const QRgb c = i < table.size() ? table.at(i) : 0;
            out.u8(std::uint8_t(qBlue(c)));
            out.u8(std::uint8_t(qGreen(c)));
            out.u8(std::uint8_t(qRed(c)));
            out.u8(0);
        }
    }
    QByteArray bytes = out.data();
    bytes.reserve(qsizetype(offset + pixelBytes));
    QByteArray row(qsizetype(rowSize), '\0');
    for (int y = image.height() - 1; y >= 0; --y) {
        const uchar* line = image.constScanLine(y);
        if (indexed) {
            std::memcpy(row.data(), line, std::size_t(image.width()));
        } else {
            const auto* pixels = reinterpret_cast<const QRgb*>(line);
            for (int x = 0; x < image.width(); ++x) {
                row[3 * x] = char(qBlue(pixels[x]));
                row[3 * x + 1] = char(qGreen(pixels[x]));
                row[3 * x + 2] = char(qRed(pixels[x]));
            }
        }
        bytes.append(row);
    }
    return bytes;
}

namespace {

struct JpegErrors {
    jpeg_error_mgr Manager;
    std::jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
};

void jpegFail(j_common_ptr info)
{
    auto* errors = reinterpret_cast<JpegErrors*>(info->err);
    (*info->err->format_message)(info, errors->Message);
    std::longjmp(errors->Jump, 1);
}

// Compresses tightly packed RGB rows. Kept free of C++ objects with destructors because an
// error leaves it through longjmp.
bool compressRgb(const unsigned char* rgb, int width, int height, std::size_t stride, int quality, int dpi,
                 unsigned char** buffer, unsigned long* size, char* message)
{
    jpeg_compress_struct info;
    JpegErrors errors;
    info.err = jpeg_std_error(&errors.Manager);
    errors.Manager.error_exit = jpegFail;
    errors.Message[0] = '\0';
    if (setjmp(errors.Jump)) {
        jpeg_destroy_compress(&info);
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", errors.Message);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, buffer, size);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    info.density_unit = 1;   // dots per inch
    info.X_density = UINT16(dpi);
    info.Y_density = UINT16(dpi);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb + std::size_t(info.next_scanline) * stride);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

IoResult encodeJpeg(const QImage& image, int quality, QByteArray& bytes)
{
    bytes.clear();
    if (image.isNull())
        return IoResult::failed(IoResult::Refused, QStringLiteral("No image to write"));
    // An 8-bit page image is expanded through its palette: JPEG holds colour, not palettes.
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const int dpi = std::clamp(int(std::lround(image.dotsPerMeterX() / InchesPerMetre)), 1, 65535);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    char message[JMSG_LENGTH_MAX] = {};
    const bool ok = compressRgb(rgb.constBits(), rgb.width(), rgb.height(), std::size_t(rgb.bytesPerLine()),
                                std::clamp(quality, MinQuality, MaxQuality), dpi, &buffer, &size, message);
    if (ok)
        bytes = QByteArray(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    if (!ok)
        return IoResult::failed(IoResult::IoError, QString::fromLocal8Bit(message));
    return IoResult::ok();
}

QByteArray encodePng(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image))
        return {};
    return bytes;
}

IoResult writeBmp(const QImage& image, const QString& path)
{
    const QByteArray bytes = encodeBmp(image);
    if (bytes.isEmpty())
        return IoResult::failed(IoResult::Refused, QStringLiteral("The image is too large for a bitmap file"));
    return RecordFile::replaceWhole(path, bytes);
}

IoResult writeJpeg(const QImage& image, int quality, const QString& path)
{
    QByteArray bytes;
    if (IoResult r = encodeJpeg(image, quality, bytes); !r)
        return r;
    return RecordFile::replaceWhole(path, bytes);
}

IoResult writePng(const QImage& image, const QString& path)
{
    const QByteArray bytes = encodePng(image);
    if (bytes.isEmpty())
        return IoResult::failed(IoResult::IoError, QStringLiteral("The image could not be encoded as PNG"));
    return RecordFile::replaceWhole(path, bytes);
}

} // namespace RasterExport
