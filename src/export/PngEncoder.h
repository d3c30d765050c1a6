#pragma once
// PNG files of page images, written fast: pages are large and mostly flat colour.

#include <QByteArray>
#include <QImage>

namespace PngEncoder {

/**
 * The PNG bytes of an image, pixel for pixel the same picture in the smallest of three forms
 * that holds it exactly: 8-bit grey when every pixel is grey (black print on white), 8-bit
 * with a palette when at most 256 colours occur (or the image is already indexed), else 24-bit
 * colour. Rows are filtered with "Up" (grey and colour; none for a palette) and compressed with
 * zlib's run-length strategy at level 1, which suits large areas of one colour: a letter page of
 * 8500 pixels is encoded in a fraction of the time of the default level, and smaller. Large
 * images are compressed in two halves on two threads, joined into one zlib stream. The image's
 * resolution is kept (pHYs). Empty for a null image.
 */
QByteArray encode(const QImage& image);

} // namespace PngEncoder
