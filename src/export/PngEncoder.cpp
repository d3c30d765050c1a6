#include "export/PngEncoder.h"

#include <QList>
#include <array>
#include <thread>
#include <vector>
#include <zlib.h>

namespace PngEncoder {

namespace {

/** PNG colour types used here. */
enum class Form : std::uint8_t { Grey = 0, Colour = 2, Palette = 3 };

constexpr int MaxPaletteColours = 256;
/** Images with fewer pixels are compressed on one thread. */
constexpr qint64 ParallelPixels = 2'000'000;
/** Filtered bytes handed to zlib at a time. */
constexpr qsizetype DeflateBatch = 256 * 1024;
/** Largest IDAT chunk written. */
constexpr qsizetype MaxChunk = 1 << 20;
constexpr std::uint8_t FilterNone = 0;
constexpr std::uint8_t FilterUp = 2;

/** The colours of a palette image and a fast lookup from colour to index. */
class Palette {
public:
    /** Index of a colour, adding it; -1 once more than 256 colours occurred. */
    int indexOf(QRgb colour)
    {
        colour |= 0xFF000000u;
        if (colour == m_last)
            return m_lastIndex;
        std::size_t slot = (colour * 2654435761u) >> 23; // 9 bits: 512 slots, at most half used
        while (m_used[slot] && m_keys[slot] != colour)
            slot = (slot + 1) & (m_keys.size() - 1);
        if (!m_used[slot]) {
            if (Colours.size() == MaxPaletteColours)
                return -1;
            m_used[slot] = true;
            m_keys[slot] = colour;
            m_values[slot] = std::uint8_t(Colours.size());
            Colours.append(colour);
        }
        m_last = colour;
        m_lastIndex = m_values[slot];
        return m_lastIndex;
    }

    QList<QRgb> Colours;

private:
    std::array<QRgb, 512> m_keys{};
    std::array<std::uint8_t, 512> m_values{};
    std::array<bool, 512> m_used{};
    QRgb m_last = 0;
    int m_lastIndex = -1;
};

/** The image as it will be stored: its form, palette and bytes per pixel. */
struct Plan {
    Form form = Form::Colour;
    QList<QRgb> palette;
    int bytesPerPixel = 3;
};

Plan planFor(const QImage& image)
{
    Plan plan;
    if (image.format() == QImage::Format_Indexed8) {
        plan.form = Form::Palette;
        plan.palette = image.colorTable();
        plan.bytesPerPixel = 1;
        return plan;
    }
    bool grey = true;
    bool fewColours = true;
    Palette palette;
    for (int y = 0; y < image.height() && (grey || fewColours); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = row[x];
            grey = grey && qRed(c) == qGreen(c) && qGreen(c) == qBlue(c);
            fewColours = fewColours && palette.indexOf(c) >= 0;
            if (!grey && !fewColours)
                break;
        }
    }
    if (grey) {
        plan.form = Form::Grey;
        plan.bytesPerPixel = 1;
    } else if (fewColours) {
        plan.form = Form::Palette;
        plan.palette = palette.Colours;
        plan.bytesPerPixel = 1;
    }
    return plan;
}

/** The stored bytes of one row (without the filter byte). */
void rowBytes(const QImage& image, const Plan& plan, Palette& lookup, int y, std::uint8_t* out)
{
    const int width = image.width();
    if (image.format() == QImage::Format_Indexed8) {
        std::copy_n(image.constScanLine(y), width, out);
        return;
    }
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    switch (plan.form) {
    case Form::Grey:
        for (int x = 0; x < width; ++x)
            out[x] = std::uint8_t(qRed(row[x]));
        break;
    case Form::Palette:
        for (int x = 0; x < width; ++x)
            out[x] = std::uint8_t(lookup.indexOf(row[x]));
        break;
    case Form::Colour:
        for (int x = 0; x < width; ++x) {
            out[3 * x] = std::uint8_t(qRed(row[x]));
            out[3 * x + 1] = std::uint8_t(qGreen(row[x]));
            out[3 * x + 2] = std::uint8_t(qBlue(row[x]));
        }
        break;
    }
}

/** One part of the rows compressed as raw deflate data, and the Adler-32 sum of its filtered bytes. */
struct Part {
    QByteArray deflated;
    uLong adler = adler32(0, nullptr, 0);
    qint64 length = 0;
    bool ok = false;
};

/**
 * Filters and compresses rows [first, last). A part that is not the last ends on a byte boundary
 * without a final block, so that the parts join into one deflate stream.
 */
void compressRows(const QImage& image, const Plan& plan, int first, int last, bool lastPart, Part& part)
{
    z_stream zs{};
    if (deflateInit2(&zs, 1, Z_DEFLATED, -MAX_WBITS, 8, Z_RLE) != Z_OK)
        return;
    Palette lookup;
    for (QRgb c : plan.palette)
        lookup.indexOf(c);
    const qsizetype stride = qsizetype(image.width()) * plan.bytesPerPixel;
    const std::uint8_t filter = plan.form == Form::Palette ? FilterNone : FilterUp;
    std::vector<std::uint8_t> previous(static_cast<std::size_t>(stride), 0);
    std::vector<std::uint8_t> current(static_cast<std::size_t>(stride), 0);
    if (first > 0 && filter == FilterUp)
        rowBytes(image, plan, lookup, first - 1, previous.data());
    QByteArray batch;
    batch.reserve(DeflateBatch + stride + 1);
    std::vector<char> out(DeflateBatch);
    bool ok = true;
    auto flush = [&](int mode) {
        part.adler = adler32(part.adler, reinterpret_cast<const Bytef*>(batch.constData()), uInt(batch.size()));
        part.length += batch.size();
        zs.next_in = reinterpret_cast<Bytef*>(batch.data());
        zs.avail_in = uInt(batch.size());
        do {
            zs.next_out = reinterpret_cast<Bytef*>(out.data());
            zs.avail_out = uInt(out.size());
            const int status = deflate(&zs, mode);
            ok = ok && status != Z_STREAM_ERROR;
            part.deflated.append(out.data(), qsizetype(out.size() - zs.avail_out));
        } while (zs.avail_out == 0);
        batch.clear();
    };
    for (int y = first; y < last; ++y) {
        rowBytes(image, plan, lookup, y, current.data());
        batch.append(char(filter));
        if (filter == FilterUp) {
            const qsizetype at = batch.size();
            batch.resize(at + stride);
            auto* filtered = reinterpret_cast<std::uint8_t*>(batch.data() + at);
            for (qsizetype i = 0; i < stride; ++i)
                filtered[i] = std::uint8_t(current[std::size_t(i)] - previous[std::size_t(i)]);
            current.swap(previous);
        } else {
            batch.append(reinterpret_cast<const char*>(current.data()), stride);
        }
        if (batch.size() >= DeflateBatch)
            flush(Z_NO_FLUSH);
    }
    flush(lastPart ? Z_FINISH : Z_SYNC_FLUSH);
    deflateEnd(&zs);
    part.ok = ok;
}

QByteArray bigEndian(std::initializer_list<std::uint32_t> numbers)
{
    QByteArray out;
    for (std::uint32_t n : numbers) {
        out += char(n >> 24);
        out += char(n >> 16);
        out += char(n >> 8);
        out += char(n);
    }
    return out;
}

void appendChunk(QByteArray& png, const char* type, const QByteArray& data)
{
    const QByteArray chunk = QByteArray(type, 4) + data;
    png += bigEndian({std::uint32_t(data.size())});
    png += chunk;
    png += bigEndian({std::uint32_t(crc32(0, reinterpret_cast<const Bytef*>(chunk.constData()), uInt(chunk.size())))});
}

} // namespace

QByteArray encode(const QImage& source)
{
    if (source.isNull())
        return {};
    const QImage image = source.format() == QImage::Format_Indexed8 || source.format() == QImage::Format_RGB32
        ? source
        : source.convertToFormat(QImage::Format_RGB32);
    const Plan plan = planFor(image);

    // The rows in one or two parts, the second on a thread of its own.
    const bool split = qint64(image.width()) * image.height() >= ParallelPixels && std::thread::hardware_concurrency() > 1;
    const int middle = split ? image.height() / 2 : image.height();
    Part top, bottom;
    std::thread worker;
    if (split)
        worker = std::thread([&] { compressRows(image, plan, middle, image.height(), true, bottom); });
    compressRows(image, plan, 0, middle, !split, top);
    if (split)
        worker.join();
    if (!top.ok || (split && !bottom.ok))
        return {};

    QByteArray stream("\x78\x01", 2); // zlib header: deflate, 32K window, fastest
    stream += top.deflated;
    uLong adler = top.adler;
    if (split) {
        stream += bottom.deflated;
        adler = adler32_combine(adler, bottom.adler, z_off_t(bottom.length));
    }
    stream += bigEndian({std::uint32_t(adler)});

    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    QByteArray header = bigEndian({std::uint32_t(image.width()), std::uint32_t(image.height())});
    header += char(8);                 // bits per sample
    header += char(plan.form);
    header += QByteArray(3, '\0');     // deflate, adaptive filtering, no interlace
    appendChunk(png, "IHDR", header);
    if (plan.form == Form::Palette) {
        QByteArray colours;
        for (QRgb c : plan.palette) {
            colours += char(qRed(c));
            colours += char(qGreen(c));
            colours += char(qBlue(c));
        }
        appendChunk(png, "PLTE", colours);
    }
    if (image.dotsPerMeterX() > 0 && image.dotsPerMeterY() > 0)
        appendChunk(png, "pHYs", bigEndian({std::uint32_t(image.dotsPerMeterX()), std::uint32_t(image.dotsPerMeterY())})
                                     + QByteArray(1, '\1'));
    for (qsizetype at = 0; at < stream.size(); at += MaxChunk)
        appendChunk(png, "IDAT", stream.mid(at, MaxChunk));
    appendChunk(png, "IEND", {});
    return png;
}

} // namespace PngEncoder
