// make-page-file: builds the starter page file QVFPAGE.DAT from readable layout sources.
//
//   make-page-file --out QVFPAGE.DAT one.layout two.layout ...
//
// Each source describes one layout (format in data/pages/README.md); the layouts are appended
// in the order given. The page file is built beside its destination and renamed into place, so
// a failed run leaves no half-written file.
#include "pages/PageFile.h"
#include "pages/PaperSizes.h"
#include "store/Ansi.h"

#include <QFile>
#include <QStringList>
#include <cstdio>
#include <map>
#include <optional>

namespace {

/** A mistake in a layout source, with the line it was found on. */
struct SourceError {
    int Line;
    QString Message;
};

struct KindName {
    const char* Name;
    std::int16_t Kind;
};

constexpr KindName KindNames[] = {
    {"Title", ObjectKind::Title},
    {"Puzzle", ObjectKind::Puzzle},
    {"Down Header", ObjectKind::DownHeader},
    {"Across Header", ObjectKind::AcrossHeader},
    {"Down Clues", ObjectKind::DownClues},
    {"Across Clues", ObjectKind::AcrossClues},
    {"Words", ObjectKind::WordList},
    {"Bonus Question", ObjectKind::BonusQuestion},
    {"Combined Clues", ObjectKind::CombinedClues},
    {"Text", ObjectKind::Text},
    {"Bitmap", ObjectKind::Bitmap},
    {"Rectangle", ObjectKind::Rectangle},
    {"Circle", ObjectKind::Circle},
};

[[noreturn]] void fail(int line, const QString& message)
{
    throw SourceError{line, message};
}

QByteArray ansi(const QString& text, int maxLength, int line, const char* what)
{
    const QByteArray bytes = Ansi::fromUnicode(text);
    if (bytes.size() > maxLength)
        fail(line, QStringLiteral("%1 is longer than %2 characters").arg(QLatin1String(what)).arg(maxLength));
    return bytes;
}

bool yesNo(const QString& value, int line)
{
    if (value.compare(QLatin1String("Yes"), Qt::CaseInsensitive) == 0)
        return true;
    if (value.compare(QLatin1String("No"), Qt::CaseInsensitive) == 0)
        return false;
    fail(line, QStringLiteral("expected Yes or No, found \"%1\"").arg(value));
}

int integer(const QString& value, int line, int low, int high)
{
    bool ok = false;
    const int number = value.trimmed().toInt(&ok);
    if (!ok || number < low || number > high)
        fail(line, QStringLiteral("expected a whole number %1..%2, found \"%3\"").arg(low).arg(high).arg(value));
    return number;
}

double real(const QString& value, int line)
{
    bool ok = false;
    const double number = value.trimmed().toDouble(&ok);
    if (!ok)
        fail(line, QStringLiteral("expected a number, found \"%1\"").arg(value));
    return number;
}

// A colour written #RRGGBB, stored as 0x00BBGGRR.
std::uint32_t colour(const QString& value, int line)
{
    bool ok = false;
    const uint rgb = value.startsWith(QLatin1Char('#')) && value.size() == 7 ? value.mid(1).toUInt(&ok, 16) : 0;
    if (!ok)
        fail(line, QStringLiteral("expected a colour #RRGGBB, found \"%1\"").arg(value));
    return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
}

// Font = Face, Size[, Bold][, Italic][, Underline][, StrikeOut]
struct FontValues {
    QByteArray Face;
    std::int16_t Size = 0;
    bool Bold = false, Italic = false, Underline = false, StrikeOut = false;
};

FontValues font(const QString& value, int line)
{
    const QStringList parts = value.split(QLatin1Char(','));
    if (parts.size() < 2)
        fail(line, QStringLiteral("a font is written Face, Size[, Bold, Italic, Underline, StrikeOut]"));
    FontValues values;
    values.Face = ansi(parts[0].trimmed(), PageLimits::FontNameLength, line, "font name");
    values.Size = std::int16_t(integer(parts[1], line, 1, 200));
    for (qsizetype i = 2; i < parts.size(); ++i) {
        const QString style = parts[i].trimmed().toLower();
        if (style == QLatin1String("bold"))
            values.Bold = true;
        else if (style == QLatin1String("italic"))
            values.Italic = true;
        else if (style == QLatin1String("underline"))
            values.Underline = true;
        else if (style == QLatin1String("strikeout"))
            values.StrikeOut = true;
        else
            fail(line, QStringLiteral("unknown font style \"%1\"").arg(parts[i].trimmed()));
    }
    return values;
}

TObjectBounds bounds(const QString& value, int line)
{
    const QStringList parts = value.split(QLatin1Char(','));
    if (parts.size() != 4)
        fail(line, QStringLiteral("bounds are written Left, Top, Right, Bottom"));
    TObjectBounds b{integer(parts[0], line, 0, 32767), integer(parts[1], line, 0, 32767),
                    integer(parts[2], line, 0, 32767), integer(parts[3], line, 0, 32767)};
    if (b.Left >= b.Right || b.Top >= b.Bottom)
        fail(line, QStringLiteral("bounds need Left < Right and Top < Bottom"));
    return b;
}

// "\n" in a text value is a line break (CR LF, as the designer's text box stores it); "\\" a backslash.
QString unescape(const QString& value)
{
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == QLatin1Char('\\') && i + 1 < value.size()) {
            const QChar next = value[++i];
            if (next == QLatin1Char('n'))
                out += QStringLiteral("\r\n");
            else
                out += next;
        } else {
            out += value[i];
        }
    }
    return out;
}

/** The values an object starts with before its keys are applied: those of the built-in default layout. */
TPageObject newObject(std::int16_t kind, const TPageLayout& layout)
{
    TPageObject o;
    o.Kind = kind;
    o.TextFontName.setText("Arial");
    o.TextFontSize = 12;
    o.Alignment = TextAlignment::Center;
    o.Transparent = true;
    o.MakeFit = true;
    o.FillColor = 0xFFFFFF;
    o.BorderWidth = 1;
    if (kind == ObjectKind::Puzzle) {
        o.NumberFontName.setText("Arial");
        o.NumberFontSize = 5;
        o.BlockColor = 0xFFFFFF;
        o.NumbersHorizontal = true;
        o.LineWidth = 1;
        o.FillColor = 0;
    }
    if (kind == ObjectKind::DownClues || kind == ObjectKind::AcrossClues || kind == ObjectKind::WordList
        || kind == ObjectKind::CombinedClues)
        o.Columns = 1;
    // Default names: the kind's name, numbered for the kinds a layout may hold many of.
    QByteArray name;
    for (const auto& k : KindNames) {
        if (k.Kind == kind)
            name = k.Name;
    }
    if (kind >= ObjectKind::Text) {
        int n = 1;
        for (int i = 0; i < layout.usedObjects(); ++i)
            n += layout.Objects[std::size_t(i)].Kind == kind;
        name += ' ' + QByteArray::number(n);
    }
    o.Name.setText(name);
    return o;
}

void applyObjectKey(TPageObject& o, const QString& key, const QString& value, int line)
{
    const auto is = [&key](const char* name) { return key.compare(QLatin1String(name), Qt::CaseInsensitive) == 0; };
    if (is("Name")) {
        o.Name.setText(ansi(value, PageLimits::ObjectNameLength, line, "object name"));
    } else if (is("Bounds")) {
        o.Bounds = bounds(value, line);
    } else if (is("Font") || is("NumberFont")) {
        const FontValues f = font(value, line);
        if (is("Font")) {
            o.TextFontName.setText(f.Face);
            o.TextFontSize = f.Size;
            o.TextBold = f.Bold, o.TextItalic = f.Italic, o.TextUnderline = f.Underline, o.TextStrikeOut = f.StrikeOut;
        } else {
            o.NumberFontName.setText(f.Face);
            o.NumberFontSize = f.Size;
            o.NumberBold = f.Bold, o.NumberItalic = f.Italic, o.NumberUnderline = f.Underline, o.NumberStrikeOut = f.StrikeOut;
        }
    } else if (is("FontColor")) {
        o.TextFontColor = colour(value, line);
    } else if (is("NumberFontColor")) {
        o.NumberFontColor = colour(value, line);
    } else if (is("BlockColor")) {
        o.BlockColor = colour(value, line);
    } else if (is("LineColor")) {
        o.LineColor = colour(value, line);
    } else if (is("FillColor")) {
        o.FillColor = colour(value, line);
    } else if (is("BorderColor")) {
        o.BorderColor = colour(value, line);
    } else if (is("NumbersHorizontal")) {
        o.NumbersHorizontal = yesNo(value, line);
    } else if (is("LineWidth")) {
        o.LineWidth = integer(value, line, 1, 9);
    } else if (is("Alignment")) {
        const QString a = value.toLower();
        if (a == QLatin1String("left"))
            o.Alignment = TextAlignment::Left;
        else if (a == QLatin1String("center"))
            o.Alignment = TextAlignment::Center;
        else if (a == QLatin1String("right"))
            o.Alignment = TextAlignment::Right;
        else
            fail(line, QStringLiteral("alignment is Left, Center or Right"));
    } else if (is("Text")) {
        o.setText(ansi(unescape(value), PageLimits::MaxTextLength, line, "text"));
    } else if (is("Transparent")) {
        o.Transparent = yesNo(value, line);
    } else if (is("Columns")) {
        o.Columns = std::int16_t(integer(value, line, 1, 9));
    } else if (is("SplitColumns")) {
        o.SplitColumns = yesNo(value, line);
    } else if (is("MakeFit")) {
        o.MakeFit = yesNo(value, line);
    } else if (is("Filled")) {
        o.Filled = yesNo(value, line);
    } else if (is("UseBorder")) {
        o.UseBorder = yesNo(value, line);
    } else if (is("BorderWidth")) {
        o.BorderWidth = std::int16_t(integer(value, line, 1, 9));
    } else if (is("BitmapFile")) {
        o.BitmapFile.setText(ansi(value, PageLimits::BitmapFileLength, line, "bitmap file"));
    } else {
        fail(line, QStringLiteral("unknown object key \"%1\"").arg(key));
    }
}

/** The header keys of a layout, applied once the section is complete. */
struct LayoutHeader {
    QByteArray Name = "New Page";
    QByteArray Paper = "Letter";
    bool Portrait = true;
    int Zoom = PaperSizes::ZoomSmall;
    std::optional<double> Width, Height;
    bool UseInches = true;
};

void applyLayoutKey(LayoutHeader& h, const QString& key, const QString& value, int line)
{
    const auto is = [&key](const char* name) { return key.compare(QLatin1String(name), Qt::CaseInsensitive) == 0; };
    if (is("Name")) {
        h.Name = ansi(value, PageLimits::LayoutNameLength, line, "layout name");
    } else if (is("Paper")) {
        h.Paper = value.toLatin1();
        if (!PaperSizes::paperNames().contains(value))
            fail(line, QStringLiteral("unknown paper \"%1\"").arg(value));
    } else if (is("Orientation")) {
        if (value.compare(QLatin1String("Portrait"), Qt::CaseInsensitive) != 0
            && value.compare(QLatin1String("Landscape"), Qt::CaseInsensitive) != 0)
            fail(line, QStringLiteral("orientation is Portrait or Landscape"));
        h.Portrait = value.compare(QLatin1String("Portrait"), Qt::CaseInsensitive) == 0;
    } else if (is("Zoom")) {
        h.Zoom = integer(value, line, PaperSizes::ZoomSmall, PaperSizes::ZoomLarge);
    } else if (is("Width")) {
        h.Width = real(value, line);
    } else if (is("Height")) {
        h.Height = real(value, line);
    } else if (is("Units")) {
        if (value.compare(QLatin1String("Inches"), Qt::CaseInsensitive) == 0)
            h.UseInches = true;
        else if (value.compare(QLatin1String("Centimeters"), Qt::CaseInsensitive) == 0)
            h.UseInches = false;
        else
            fail(line, QStringLiteral("units are Inches or Centimeters"));
    } else {
        fail(line, QStringLiteral("unknown layout key \"%1\"").arg(key));
    }
}

void applyHeader(TPageLayout& l, const LayoutHeader& h, int line)
{
    l.LayoutName.setText(h.Name);
    l.PaperName.setText(h.Paper);
    l.Portrait = h.Portrait;
    l.DesignZoom = std::int16_t(h.Zoom);
    QSizeF size;
    if (const auto paper = PaperSizes::findPaper(h.Paper)) {
        if (h.Width || h.Height)
            fail(line, QStringLiteral("Width and Height are for Custom paper only"));
        size = PaperSizes::orientedSize(*paper, h.Portrait);
        l.UseInches = paper->UseInches;
    } else {
        if (!h.Width || !h.Height)
            fail(line, QStringLiteral("Custom paper needs Width and Height"));
        using namespace PaperSizes;
        const bool wideOk = h.UseInches ? *h.Width >= CustomMinWidthInches && *h.Width <= CustomMaxWidthInches
                                        : *h.Width >= CustomMinWidthCentimetres && *h.Width <= CustomMaxWidthCentimetres;
        const bool highOk = h.UseInches ? *h.Height >= CustomMinHeightInches && *h.Height <= CustomMaxHeightInches
                                        : *h.Height >= CustomMinHeightCentimetres && *h.Height <= CustomMaxHeightCentimetres;
        if (!wideOk || !highOk)
            fail(line, QStringLiteral("Custom paper size is out of range"));
        size = QSizeF(*h.Width, *h.Height);
        l.UseInches = h.UseInches;
    }
    l.PaperWidth = size.width();
    l.PaperHeight = size.height();
    const QSize pixels = PaperSizes::designPixels(size, h.Zoom, l.UseInches);
    l.PixelWidth = std::int16_t(pixels.width());
    l.PixelHeight = std::int16_t(pixels.height());
}

// The rules the page designer keeps: one object of each kind 1..9, Combined Clues excluding the
// headings and clue lists, every object on the page.
void checkLayout(const TPageLayout& l, const std::vector<int>& objectLines)
{
    bool present[ObjectKind::CombinedClues + 1] = {};
    for (int i = 0; i < l.usedObjects(); ++i) {
        const TPageObject& o = l.Objects[std::size_t(i)];
        const int line = objectLines[std::size_t(i)];
        if (o.Bounds.Right == 0)
            fail(line, QStringLiteral("object has no Bounds"));
        if (o.Bounds.Right > l.PixelWidth || o.Bounds.Bottom > l.PixelHeight)
            fail(line, QStringLiteral("object reaches past the page (%1 x %2)").arg(l.PixelWidth).arg(l.PixelHeight));
        if (o.Kind <= ObjectKind::CombinedClues) {
            if (present[o.Kind])
                fail(line, QStringLiteral("a layout holds one object of this kind"));
            present[o.Kind] = true;
        }
    }
    const bool parts = present[ObjectKind::DownHeader] || present[ObjectKind::AcrossHeader]
                       || present[ObjectKind::DownClues] || present[ObjectKind::AcrossClues];
    if (present[ObjectKind::CombinedClues] && parts)
        fail(0, QStringLiteral("Combined Clues excludes the headings and the clue lists"));
}

TPageLayout parseLayout(const QString& source)
{
    TPageLayout l;
    l.ObjectCount = 0;
    LayoutHeader header;
    std::vector<int> objectLines;
    enum { None, Header, Object } section = None;
    bool sawHeader = false;
    const QStringList lines = source.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int line = int(i + 1);
        const QString text = lines[i].trimmed();
        if (text.isEmpty() || text.startsWith(QLatin1Char('#')))
            continue;
        if (text == QLatin1String("[Layout]")) {
            if (sawHeader)
                fail(line, QStringLiteral("one [Layout] section per file"));
            section = Header;
            sawHeader = true;
            continue;
        }
        if (text == QLatin1String("[Object]")) {
            if (!sawHeader)
                fail(line, QStringLiteral("[Layout] comes first"));
            if (l.ObjectCount == PageLimits::Objects)
                fail(line, QStringLiteral("a layout holds at most 20 objects"));
            section = Object;
            objectLines.push_back(line);
            ++l.ObjectCount;
            continue;
        }
        const qsizetype equals = text.indexOf(QLatin1Char('='));
        if (equals < 0 || section == None)
            fail(line, QStringLiteral("expected [Layout], [Object] or Key = Value"));
        const QString key = text.left(equals).trimmed();
        const QString value = text.mid(equals + 1).trimmed();
        if (section == Header) {
            applyLayoutKey(header, key, value, line);
            continue;
        }
        TPageObject& o = l.Objects[std::size_t(l.ObjectCount - 1)];
        if (key.compare(QLatin1String("Kind"), Qt::CaseInsensitive) == 0) {
            if (o.Kind != 0)
                fail(line, QStringLiteral("Kind given twice"));
            for (const auto& k : KindNames) {
                if (value.compare(QLatin1String(k.Name), Qt::CaseInsensitive) == 0)
                    o = newObject(k.Kind, l);
            }
            if (o.Kind == 0)
                fail(line, QStringLiteral("unknown kind \"%1\"").arg(value));
        } else {
            if (o.Kind == 0)
                fail(line, QStringLiteral("Kind comes first in an object"));
            applyObjectKey(o, key, value, line);
        }
    }
    if (!sawHeader)
        fail(1, QStringLiteral("no [Layout] section"));
    applyHeader(l, header, 1);
    checkLayout(l, objectLines);
    return l;
}

int run(const QStringList& args)
{
    if (args.size() < 3 || args[0] != QLatin1String("--out")) {
        std::fprintf(stderr, "usage: make-page-file --out QVFPAGE.DAT SOURCE.layout...\n");
        return 2;
    }
    const QString out = args[1];
    const QString building = out + QStringLiteral(".building");
    QFile::remove(building);
    for (qsizetype i = 2; i < args.size(); ++i) {
        QFile file(args[i]);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(args[i]), qPrintable(file.errorString()));
            return 1;
        }
        try {
            const TPageLayout layout = parseLayout(QString::fromUtf8(file.readAll()));
            const TPageFileReport appended = AppendLayout(building, layout);
            if (!appended) {
                std::fprintf(stderr, "%s: %s\n", qPrintable(building), qPrintable(appended.Text));
                QFile::remove(building);
                return 1;
            }
        } catch (const SourceError& error) {
            std::fprintf(stderr, "%s:%d: %s\n", qPrintable(args[i]), error.Line, qPrintable(error.Message));
            QFile::remove(building);
            return 1;
        }
    }
    QFile::remove(out);
    if (!QFile::rename(building, out)) {
        std::fprintf(stderr, "cannot move the page file into place at %s\n", qPrintable(out));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return run(args);
}
