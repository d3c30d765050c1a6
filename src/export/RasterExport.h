#pragma once
// The page as a raster image: rendering at a pixel width, and BMP, JPEG and PNG files of it.

#include "render/PageRenderer.h"
#include "store/IoResult.h"

#include <QImage>
#include <QString>

namespace RasterExport {

/** Colour depth of the page image ("Pixel Format"): 1 = 24 bits per pixel, 2 = 8 bits with a palette. */
enum class PixelFormat { Rgb24 = 1, Indexed8 = 2 };

/** Widths the width dialog can give (up to 4 digits). */
constexpr int MinWidth = 1;
constexpr int MaxWidth = 9999;
/** JPEG quality factor range. */
constexpr int MinQuality = 1;
constexpr int MaxQuality = 100;

/** The "Pixel Format" setting as a format; anything but 2 is 24-bit. */
PixelFormat pixelFormatFromSetting(int setting);

/** Height of the page image for a width: width x paper height / paper width, to the nearest pixel. */
int pageImageHeight(QSizeF paperInches, int width);

/** A rendered page image and the fitted page it was drawn from (for the overflow warnings). */
struct TPageImage {
    QImage Image;       ///< null when the width is out of range or the image could not be allocated
    TFittedPage Page;
};

/**
 * Draws the page on a white image exactly width pixels wide, its height following the paper,
 * in 24-bit colour or reduced to 256 colours. The image carries the resolution it was drawn at.
 */
TPageImage renderPageImage(const TPuzzleRecord& puzzle, const TPageLayout& layout, const TRenderOptions& options,
                           int width, PixelFormat format);

/**
 * Draws a fitted page on a white image exactly width pixels wide, its height following the
 * paper to the nearest pixel, in 24-bit colour or reduced to 256 colours; the image carries the
 * resolution it was drawn at. Null for a width out of range.
 */
QImage drawPageImage(const TFittedPage& page, int width, PixelFormat format);

/**
 * The bytes of a Windows bitmap file: 8 bits per pixel with a 256-entry palette for an indexed
 * image, 24 bits per pixel otherwise; rows bottom-up, each padded to 4 bytes.
 */
QByteArray encodeBmp(const QImage& image);

/** JPEG bytes through libjpeg with the quality factor (clamped to 1..100), 24-bit colour. */
IoResult encodeJpeg(const QImage& image, int quality, QByteArray& bytes);

/** PNG bytes. */
QByteArray encodePng(const QImage& image);

/** Writes the file through a temporary file beside it, so a failure leaves no partial file. */
IoResult writeBmp(const QImage& image, const QString& path);
IoResult writeJpeg(const QImage& image, int quality, const QString& path);
IoResult writePng(const QImage& image, const QString& path);

} // namespace RasterExport
