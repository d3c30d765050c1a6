#include "store/Settings.h"

#include "store/Ansi.h"
#include "store/IniFile.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <limits>

namespace {

using namespace SettingsLimits;

const QString SettingsFileName = QStringLiteral("QORVX3.INI");

/** Marks a text whose read limit is its only width. */
constexpr int NoHeldWidth = -1;

QString cutTo(const QString& text, int width)
{
    return width == NoHeldWidth ? text : text.left(width);
}

QByteArray yesNo(bool value)
{
    return value ? QByteArray("Yes") : QByteArray("No");
}

QByteArray characterText(char c)
{
    return c == '\0' ? QByteArray() : QByteArray(1, c);
}

// Reads each key into its field. The field's current value, written as the file would hold it,
// serves as the default, so a missing key leaves the default in place.
struct Loader {
    const IniFile& Ini;

    void text(const char* section, const char* key, QString& field, int readLimit, int held)
    {
        const QByteArray raw = Ini.value(section, key, Ansi::fromUnicode(field), readLimit);
        field = cutTo(Ansi::toUnicode(raw), held);
    }
    void multiLine(const char* section, const char* key, QString& field, int readLimit, int held)
    {
        // The limit applies to the text itself, not to its escaped form on the line.
        const QByteArray raw =
            Ini.value(section, key, EncodeMultiLine(Ansi::fromUnicode(field)), IniFile::NoLimit);
        const QByteArray decoded = DecodeMultiLine(raw);
        field = cutTo(Ansi::toUnicode(decoded.left(std::max(readLimit - 1, 0))), held);
    }
    void integer(const char* section, const char* key, int& field, int readLimit = NumberRead)
    {
        field = ParseSettingInteger(Ini.value(section, key, QByteArray::number(field), readLimit));
    }
    void yesNo(const char* section, const char* key, bool& field)
    {
        field = ParseSettingYesNo(Ini.value(section, key, ::yesNo(field), NumberRead));
    }
    void character(const char* section, const char* key, char& field, char fallback)
    {
        field = ParseSettingCharacter(Ini.value(section, key, characterText(field), NumberRead), fallback);
    }
};

// Writes each key from its field, in visiting order.
struct Saver {
    IniFile& Ini;

    void text(const char* section, const char* key, const QString& field, int, int held)
    {
        Ini.setValue(section, key, Ansi::fromUnicode(cutTo(field, held)));
    }
    void multiLine(const char* section, const char* key, const QString& field, int, int held)
    {
        Ini.setValue(section, key, EncodeMultiLine(Ansi::fromUnicode(cutTo(field, held))));
    }
    void integer(const char* section, const char* key, int field, int = NumberRead)
    {
        Ini.setValue(section, key, QByteArray::number(field));
    }
    void yesNo(const char* section, const char* key, bool field)
    {
        Ini.setValue(section, key, ::yesNo(field));
    }
    void character(const char* section, const char* key, char field, char)
    {
        Ini.setValue(section, key, characterText(field));
    }
};

template <class Block, class Visitor>
void visitHtmlBlock(Visitor& v, const char* name, Block& block)
{
    const QByteArray suffix = QByteArray(" ") + name;
    v.multiLine("HTML", name, block.Text, HtmlTextRead, HtmlTextHeld);
    v.yesNo("HTML", QByteArray("Bold" + suffix).constData(), block.Bold);
    v.yesNo("HTML", QByteArray("Italic" + suffix).constData(), block.Italic);
    v.yesNo("HTML", QByteArray("Center" + suffix).constData(), block.Center);
    v.integer("HTML", QByteArray("Font" + suffix).constData(), block.Font);
}

template <class Font, class Visitor>
void visitFont(Visitor& v, const char* section, Font& font)
{
    v.text(section, "Font Name", font.Name, TextRead, NoHeldWidth);
    v.yesNo(section, "Bold", font.Bold);
    v.yesNo(section, "Italic", font.Italic);
    v.integer(section, "Color", font.Color, TextRead);
}

// Every key of every section, in the order the file is written.
template <class S, class Visitor>
void visitSettings(S& s, Visitor& v)
{
    const char* misc = "Misc";
    v.text(misc, "Last Import Puzzle File", s.LastImportPuzzleFile, PathRead, PathHeld);
    v.text(misc, "Last Export Puzzle File", s.LastExportPuzzleFile, PathRead, PathHeld);
    v.text(misc, "Last Import Shape File", s.LastImportShapeFile, PathRead, PathHeld);
    v.text(misc, "Last Export Shape File", s.LastExportShapeFile, PathRead, PathHeld);
    v.text(misc, "Last Import Layout File", s.LastImportLayoutFile, PathRead, PathHeld);
    v.text(misc, "Last Export Layout File", s.LastExportLayoutFile, PathRead, PathHeld);
    v.text(misc, "Last Import Word File", s.LastImportWordFile, PathRead, PathHeld);
    v.text(misc, "Last Export Word File", s.LastExportWordFile, PathRead, PathHeld);
    v.text(misc, "Last Export Bitmap File", s.LastExportBitmapFile, PathRead, PathHeld);
    v.text(misc, "Last Export JPEG File", s.LastExportJPEGFile, PathRead, PathHeld);
    v.text(misc, "Last Export EMF File", s.LastExportEMFFile, PathRead, PathHeld);
    v.text(misc, "Last Export WMF File", s.LastExportWMFFile, PathRead, PathHeld);
    v.text(misc, "Last Export HTML File", s.LastExportHTMLFile, PathRead, PathHeld);
    v.text(misc, "Last Export Text File", s.LastExportTextFile, PathRead, PathHeld);
    v.text(misc, "Last Group", s.LastGroup, PathRead, PathHeld);
    for (int i = 0; i < RecentFileCount; ++i) {
        const QByteArray key = "Last File " + QByteArray::number(i + 1);
        v.text(misc, key.constData(), s.RecentFiles[std::size_t(i)], PathRead, PathHeld);
    }
    v.integer(misc, "Window Size", s.WindowSize);
    v.yesNo(misc, "Background Bitmap", s.BackgroundBitmap);
    v.integer(misc, "Dictionary", s.Dictionary);
    v.integer(misc, "User Dictionary", s.UserDictionary);
    v.integer(misc, "Thesaurus", s.Thesaurus);
    v.integer(misc, "User Thesaurus", s.UserThesaurus);
    v.yesNo(misc, "Show Tips", s.ShowTips);
    // Files of the exports added since; written after the original keys so those keep their order.
    v.text(misc, "Last Export IPUZ File", s.LastExportIPUZFile, PathRead, PathHeld);
    v.text(misc, "Last Export PUZ File", s.LastExportPUZFile, PathRead, PathHeld);
    v.text(misc, "Last Export Web Puzzle File", s.LastExportWebPuzzleFile, PathRead, PathHeld);
    v.yesNo(misc, "Classroom Words", s.ClassroomWords);

    visitHtmlBlock(v, "First Header", s.FirstHeader);
    visitHtmlBlock(v, "Second Header", s.SecondHeader);
    visitHtmlBlock(v, "First Footer", s.FirstFooter);
    visitHtmlBlock(v, "Second Footer", s.SecondFooter);
    v.yesNo("HTML", "Horizontal Upper", s.HorizontalUpper);
    v.yesNo("HTML", "Horizontal Lower", s.HorizontalLower);
    v.text("HTML", "Web Title", s.WebTitle, TextRead, WebTitleHeld);
    v.yesNo("HTML", "Web Puzzle Word Lengths", s.WebPuzzleWordLengths);
    v.yesNo("HTML", "Web Puzzle Timer", s.WebPuzzleTimer);

    const char* create = "Create Options";
    v.yesNo(create, "Shrink", s.Shrink);
    v.yesNo(create, "Quick Build", s.QuickBuild);
    v.integer(create, "Attempts", s.Attempts);
    v.integer(create, "Import Option", s.ImportOption);
    v.integer(create, "Export Option", s.ExportOption);
    v.integer(create, "Case Sensitivity", s.CaseSensitivity);
    v.character(create, "Sep Char", s.SepChar, ':');
    v.integer(create, "Last Shape", s.LastShape);
    for (int i = 0; i < IntKeyCount; ++i) {
        const QByteArray key = "Int Key " + QByteArray::number(i + 1);
        v.text(create, key.constData(), s.IntKeys[std::size_t(i)], TextRead, IntKeyHeld);
    }

    const char* page = "Page Layout";
    v.integer(page, "Zoom", s.Zoom);
    v.integer(page, "Page Designer Window Left", s.PageDesignerWindowLeft);
    v.integer(page, "Page Designer Window Top", s.PageDesignerWindowTop);
    v.integer(page, "Page Designer Window Width", s.PageDesignerWindowWidth);
    v.integer(page, "Page Designer Window Height", s.PageDesignerWindowHeight);
    v.integer(page, "Default Page", s.DefaultPage);

    const char* reports = "Reports";
    v.yesNo(reports, "Default Printer", s.DefaultPrinter);
    v.integer(reports, "Printer Index", s.PrinterIndex);
    v.integer(reports, "Report Viewing Window Left", s.ReportViewingWindowLeft);
    v.integer(reports, "Report Viewing Window Top", s.ReportViewingWindowTop);
    v.integer(reports, "Report Viewing Window Width", s.ReportViewingWindowWidth);
    v.integer(reports, "Report Viewing Window Height", s.ReportViewingWindowHeight);
    v.integer(reports, "Pixel Width", s.PixelWidth);
    v.integer(reports, "JPeg Compression Quality", s.JPegCompressionQuality);
    v.integer(reports, "Pixel Format", s.PixelFormat);
    v.integer(reports, "Box Color", s.BoxColor, TextRead);
    v.yesNo(reports, "Use Boxes", s.UseBoxes);
    v.yesNo(reports, "Answer Key", s.AnswerKey);
    v.yesNo(reports, "Partial Answer", s.PartialAnswer);
    v.yesNo(reports, "Partial Letters", s.PartialLetters);
    v.text(reports, "Letters", s.Letters, TextRead, LettersHeld);
    v.yesNo(reports, "Print Title", s.PrintTitle);
    v.yesNo(reports, "Print Body", s.PrintBody);
    v.yesNo(reports, "Print Clues", s.PrintClues);
    v.yesNo(reports, "Print Words", s.PrintWords);
    v.yesNo(reports, "Print Bonus", s.PrintBonus);
    v.text(reports, "Across Label", s.AcrossLabel, TextRead, LabelHeld);
    v.text(reports, "Down Label", s.DownLabel, TextRead, LabelHeld);
    v.character(reports, "Word Sep Char", s.WordSepChar, ' ');
    v.yesNo(reports, "Word Sep Dash", s.WordSepDash);
    v.yesNo(reports, "Word Sep Slash", s.WordSepSlash);
    v.yesNo(reports, "Word Sep Plus", s.WordSepPlus);
    v.yesNo(reports, "Word Sep Star", s.WordSepStar);
    v.yesNo(reports, "Word Sep Other", s.WordSepOther);

    visitFont(v, "Edit Font", s.EditFont);
    visitFont(v, "Label Font", s.LabelFont);
    visitFont(v, "Button Font", s.ButtonFont);
}

} // namespace

QString NormalizeStartDir(const QString& startDir)
{
    QString dir = startDir;
    while (dir.size() > 1 && dir.endsWith(QLatin1Char('/')))
        dir.chop(1);
    return dir;
}

QString StartDirFile(const QString& startDir, const QString& fileName)
{
    const QString dir = NormalizeStartDir(startDir);
    if (dir.isEmpty())
        return fileName;
    return dir.endsWith(QLatin1Char('/')) ? dir + fileName : dir + QLatin1Char('/') + fileName;
}

QString SettingsFilePath(const QString& startDir)
{
    return StartDirFile(startDir, SettingsFileName);
}

QString DefaultLastGroup(const QString& startDir)
{
    const QString sample = StartDirFile(startDir, QStringLiteral("SAMPLE.QV3"));
    const QString fallback = StartDirFile(startDir, QStringLiteral("DEFAULT.QV3"));
    return QFile::exists(sample) && !QFile::exists(fallback) ? sample : fallback;
}

Settings DefaultSettings(const QString& startDir)
{
    Settings s;
    const QString dir = NormalizeStartDir(startDir);
    for (QString* last : {&s.LastImportPuzzleFile, &s.LastExportPuzzleFile, &s.LastImportShapeFile,
                          &s.LastExportShapeFile, &s.LastImportLayoutFile, &s.LastExportLayoutFile,
                          &s.LastImportWordFile, &s.LastExportWordFile, &s.LastExportBitmapFile,
                          &s.LastExportJPEGFile, &s.LastExportEMFFile, &s.LastExportWMFFile,
                          &s.LastExportHTMLFile, &s.LastExportTextFile, &s.LastExportIPUZFile,
                          &s.LastExportPUZFile, &s.LastExportWebPuzzleFile})
        *last = dir;
    s.LastGroup = DefaultLastGroup(dir);
    return s;
}

Settings LoadSettings(const QString& startDir)
{
    Settings s = DefaultSettings(startDir);
    IniFile ini;
    ini.load(SettingsFilePath(startDir));
    Loader loader{ini};
    visitSettings(s, loader);
    return s;
}

IoResult SaveSettings(const Settings& settings, const QString& startDir)
{
    const QString path = SettingsFilePath(startDir);
    IniFile ini;
    const IoResult loaded = ini.load(path);
    if (!loaded && QFile::exists(path))
        return loaded;
    Saver saver{ini};
    visitSettings(settings, saver);
    return ini.save(path);
}

int ParseSettingInteger(QByteArrayView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i < n && text[i] == '$') {
        std::uint32_t value = 0;
        for (++i; i < n; ++i) {
            const char c = text[i];
            int digit;
            if (c >= '0' && c <= '9')
                digit = c - '0';
            else if (c >= 'a' && c <= 'f')
                digit = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F')
                digit = c - 'A' + 10;
            else
                break;
            value = value * 16u + std::uint32_t(digit);
        }
        return std::int32_t(negative ? 0u - value : value);
    }
    // Saturate one past int's range so that "-2147483648" still reads exactly.
    constexpr qint64 Ceiling = qint64(std::numeric_limits<int>::max()) + 1;
    qint64 value = 0;
    for (; i < n && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min(value * 10 + (text[i] - '0'), Ceiling);
    if (negative)
        return int(-value);
    return int(std::min<qint64>(value, std::numeric_limits<int>::max()));
}

bool ParseSettingYesNo(QByteArrayView text)
{
    if (text.size() != 3)
        return false;
    QByteArray upper;
    for (char c : text)
        upper.append(char(Ansi::UpCaseLatin1(std::uint8_t(c))));
    return upper == "YES";
}

char ParseSettingCharacter(QByteArrayView text, char fallback)
{
    return text.isEmpty() ? fallback : text.front();
}

QByteArray EncodeMultiLine(QByteArrayView text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case ' ':
            out += (i == 0 || i == text.size() - 1) ? QByteArray("\\s") : QByteArray(" ");
            break;
        default: out += c; break;
        }
    }
    return out;
}

QByteArray DecodeMultiLine(QByteArrayView line)
{
    QByteArray out;
    out.reserve(line.size());
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c != '\\' || i + 1 == line.size()) {
            out += c;
            continue;
        }
        switch (line[i + 1]) {
        case '\\': out += '\\'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 's': out += ' '; break;
        default: out += c; continue;
        }
        ++i;
    }
    return out;
}
