#include "store/IniFile.h"
#include "store/Settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <climits>

namespace {

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Loads settings from a directory whose settings file holds one section with one key.
Settings loadWith(const QTemporaryDir& dir, QByteArrayView section, QByteArrayView key, QByteArrayView value)
{
    IniFile ini;
    ini.setValue(section, key, value);
    writeBytes(SettingsFilePath(dir.path()), ini.toBytes());
    return LoadSettings(dir.path());
}

// The (section, key) pairs of a settings file in file order.
std::vector<std::string> keysInOrder(const QByteArray& bytes)
{
    std::vector<std::string> keys;
    QByteArray section;
    for (const QByteArray& line : bytes.split('\n')) {
        if (line.startsWith('['))
            section = line.mid(1, line.size() - 2);
        else if (line.contains('='))
            keys.push_back((section + "/" + line.left(line.indexOf('='))).toStdString());
    }
    return keys;
}

std::vector<std::string> documentedOrder()
{
    std::vector<std::string> keys;
    auto add = [&](const char* section, std::initializer_list<const char*> names) {
        for (const char* name : names)
            keys.push_back(std::string(section) + "/" + name);
    };
    add("Misc", {"Last Import Puzzle File", "Last Export Puzzle File", "Last Import Shape File",
                 "Last Export Shape File", "Last Import Layout File", "Last Export Layout File",
                 "Last Import Word File", "Last Export Word File", "Last Export Bitmap File",
                 "Last Export JPEG File", "Last Export EMF File", "Last Export WMF File",
                 "Last Export HTML File", "Last Export Text File", "Last Group", "Last File 1",
                 "Last File 2", "Last File 3", "Last File 4", "Last File 5", "Window Size",
                 "Background Bitmap", "Dictionary", "User Dictionary", "Thesaurus", "User Thesaurus",
                 "Show Tips", "Last Export IPUZ File", "Last Export PUZ File", "Last Export Web Puzzle File", "Classroom Words"});
    for (const char* block : {"First Header", "Second Header", "First Footer", "Second Footer"}) {
        const std::string b = block;
        keys.push_back("HTML/" + b);
        for (const char* attribute : {"Bold ", "Italic ", "Center ", "Font "})
            keys.push_back("HTML/" + std::string(attribute) + b);
    }
    add("HTML", {"Horizontal Upper", "Horizontal Lower", "Web Title", "Web Puzzle Word Lengths", "Web Puzzle Timer"});
    add("Create Options", {"Shrink", "Quick Build", "Attempts", "Import Option", "Export Option",
                           "Case Sensitivity", "Sep Char", "Last Shape", "Int Key 1", "Int Key 2",
                           "Int Key 3", "Int Key 4", "Int Key 5", "Int Key 6", "Int Key 7", "Int Key 8",
                           "Int Key 9", "Int Key 10", "Int Key 11", "Int Key 12"});
    add("Page Layout", {"Zoom", "Page Designer Window Left", "Page Designer Window Top",
                        "Page Designer Window Width", "Page Designer Window Height", "Default Page"});
    add("Reports", {"Default Printer", "Printer Index", "Report Viewing Window Left",
                    "Report Viewing Window Top", "Report Viewing Window Width",
                    "Report Viewing Window Height", "Pixel Width", "JPeg Compression Quality",
                    "Pixel Format", "Box Color", "Use Boxes", "Answer Key", "Partial Answer",
                    "Partial Letters", "Letters", "Print Title", "Print Body", "Print Clues",
                    "Print Words", "Print Bonus", "Across Label", "Down Label", "Word Sep Char",
                    "Word Sep Dash", "Word Sep Slash", "Word Sep Plus", "Word Sep Star",
                    "Word Sep Other"});
    for (const char* font : {"Edit Font", "Label Font", "Button Font"})
        add(font, {"Font Name", "Bold", "Italic", "Color"});
    return keys;
}

} // namespace

TEST(Settings, IntegerRule)
{
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"12abc", 12}, {"abc", 0}, {"", 0}, {"$320", 800}, {"$ff", 255}, {"$FFFFFFFF", -1},
        {"-5", -5}, {"+7", 7}, {"  42", 42}, {"4 2", 4}, {"-", 0}, {"$", 0}, {"$g", 0},
        {"-$10", -16}, {"0640", 640}, {"99999999999", INT_MAX}, {"-2147483648", INT_MIN},
        {"-99999999999", INT_MIN},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseSettingInteger(c.text), c.value) << '"' << c.text << '"';
}

TEST(Settings, YesNoAndCharacterRules)
{
    const struct {
        const char* text;
        bool value;
    } yesNo[] = {{"yes", true}, {"YES", true}, {"yEs", true}, {"1", false}, {"True", false},
                 {"Y", false}, {"", false}, {"yes please", false}, {"No", false}};
    for (const auto& c : yesNo)
        EXPECT_EQ(ParseSettingYesNo(c.text), c.value) << c.text;
    EXPECT_EQ(ParseSettingCharacter("", ':'), ':');
    EXPECT_EQ(ParseSettingCharacter(";;", ':'), ';');
    EXPECT_EQ(ParseSettingCharacter("", ' '), ' ');
}

TEST(Settings, KeysInTheFileAreParsedByTheirKind)
{
    QTemporaryDir dir;
    EXPECT_TRUE(loadWith(dir, "Misc", "Background Bitmap", "yes").BackgroundBitmap);
    EXPECT_TRUE(loadWith(dir, "misc", "background bitmap", "YES").BackgroundBitmap);
    for (const char* notYes : {"1", "True", "Y"})
        EXPECT_FALSE(loadWith(dir, "Misc", "Background Bitmap", notYes).BackgroundBitmap) << notYes;
    EXPECT_EQ(loadWith(dir, "Create Options", "Attempts", "12abc").Attempts, 12);
    EXPECT_EQ(loadWith(dir, "Create Options", "Attempts", "abc").Attempts, 0);
    EXPECT_EQ(loadWith(dir, "Misc", "Window Size", "$320").WindowSize, 800);
    EXPECT_EQ(loadWith(dir, "Create Options", "Sep Char", "").SepChar, ':');
    EXPECT_EQ(loadWith(dir, "Create Options", "Sep Char", ";;").SepChar, ';');
    EXPECT_EQ(loadWith(dir, "Reports", "Word Sep Char", "").WordSepChar, ' ');
    EXPECT_EQ(loadWith(dir, "Reports", "Word Sep Char", "#").WordSepChar, '#');
    EXPECT_EQ(loadWith(dir, "Reports", "Box Color", "$FF0000").BoxColor, 0xFF0000);
    EXPECT_EQ(loadWith(dir, "Label Font", "Italic", "Yes").LabelFont.Italic, true);
}

TEST(Settings, TextsAreCutToTheirReadLimitThenTheirWidth)
{
    QTemporaryDir dir;
    const QByteArray long120(120, 'w');
    EXPECT_EQ(loadWith(dir, "HTML", "Web Title", long120).WebTitle, QString(100, QLatin1Char('w')));
    EXPECT_EQ(loadWith(dir, "Reports", "Across Label", QByteArray(40, 'a')).AcrossLabel,
              QString(25, QLatin1Char('a')));
    EXPECT_EQ(loadWith(dir, "Create Options", "Int Key 3", "02371").IntKeys[2], QStringLiteral("0237"));
    EXPECT_EQ(loadWith(dir, "Edit Font", "Font Name", QByteArray(200, 'f')).EditFont.Name,
              QString(149, QLatin1Char('f')));
    EXPECT_EQ(loadWith(dir, "Misc", "Last File 2", "/tmp/caf\xE9.QV3").RecentFiles[1],
              QStringLiteral("/tmp/caf\u00E9.QV3"));

    // A saved path up to its held width comes back whole.
    const QString longPath = QLatin1Char('/') + QString(254, QLatin1Char('p'));
    EXPECT_EQ(loadWith(dir, "Misc", "Last Group", longPath.toLatin1()).LastGroup, longPath);
    EXPECT_EQ(loadWith(dir, "Misc", "Last Group", longPath.toLatin1() + "xyz").LastGroup, longPath);
}

TEST(Settings, DefaultsWithoutAFileAndTheDefaultCollection)
{
    QTemporaryDir dir;
    const QString start = dir.path();
    const QString defaultQv3 = start + QStringLiteral("/DEFAULT.QV3");
    const QString sampleQv3 = start + QStringLiteral("/SAMPLE.QV3");

    Settings s = LoadSettings(start);
    EXPECT_EQ(s, DefaultSettings(start));
    EXPECT_EQ(s.LastGroup, defaultQv3);
    EXPECT_EQ(s.LastImportPuzzleFile, start);
    EXPECT_EQ(s.LastExportTextFile, start);
    EXPECT_EQ(s.LastExportWebPuzzleFile, start);
    EXPECT_EQ(s.FirstHeader.Text, QStringLiteral("My Puzzle"));
    EXPECT_TRUE(s.FirstHeader.Bold && s.FirstHeader.Center && !s.FirstHeader.Italic);
    EXPECT_EQ(s.FirstHeader.Font, 4);
    EXPECT_EQ(s.SecondFooter.Font, 3);
    EXPECT_EQ(s.WebTitle, QStringLiteral("Crossword Puzzle"));
    EXPECT_EQ(s.WordSepChar, ' ');
    EXPECT_EQ(s.SepChar, ':');
    EXPECT_EQ(s.IntKeys[11], QStringLiteral("0242"));
    EXPECT_EQ(s.EditFont.Name, QStringLiteral("Arial"));
    EXPECT_FALSE(QFile::exists(SettingsFilePath(start)));

    writeBytes(sampleQv3, {});
    EXPECT_EQ(LoadSettings(start).LastGroup, sampleQv3);
    writeBytes(defaultQv3, {});
    EXPECT_EQ(LoadSettings(start).LastGroup, defaultQv3);
    ASSERT_TRUE(QFile::remove(sampleQv3));
    EXPECT_EQ(LoadSettings(start).LastGroup, defaultQv3);

    // A stored "Last Group" wins over both.
    EXPECT_EQ(loadWith(dir, "Misc", "Last Group", "/x/Y.QV3").LastGroup, QStringLiteral("/x/Y.QV3"));
}

TEST(Settings, StartDirectoryJoinsWithOneSeparator)
{
    EXPECT_EQ(SettingsFilePath(QStringLiteral("/")), QStringLiteral("/QORVX3.INI"));
    EXPECT_EQ(SettingsFilePath(QStringLiteral("/home/ann")), QStringLiteral("/home/ann/QORVX3.INI"));
    EXPECT_EQ(SettingsFilePath(QStringLiteral("/home/ann/")), QStringLiteral("/home/ann/QORVX3.INI"));
    EXPECT_EQ(StartDirFile(QStringLiteral("/"), QStringLiteral("DEFAULT.QV3")), QStringLiteral("/DEFAULT.QV3"));
    const Settings root = DefaultSettings(QStringLiteral("/"));
    EXPECT_EQ(root.LastImportWordFile, QStringLiteral("/"));
    EXPECT_TRUE(root.LastGroup == QStringLiteral("/DEFAULT.QV3") || root.LastGroup == QStringLiteral("/SAMPLE.QV3"));
}

TEST(Settings, SaveWritesEveryKeyInTheDocumentedOrder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(SaveSettings(DefaultSettings(dir.path()), dir.path()));
    const QByteArray bytes = fileBytes(SettingsFilePath(dir.path()));
    EXPECT_EQ(keysInOrder(bytes), documentedOrder());
    EXPECT_TRUE(bytes.contains("\nBackground Bitmap=Yes\n"));
    EXPECT_TRUE(bytes.contains("\nWord Sep Char= \n"));
    EXPECT_TRUE(bytes.contains("\nFirst Header=My Puzzle\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("QORVX3.INI")});
}

TEST(Settings, SaveAddsMissingKeysAndKeepsUnrelatedOnes)
{
    QTemporaryDir dir;
    writeBytes(SettingsFilePath(dir.path()), "[Other]\nFoo=bar\n\n[misc]\nwindow size=1024\nOwn=mine\n");
    Settings s = LoadSettings(dir.path());
    EXPECT_EQ(s.WindowSize, 1024);
    s.WindowSize = 800;
    ASSERT_TRUE(SaveSettings(s, dir.path()));

    const IniFile ini = IniFile::fromBytes(fileBytes(SettingsFilePath(dir.path())));
    EXPECT_EQ(ini.value("Other", "Foo", "", 150), QByteArray("bar"));
    EXPECT_EQ(ini.value("Misc", "Own", "", 150), QByteArray("mine"));
    EXPECT_EQ(ini.value("Misc", "Window Size", "", 15), QByteArray("800"));
    for (const std::string& entry : documentedOrder()) {
        const auto slash = entry.find('/');
        EXPECT_TRUE(ini.contains(QByteArrayView(entry.data(), qsizetype(slash)),
                                 QByteArrayView(entry.data() + slash + 1)))
            << entry;
    }
}

TEST(Settings, EveryFieldSurvivesASaveAndALoad)
{
    QTemporaryDir dir;
    Settings s = DefaultSettings(dir.path());
    s.LastExportHTMLFile = QStringLiteral("/srv/page.htm");
    s.LastGroup = QStringLiteral("/srv/Caf\u00E9.QV3");
    s.RecentFiles[4] = QStringLiteral("/srv/five.QV3");
    s.WindowSize = 1280;
    s.BackgroundBitmap = false;
    s.Dictionary = 9;
    s.ShowTips = false;
    s.SecondHeader = {QStringLiteral("Line one\nLine two"), true, true, false, 6};
    s.FirstFooter.Text = QStringLiteral(" C:\\Temp\\new\\ \r\n\ttabbed ");
    s.HorizontalLower = true;
    s.WebTitle = QStringLiteral("Puzzles");
    s.Shrink = true;
    s.Attempts = 999;
    s.SepChar = ';';
    s.IntKeys[0] = QStringLiteral("0199");
    s.Zoom = 3;
    s.PageDesignerWindowLeft = -20;
    s.DefaultPage = 4;
    s.DefaultPrinter = false;
    s.BoxColor = 0x00C0C0C0;
    s.PartialLetters = true;
    s.Letters = QStringLiteral("AEIOU");
    s.PrintBonus = false;
    s.AcrossLabel = QStringLiteral("Horizontal");
    s.WordSepChar = '#';
    s.WordSepOther = true;
    s.ButtonFont = {QStringLiteral("Liberation Sans"), true, true, 0x0000FF};
    ASSERT_TRUE(SaveSettings(s, dir.path()));
    EXPECT_EQ(LoadSettings(dir.path()), s);
}

TEST(Settings, MultiLineTextsRoundTripOnOneLine)
{
    const QByteArray texts[] = {
        "Line 1\nLine 2",   "Line 1\r\nLine 2\r\n", "a\\nb",      "C:\\Temp\\", "\\",
        " lead and trail ", " ",                     "tab\there", "",           "\n\n\n",
        "\\s\\\\n",
    };
    for (const QByteArray& text : texts) {
        const QByteArray line = EncodeMultiLine(text);
        EXPECT_FALSE(line.contains('\n') || line.contains('\r')) << line.constData();
        EXPECT_FALSE(line.startsWith(' ') || line.endsWith(' ') || line.contains('\t')) << line.constData();
        EXPECT_EQ(DecodeMultiLine(line), text) << line.constData();
    }
    // A single backslash written by hand is not an escape and stays.
    EXPECT_EQ(DecodeMultiLine("C:\\Temp\\x\\"), QByteArray("C:\\Temp\\x\\"));

    // The read limit counts the text, not its longer escaped line.
    QTemporaryDir dir;
    Settings s = DefaultSettings(dir.path());
    QString longText;
    while (longText.size() < 998)
        longText += QStringLiteral("ab\n");
    longText.truncate(998);
    s.FirstHeader.Text = longText;
    s.SecondHeader.Text = longText + QStringLiteral("xyz");
    ASSERT_TRUE(SaveSettings(s, dir.path()));
    const Settings loaded = LoadSettings(dir.path());
    EXPECT_EQ(loaded.FirstHeader.Text, longText);
    EXPECT_EQ(loaded.SecondHeader.Text, longText + QLatin1Char('x'));
}
