#pragma once
// The program's preferences and their file, "QORVX3.INI" in the start directory.

#include "store/IoResult.h"
#include "store/Limits.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>
#include <cstdint>

/** Read limits (buffer sizes including the terminating zero) and held widths of the settings. */
namespace SettingsLimits {
/** Numbers, yes/no and single characters. */
constexpr int NumberRead = 15;
/** Short texts, the colours and the font names. */
constexpr int TextRead = 150;
/** Paths (last-used files, the open collection, recent files): read up to their held width so a long path comes back whole. */
constexpr int PathRead = Limits::PathLength + 1;
/** Longest path held. */
constexpr int PathHeld = Limits::PathLength;
/** The HTML header and footer texts, read and held. */
constexpr int HtmlTextRead = 1000;
constexpr int HtmlTextHeld = 1000;
/** The HTML page title. */
constexpr int WebTitleHeld = 100;
/** Each international-character key code ("0225"). */
constexpr int IntKeyHeld = 4;
/** The letters of a partial-letters print and the clue header labels. */
constexpr int LettersHeld = 25;
constexpr int LabelHeld = 25;
/** Entries of the recent-file list. */
constexpr int RecentFileCount = 5;
/** International-character keys F1..F12. */
constexpr int IntKeyCount = 12;
} // namespace SettingsLimits

/** One HTML header or footer block: its text (may hold line breaks) and how it is set. */
struct HtmlTextBlock {
    QString Text;
    bool Bold = false;
    bool Italic = false;
    bool Center = false;
    /** HTML font size 1..7. */
    int Font = 3;

    bool operator==(const HtmlTextBlock&) const = default;
};

/** One user font as the settings file keeps it; the size is not stored. */
struct FontSetting {
    QString Name = QStringLiteral("Arial");
    bool Bold = false;
    bool Italic = false;
    /** Colour 0x00BBGGRR. */
    std::int32_t Color = 0;
    /** Points chosen in the font dialog, for this run only (never stored); 0: the platform's size. */
    int PointSize = 0;

    bool operator==(const FontSetting&) const = default;
};

/**
 * Every preference of the program, read once at start-up and written back at exit. The member
 * initialisers are the defaults; the ones that depend on the start directory (the last-used files
 * and the open collection) are filled in by DefaultSettings. Texts are held as QString and stored as
 * Windows-1252; separator characters are Windows-1252 bytes like the words they appear in.
 */
struct Settings {
    // "Misc"
    QString LastImportPuzzleFile;
    QString LastExportPuzzleFile;
    QString LastImportShapeFile;
    QString LastExportShapeFile;
    QString LastImportLayoutFile;
    QString LastExportLayoutFile;
    QString LastImportWordFile;
    QString LastExportWordFile;
    QString LastExportBitmapFile;
    QString LastExportJPEGFile;
    QString LastExportEMFFile;
    QString LastExportWMFFile;
    QString LastExportHTMLFile;
    QString LastExportTextFile;
    /** The solving-format exports of the preview (iPUZ, Across Lite, web puzzle). */
    QString LastExportIPUZFile;
    QString LastExportPUZFile;
    QString LastExportWebPuzzleFile;
    /** The open collection (CurrentCollection). */
    QString LastGroup;
    /** Recent-file list entries 1..5; empty entries are unused. */
    std::array<QString, SettingsLimits::RecentFileCount> RecentFiles;
    /** Screen size option: 640, 800, 1024 or 1280. */
    int WindowSize = 640;
    bool BackgroundBitmap = true;
    /** Spelling language: 0 none, 1..8 a language, 9 choose at spell-check time. */
    int Dictionary = 1;
    int UserDictionary = 1;
    /** Thesaurus: 0 none, 1 American, 2 British, 3 choose at use time. */
    int Thesaurus = 1;
    int UserThesaurus = 1;
    bool ShowTips = true;
    /** Theme Words leaves out words unfit for a school puzzle (offensive words, blood sports, weapons, drugs). */
    bool ClassroomWords = true;

    // "HTML"
    HtmlTextBlock FirstHeader{QStringLiteral("My Puzzle"), true, false, true, 4};
    HtmlTextBlock SecondHeader;
    HtmlTextBlock FirstFooter;
    HtmlTextBlock SecondFooter;
    bool HorizontalUpper = false;
    bool HorizontalLower = false;
    QString WebTitle = QStringLiteral("Crossword Puzzle");
    /** The web puzzle's set-up (and iPUZ's enumerations): word lengths after the clues, a timer on the page. */
    bool WebPuzzleWordLengths = false;
    bool WebPuzzleTimer = true;

    // "Create Options"
    bool Shrink = false;
    bool QuickBuild = false;
    int Attempts = 1;
    /** Separator between word and clue in word list text files. */
    char SepChar = ':';
    int ImportOption = 1;
    int ExportOption = 3;
    int CaseSensitivity = 3;
    int LastShape = 1;
    /** Character codes of the international-character keys F1..F12. */
    std::array<QString, SettingsLimits::IntKeyCount> IntKeys{
        QStringLiteral("0225"), QStringLiteral("0233"), QStringLiteral("0237"), QStringLiteral("0243"),
        QStringLiteral("0241"), QStringLiteral("0246"), QStringLiteral("0250"), QStringLiteral("0228"),
        QStringLiteral("0229"), QStringLiteral("0224"), QStringLiteral("0232"), QStringLiteral("0242")};

    // "Page Layout"
    int Zoom = 2;
    int PageDesignerWindowLeft = 0;
    int PageDesignerWindowTop = 0;
    int PageDesignerWindowWidth = 640;
    int PageDesignerWindowHeight = 480;
    int DefaultPage = 0;

    // "Reports"
    bool DefaultPrinter = true;
    int PrinterIndex = 0;
    int ReportViewingWindowLeft = 0;
    int ReportViewingWindowTop = 0;
    int ReportViewingWindowWidth = 640;
    int ReportViewingWindowHeight = 480;
    int PixelWidth = 640;
    int JPegCompressionQuality = 50;
    int PixelFormat = 1;
    /** Colour of filled boxes, 0x00BBGGRR. */
    std::int32_t BoxColor = 0;
    bool UseBoxes = true;
    bool AnswerKey = false;
    bool PartialAnswer = false;
    bool PartialLetters = false;
    QString Letters;
    bool PrintTitle = true;
    bool PrintBody = true;
    bool PrintClues = true;
    bool PrintWords = true;
    bool PrintBonus = true;
    QString AcrossLabel = QStringLiteral("Across");
    QString DownLabel = QStringLiteral("Down");
    /** User-defined word separator; a space stands for none. */
    char WordSepChar = ' ';
    bool WordSepDash = false;
    bool WordSepSlash = false;
    bool WordSepPlus = false;
    bool WordSepStar = false;
    bool WordSepOther = false;

    // "Edit Font", "Label Font", "Button Font"
    FontSetting EditFont;
    FontSetting LabelFont;
    FontSetting ButtonFont;

    bool operator==(const Settings&) const = default;
};

/** The start directory without a trailing separator, except for the root, which stays "/". */
QString NormalizeStartDir(const QString& startDir);

/** A file in the start directory, with exactly one separator between ("/" gives "/NAME"). */
QString StartDirFile(const QString& startDir, const QString& fileName);

/** Path of the settings file: the start directory and "QORVX3.INI". */
QString SettingsFilePath(const QString& startDir);

/**
 * The collection opened when no "Last Group" is stored: "SAMPLE.QV3" in the start directory when
 * it exists there and "DEFAULT.QV3" doesn't, otherwise "DEFAULT.QV3".
 */
QString DefaultLastGroup(const QString& startDir);

/** Every setting at its default; the last-used files default to the start directory. */
Settings DefaultSettings(const QString& startDir);

/** Reads the settings file of the start directory; a missing file, section or key takes its default. */
Settings LoadSettings(const QString& startDir);

/**
 * Writes every key of every section into the settings file of the start directory in one save,
 * keeping unrelated keys and lines. An existing file that cannot be read is left untouched.
 */
IoResult SaveSettings(const Settings& settings, const QString& startDir);

/**
 * Reads a number: leading blanks skipped, then an optional sign and decimal digits or "$" and
 * hexadecimal digits, up to the first other character. Nothing numeric gives 0. Decimal values
 * beyond 32 bits saturate; hexadecimal ones keep their low 32 bits.
 */
int ParseSettingInteger(QByteArrayView text);

/** True exactly when the upper-cased text reads "YES". */
bool ParseSettingYesNo(QByteArrayView text);

/** The first character of the text, or the fallback when it is empty. */
char ParseSettingCharacter(QByteArrayView text, char fallback);

/**
 * Puts a multi-line text on one INI line, reversibly: a backslash becomes "\\", a line feed "\n",
 * a carriage return "\r", a tab "\t", and a space at either end "\s" (INI reading trims blanks).
 */
QByteArray EncodeMultiLine(QByteArrayView text);

/** Reverses EncodeMultiLine. A backslash before any other character is kept as it is. */
QByteArray DecodeMultiLine(QByteArrayView line);
