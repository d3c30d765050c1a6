#include "export/MetafileCanvas.h"

#include "store/Ansi.h"
#include "store/WindowsColor.h"

#include <QFile>
#include <QTemporaryFile>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <vector>

#include <uwmf.h>   // includes uemf.h

namespace {

constexpr int InitialBuffer = 256 * 1024;
constexpr int BufferChunk = 256 * 1024;
constexpr int HandleTable = 32;
constexpr int PointsPerInch = 72;
constexpr int FaceNameChars = 31;   // LOGFONT face names hold 32 characters with the null

U_COLORREF colorRef(std::uint32_t color)
{
    // Both are 0x00BBGGRR: red in the low byte.
    const QColor c = ColorFromWindows(color);
    return colorref3_set(std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue()));
}

int clampUnits(long long v)
{
    return int(std::clamp<long long>(v, -MetafileLimits::MaxCoordinate, MetafileLimits::MaxCoordinate));
}

U_POINT16 point16(int x, int y)
{
    return point16_set(std::int16_t(clampUnits(x)), std::int16_t(clampUnits(y)));
}

U_RECT16 rect16(int left, int top, int right, int bottom)
{
    return U_RECT16_set(point16(left, top), point16(right, bottom));
}

U_RECTL rectl(int left, int top, int right, int bottom)
{
    return rectl_set(pointl_set(left, top), pointl_set(right, bottom));
}

/** A null-terminated UTF-16LE copy of a text (the machine is little-endian, as Qt's QChar layout). */
std::vector<std::uint16_t> utf16z(const QString& text)
{
    std::vector<std::uint16_t> out(text.utf16(), text.utf16() + text.size());
    out.push_back(0);
    return out;
}

} // namespace

struct TMetafileCanvas::Recorder {
    QTemporaryFile File;
    QByteArray FileName;
    EMFTRACK* Emf = nullptr;
    EMFHANDLES* EmfHandles = nullptr;
    WMFTRACK* Wmf = nullptr;
    WMFHANDLES* WmfHandles = nullptr;
    std::uint32_t Pen = 0;
    std::uint32_t Brush = 0;
    std::uint32_t Font = 0;
    bool Failed = false;
    bool Finished = false;

    ~Recorder()
    {
        if (Emf)
            emf_free(&Emf);
        if (EmfHandles)
            emf_htable_free(&EmfHandles);
        if (Wmf)
            wmf_free(&Wmf);
        if (WmfHandles)
            wmf_htable_free(&WmfHandles);
    }
};

TMetafileCanvas::TMetafileCanvas(MetafileKind kind, QSizeF paperInches)
    : m_kind(kind), m_paper(paperInches), m_rec(std::make_unique<Recorder>())
{
    using namespace MetafileLimits;
    m_units = QSize(toUnits(paperInches.width()), toUnits(paperInches.height()));
    m_physical = QSize(int(std::clamp(paperInches.width() * HundredthsMmPerInch * PhysicalScale, 0.0, 1.0e9)),
                       int(std::clamp(paperInches.height() * HundredthsMmPerInch * PhysicalScale, 0.0, 1.0e9)));

    // libUEMF assembles the file in memory and writes it to a named file at the end; that file
    // is a private temporary one, and the caller writes the bytes where they belong.
    Recorder& r = *m_rec;
    if (!r.File.open()) {
        r.Failed = true;
        return;
    }
    r.FileName = QFile::encodeName(r.File.fileName());
    r.File.close();

    if (kind == MetafileKind::Emf) {
        if (emf_start(r.FileName.constData(), InitialBuffer, BufferChunk, &r.Emf) != 0
            || emf_htable_create(HandleTable, HandleTable, &r.EmfHandles) != 0) {
            r.Failed = true;
            return;
        }
        // Description: creator, null, title, null, null.
        const QString text = Creator + QChar(0) + Description + QChar(0) + QChar(0);
        std::vector<std::uint16_t> desc(text.utf16(), text.utf16() + text.size());
        const U_SIZEL device = sizel_set(std::max(1, m_units.width()), std::max(1, m_units.height()));
        const U_SIZEL millimetres = sizel_set(std::max(1, m_units.width() * 254 / (UnitsPerInch * 10)),
                                              std::max(1, m_units.height() * 254 / (UnitsPerInch * 10)));
        record(U_EMRHEADER_set(rectl(0, 0, std::max(0, m_units.width() - 1), std::max(0, m_units.height() - 1)),
                               rectl(0, 0, m_physical.width(), m_physical.height()), nullptr,
                               U_CBSTR(desc.size()), desc.data(), device, millimetres, 0));
        record(U_EMRSETBKCOLOR_set(colorRef(0xFFFFFF)));
        record(U_EMRSETBKMODE_set(U_TRANSPARENT));
    } else {
        if (wmf_start(r.FileName.constData(), InitialBuffer, BufferChunk, &r.Wmf) != 0
            || wmf_htable_create(HandleTable, HandleTable, &r.WmfHandles) != 0) {
            r.Failed = true;
            return;
        }
        // The placeable header declares the physical size at 96 units per inch; the window
        // extent maps the page units onto it.
        U_PAIRF* size = U_PAIRF_set(float(double(m_physical.width()) / HundredthsMmPerInch),
                                    float(double(m_physical.height()) / HundredthsMmPerInch));
        char* header = U_WMRHEADER_set(size, UnitsPerInch);
        std::free(size);
        if (!header || wmf_header_append(reinterpret_cast<U_METARECORD*>(header), r.Wmf, U_REC_FREE) != 0)
            r.Failed = true;
        record(U_WMRSETMAPMODE_set(U_MM_ANISOTROPIC));
        record(U_WMRSETWINDOWORG_set(point16(0, 0)));
        record(U_WMRSETWINDOWEXT_set(point16(m_units.width(), m_units.height())));
        record(U_WMRSETBKCOLOR_set(colorRef(0xFFFFFF)));
        record(U_WMRSETBKMODE_set(U_TRANSPARENT));
    }
    m_bkTransparent = true;
}

TMetafileCanvas::~TMetafileCanvas() = default;

bool TMetafileCanvas::isValid() const
{
    return !m_rec->Failed;
}

int TMetafileCanvas::toUnits(double inches)
{
    // A tiny allowance keeps unit -> inch -> unit round trips exact despite rounding errors.
    const double v = std::floor(inches * MetafileLimits::UnitsPerInch + 1.0e-6);
    return clampUnits(static_cast<long long>(std::clamp(v, -1.0e6, 1.0e6)));
}

void TMetafileCanvas::record(char* rec)
{
    Recorder& r = *m_rec;
    if (!rec) {
        r.Failed = true;
        return;
    }
    if (r.Failed || r.Finished) {
        std::free(rec);
        return;
    }
    const int status = m_kind == MetafileKind::Emf
        ? emf_append(reinterpret_cast<U_ENHMETARECORD*>(rec), r.Emf, U_REC_FREE)
        : wmf_append(reinterpret_cast<U_METARECORD*>(rec), r.Wmf, U_REC_FREE);
    if (status != 0)
        r.Failed = true;
}

QByteArray TMetafileCanvas::finish()
{
    Recorder& r = *m_rec;
    if (r.Finished || r.Failed)
        return {};
    int status = 0;
    if (m_kind == MetafileKind::Emf) {
        record(U_EMREOF_set(0, nullptr, r.Emf));
        if (r.Failed)
            return {};
        status = emf_finish(r.Emf, r.EmfHandles);
    } else {
        record(U_WMREOF_set());
        if (r.Failed)
            return {};
        status = wmf_finish(r.Wmf);
    }
    r.Finished = true;
    if (status != 0)
        return {};
    QFile file(QFile::decodeName(r.FileName));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.readAll();
    // The metafile header counts the words of the metafile itself; the placeable header before
    // it is not part of the metafile.
    constexpr qsizetype PlaceableSize = 22;
    constexpr qsizetype SizeField = PlaceableSize + 6;
    if (m_kind == MetafileKind::Wmf && bytes.size() >= SizeField + 4)
        qToLittleEndian<quint32>(quint32((bytes.size() - PlaceableSize) / 2), bytes.data() + SizeField);
    return bytes;
}

// --- state -------------------------------------------------------------------------------------

void TMetafileCanvas::fontSet(const TCanvasFont& font)
{
    if (font == m_font && !m_fontDirty)
        return;
    m_font = font;
    // Windows sizes a font of p points at 96 units per inch as -MulDiv(p, 96, 72) units.
    m_fontHeight = std::max(1, int(std::lround(std::max(1, font.Size) * double(MetafileLimits::UnitsPerInch) / PointsPerInch)));
    m_fontDirty = true;
}

void TMetafileCanvas::useFont()
{
    if (!m_fontDirty)
        return;
    m_fontDirty = false;
    Recorder& r = *m_rec;
    if (r.Failed)
        return;
    const int height = -m_fontHeight;
    const int weight = m_font.Bold ? U_FW_BOLD : U_FW_NORMAL;
    const QString face = (m_font.Name.isEmpty() ? QStringLiteral("Arial") : m_font.Name).left(FaceNameChars);
    std::uint32_t handle = 0;
    if (m_kind == MetafileKind::Emf) {
        std::vector<std::uint16_t> name = utf16z(face);
        std::vector<std::uint16_t> style = utf16z(QString());
        const U_LOGFONT lf = logfont_set(height, 0, 0, 0, weight, m_font.Italic, m_font.Underline, m_font.StrikeOut,
                                         U_ANSI_CHARSET, U_OUT_DEFAULT_PRECIS, U_CLIP_DEFAULT_PRECIS,
                                         U_DEFAULT_QUALITY, U_DEFAULT_PITCH | U_FF_DONTCARE, name.data());
        const U_LOGFONT_PANOSE elfw =
            logfont_panose_set(lf, name.data(), style.data(), 0, panose_set(1, 1, 1, 1, 1, 1, 1, 1, 1, 1));
        record(extcreatefontindirectw_set(&handle, r.EmfHandles, nullptr, reinterpret_cast<const char*>(&elfw)));
        record(selectobject_set(handle, r.EmfHandles));
        if (r.Font)
            record(deleteobject_set(&r.Font, r.EmfHandles));
    } else {
        QByteArray name = Ansi::fromUnicode(face);
        U_FONT* uf = U_FONT_set(std::int16_t(std::max(-MetafileLimits::MaxCoordinate, height)), 0, 0, 0,
                                std::int16_t(weight), m_font.Italic, m_font.Underline, m_font.StrikeOut, U_ANSI_CHARSET,
                                U_OUT_DEFAULT_PRECIS, U_CLIP_DEFAULT_PRECIS, U_DEFAULT_QUALITY,
                                U_DEFAULT_PITCH | U_FF_DONTCARE, name.data());
        if (!uf) {
            r.Failed = true;
            return;
        }
        record(wcreatefontindirect_set(&handle, r.WmfHandles, uf));
        std::free(uf);
        record(wselectobject_set(handle, r.WmfHandles));
        if (r.Font)
            record(wdeleteobject_set(&r.Font, r.WmfHandles));
    }
    r.Font = handle;
}

void TMetafileCanvas::useTextAlign(bool top)
{
    if (m_alignTop == top)
        return;
    m_alignTop = top;
    const std::uint16_t mode = top ? U_TA_TOP : U_TA_BASELINE;   // both with TA_LEFT (0)
    record(m_kind == MetafileKind::Emf ? U_EMRSETTEXTALIGN_set(mode) : U_WMRSETTEXTALIGN_set(mode));
}

void TMetafileCanvas::useTextColor()
{
    if (m_textColor == m_font.Color)
        return;
    m_textColor = m_font.Color;
    record(m_kind == MetafileKind::Emf ? U_EMRSETTEXTCOLOR_set(colorRef(m_font.Color))
                                       : U_WMRSETTEXTCOLOR_set(colorRef(m_font.Color)));
}

void TMetafileCanvas::setTextTransparent(bool transparent)
{
    m_transparent = transparent;
}

void TMetafileCanvas::setPenColor(std::uint32_t color)
{
    m_penColor = color;
}

void TMetafileCanvas::usePen(std::uint32_t color)
{
    if (m_selectedPen == color)
        return;
    m_selectedPen = color;
    Recorder& r = *m_rec;
    if (r.Failed)
        return;
    std::uint32_t handle = 0;
    if (m_kind == MetafileKind::Emf) {
        record(createpen_set(&handle, r.EmfHandles, logpen_set(U_PS_SOLID, pointl_set(1, 0), colorRef(color))));
        record(selectobject_set(handle, r.EmfHandles));
        if (r.Pen)
            record(deleteobject_set(&r.Pen, r.EmfHandles));
    } else {
        record(wcreatepenindirect_set(&handle, r.WmfHandles, U_PEN_set(U_PS_SOLID, 1, colorRef(color))));
        record(wselectobject_set(handle, r.WmfHandles));
        if (r.Pen)
            record(wdeleteobject_set(&r.Pen, r.WmfHandles));
    }
    r.Pen = handle;
}

void TMetafileCanvas::useBrush(std::optional<std::uint32_t> color)
{
    if (m_selectedBrush == color)
        return;
    m_selectedBrush = color;
    Recorder& r = *m_rec;
    if (r.Failed)
        return;
    std::uint32_t handle = 0;
    if (m_kind == MetafileKind::Emf) {
        if (color) {
            record(createbrushindirect_set(&handle, r.EmfHandles, logbrush_set(U_BS_SOLID, colorRef(*color), 0)));
            record(selectobject_set(handle, r.EmfHandles));
        } else {
            record(U_EMRSELECTOBJECT_set(U_NULL_BRUSH));
        }
        if (r.Brush)
            record(deleteobject_set(&r.Brush, r.EmfHandles));
    } else {
        // WMF has no stock objects: a hollow brush is a brush of style BS_NULL.
        const U_WLOGBRUSH lb = color ? U_WLOGBRUSH_set(U_BS_SOLID, colorRef(*color), 0)
                                     : U_WLOGBRUSH_set(U_BS_NULL, colorRef(0), 0);
        record(wcreatebrushindirect_set(&handle, r.WmfHandles, lb));
        record(wselectobject_set(handle, r.WmfHandles));
        if (r.Brush)
            record(wdeleteobject_set(&r.Brush, r.WmfHandles));
    }
    r.Brush = handle;
}

// --- measuring ---------------------------------------------------------------------------------

int TMetafileCanvas::unitTextWidth(const QString& text)
{
    if (text.isEmpty())
        return 1;
    return toUnits(m_measure.textWidth(text));
}

int TMetafileCanvas::unitTextHeight(const QString&)
{
    // The cell height as GDI reports it: whole-unit ascent plus whole-unit descent.
    constexpr double Units = MetafileLimits::UnitsPerInch;
    return int(std::lround(m_measure.ascent() * Units) + std::lround(m_measure.descent() * Units));
}

// --- drawing -----------------------------------------------------------------------------------

void TMetafileCanvas::textOut(double x, double y, const QString& text)
{
    if (text.isEmpty())
        return;
    useTextAlign(false);
    recordText(toUnits(x), toUnits(y), text, m_measure.textWidth(text));
}

void TMetafileCanvas::recordText(int ux, int uy, const QString& text, double width)
{
    if (m_rec->Failed)
        return;
    useFont();
    useTextColor();
    if (m_bkTransparent != m_transparent) {
        m_bkTransparent = m_transparent;
        const std::uint16_t mode = m_transparent ? U_TRANSPARENT : U_OPAQUE;
        record(m_kind == MetafileKind::Emf ? U_EMRSETBKMODE_set(mode) : U_WMRSETBKMODE_set(mode));
    }
    // Advances as whole units: each character ends at the whole unit nearest its outline edge
    // and the last at the whole unit below it, scaled down when the text must fit a narrower
    // width, so the text never ends past its fitted width.
    const std::vector<double> edges = m_measure.edges(text);
    const double natural = edges.empty() ? 0.0 : edges.back();
    const double scale = natural > width && natural > 0 ? width / natural : 1.0;
    const int end = edges.empty() ? 0 : int(std::floor(natural * scale * MetafileLimits::UnitsPerInch + 1.0e-6));
    std::vector<std::int32_t> advances(edges.size());
    int previous = 0;
    for (std::size_t i = 0; i < edges.size(); ++i) {
        const int nearest = int(std::lround(edges[i] * scale * MetafileLimits::UnitsPerInch));
        const int edge = i + 1 == edges.size() ? end : std::min(nearest, end);
        advances[i] = std::max(0, edge - previous);
        previous = std::max(previous, edge);
    }
    if (m_kind == MetafileKind::Emf) {
        std::vector<std::uint16_t> chars(text.utf16(), text.utf16() + text.size());
        std::vector<std::uint32_t> dx(advances.begin(), advances.end());
        char* emrtext = emrtext_set(pointl_set(ux, uy), U_NUM_STR(chars.size()), 2, chars.data(), U_ETO_NONE,
                                    rectl(0, 0, -1, -1), dx.data());
        if (!emrtext) {
            m_rec->Failed = true;
            return;
        }
        record(U_EMREXTTEXTOUTW_set(rectl(0, 0, -1, -1), U_GM_COMPATIBLE, 1.0f, 1.0f,
                                    reinterpret_cast<PU_EMRTEXT>(emrtext)));
        std::free(emrtext);
    } else {
        QByteArray bytes = Ansi::fromUnicode(text);
        bytes.replace('\0', ' ');
        std::vector<std::int16_t> dx(std::size_t(bytes.size()), 0);
        for (std::size_t i = 0; i < dx.size() && i < advances.size(); ++i)
            dx[i] = std::int16_t(std::min(advances[i], MetafileLimits::MaxCoordinate));
        record(U_WMREXTTEXTOUT_set(point16(ux, uy), std::int16_t(bytes.size()), 0, bytes.constData(), dx.data(),
                                   rect16(0, 0, 0, 0)));
    }
}

void TMetafileCanvas::textAtTop(int x, int y, const QString& text)
{
    if (text.isEmpty())
        return;
    useTextAlign(true);
    recordText(x, y, text, m_measure.textWidth(text));
}

void TMetafileCanvas::fittedTextAtTop(int x, int y, const QString& text, double width)
{
    if (text.isEmpty())
        return;
    useTextAlign(true);
    recordText(x, y, text, width);
}

void TMetafileCanvas::unitLine(int x1, int y1, int x2, int y2)
{
    usePen(m_penColor);
    if (m_kind == MetafileKind::Emf) {
        record(U_EMRMOVETOEX_set(pointl_set(x1, y1)));
        record(U_EMRLINETO_set(pointl_set(x2, y2)));
    } else {
        record(U_WMRMOVETO_set(point16(x1, y1)));
        record(U_WMRLINETO_set(point16(x2, y2)));
    }
    m_current = QPoint(x2, y2);
}

void TMetafileCanvas::moveTo(double x, double y)
{
    m_current = QPoint(toUnits(x), toUnits(y));
}

void TMetafileCanvas::lineTo(double x, double y)
{
    unitLine(m_current.x(), m_current.y(), toUnits(x), toUnits(y));
}

void TMetafileCanvas::unitFrame(int left, int top, int right, int bottom)
{
    usePen(m_penColor);
    if (m_kind == MetafileKind::Emf) {
        record(U_EMRMOVETOEX_set(pointl_set(left, top)));
        record(U_EMRLINETO_set(pointl_set(right, top)));
        record(U_EMRLINETO_set(pointl_set(right, bottom)));
        record(U_EMRLINETO_set(pointl_set(left, bottom)));
        record(U_EMRLINETO_set(pointl_set(left, top)));
    } else {
        record(U_WMRMOVETO_set(point16(left, top)));
        record(U_WMRLINETO_set(point16(right, top)));
        record(U_WMRLINETO_set(point16(right, bottom)));
        record(U_WMRLINETO_set(point16(left, bottom)));
        record(U_WMRLINETO_set(point16(left, top)));
    }
    m_current = QPoint(left, top);
}

void TMetafileCanvas::unitEllipseFrame(int left, int top, int right, int bottom)
{
    usePen(m_penColor);
    useBrush(std::nullopt);
    record(m_kind == MetafileKind::Emf ? U_EMRELLIPSE_set(rectl(left, top, right, bottom))
                                       : U_WMRELLIPSE_set(rect16(left, top, right, bottom)));
}

void TMetafileCanvas::unitFill(int left, int top, int right, int bottom, std::uint32_t color)
{
    if (right <= left || bottom <= top)
        return;
    // A rectangle drawn with a pen of the fill colour covers left..right-1 and top..bottom-1.
    usePen(color);
    useBrush(color);
    record(m_kind == MetafileKind::Emf ? U_EMRRECTANGLE_set(rectl(left, top, right, bottom))
                                       : U_WMRRECTANGLE_set(rect16(left, top, right, bottom)));
}

void TMetafileCanvas::unitFillEllipse(int left, int top, int right, int bottom, std::uint32_t color)
{
    if (right <= left || bottom <= top)
        return;
    usePen(color);
    useBrush(color);
    record(m_kind == MetafileKind::Emf ? U_EMRELLIPSE_set(rectl(left, top, right, bottom))
                                       : U_WMRELLIPSE_set(rect16(left, top, right, bottom)));
}

void TMetafileCanvas::fillRectangle(const QRectF& rect, std::uint32_t color)
{
    const QRectF r = rect.normalized();
    unitFill(toUnits(r.left()), toUnits(r.top()), toUnits(r.right()), toUnits(r.bottom()), color);
}

void TMetafileCanvas::fillEllipse(const QRectF& rect, std::uint32_t color)
{
    const QRectF r = rect.normalized();
    unitFillEllipse(toUnits(r.left()), toUnits(r.top()), toUnits(r.right()), toUnits(r.bottom()), color);
}

void TMetafileCanvas::outlineEllipse(const QRectF& rect)
{
    const QRectF r = rect.normalized();
    unitEllipseFrame(toUnits(r.left()), toUnits(r.top()), toUnits(r.right()), toUnits(r.bottom()));
}
