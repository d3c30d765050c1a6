#include "store/IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(IniFile, NamesMatchWithoutRegardToCaseAndValuesAreTrimmed)
{
    // "\xE9" and "\xC9" are e-acute and E-acute in Windows-1252.
    const IniFile ini = IniFile::fromBytes("[misc]\n"
                                           "  window SIZE \t=  800 x \t\n"
                                           "Name=first\n"
                                           "NAME=second\n"
                                           "; Comment=ignored\n"
                                           "[Caf\xE9]\n"
                                           "K\xE9y=caf\xE9\n");
    const struct {
        const char* section;
        const char* key;
        const char* value;
    } cases[] = {
        {"Misc", "Window Size", "800 x"},
        {"MISC", "window size", "800 x"},
        {" Misc ", "Name", "first"},
        {"Misc", "; Comment", "default"},
        {"CAF\xC9", "K\xC9Y", "caf\xE9"},
        {"Misc", "Missing", "default"},
        {"Other", "Name", "default"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ini.value(c.section, c.key, "default", IniFile::NoLimit), QByteArray(c.value))
            << c.section << "/" << c.key;
    EXPECT_TRUE(ini.contains("MISC", "name"));
    EXPECT_FALSE(ini.contains("Misc", "Comment"));
}

TEST(IniFile, ReadLimitIsABufferSizeThatCountsTheTerminator)
{
    const IniFile ini = IniFile::fromBytes("[S]\nKey=abcdefghij\nEmpty=\n");
    const struct {
        const char* key;
        const char* defaultValue;
        int limit;
        const char* value;
    } cases[] = {
        {"Key", "", 5, "abcd"},
        {"Key", "", 11, "abcdefghij"},
        {"Key", "", 1, ""},
        {"Key", "", 0, ""},
        {"Key", "", IniFile::NoLimit, "abcdefghij"},
        {"Empty", "default", 15, ""},
        {"Missing", "default  ", 15, "default"},
        {"Missing", "  default", 5, "  de"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ini.value("S", c.key, c.defaultValue, c.limit), QByteArray(c.value))
            << c.key << " limit " << c.limit;
}

TEST(IniFile, WritingAKeyKeepsEveryOtherLine)
{
    IniFile ini = IniFile::fromBytes("; settings\n"
                                     "[Misc]\n"
                                     "Window SIZE = 640\n"
                                     "Unknown=kept\n"
                                     "\n"
                                     "[Reports]\n"
                                     "Letters=ABC\n");
    ini.setValue("misc", "window size", "800");
    ini.setValue("Misc", "Show Tips", "No");
    ini.setValue("Reports", "Letters", "");
    ini.setValue("Edit Font", "Bold", "Yes");
    EXPECT_EQ(ini.toBytes(), QByteArray("; settings\n"
                                        "[Misc]\n"
                                        "Window SIZE=800\n"
                                        "Unknown=kept\n"
                                        "Show Tips=No\n"
                                        "\n"
                                        "[Reports]\n"
                                        "Letters=\n"
                                        "\n"
                                        "[Edit Font]\n"
                                        "Bold=Yes\n"));
}

TEST(IniFile, LineBreaksInAValueCannotAddLines)
{
    IniFile ini;
    ini.setValue("S", "Key", "one\r\nInjected=two");
    EXPECT_EQ(ini.toBytes(), QByteArray("[S]\nKey=one  Injected=two\n"));
    EXPECT_FALSE(IniFile::fromBytes(ini.toBytes()).contains("S", "Injected"));
}

TEST(IniFile, CarriageReturnLineEndsAreKept)
{
    IniFile ini = IniFile::fromBytes("[S]\r\nA=1\r\n");
    EXPECT_EQ(ini.value("S", "A", "", 15), QByteArray("1"));
    ini.setValue("S", "B", "2");
    EXPECT_EQ(ini.toBytes(), QByteArray("[S]\r\nA=1\r\nB=2\r\n"));
}

TEST(IniFile, OneKeyCallsCreateTheFileAndReplaceItWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("T.INI"));
    EXPECT_EQ(IniFile::readKey(path, "S", "K", "none", 15), QByteArray("none"));
    ASSERT_TRUE(IniFile::writeKey(path, "S", "K", "v\xE9"));
    ASSERT_TRUE(IniFile::writeKey(path, "s", "k", "w\xE9"));
    ASSERT_TRUE(IniFile::writeKey(path, "T", "K", "x"));
    EXPECT_EQ(fileBytes(path), QByteArray("[S]\nK=w\xE9\n\n[T]\nK=x\n"));
    EXPECT_EQ(IniFile::readKey(path, "S", "K", "none", 15), QByteArray("w\xE9"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("T.INI")});
}

TEST(IniFile, OnePairOfEnclosingQuotesIsDroppedOnReadingAndKeptOnWriting)
{
    const IniFile ini = IniFile::fromBytes("[Reports]\n"
                                           "Across Label=\"Across clues\"\n"
                                           "Down Label = 'Down' \n"
                                           "Letters=\"ABC'\n"
                                           "Single=\"\n"
                                           "Empty=\"\"\n"
                                           "Inner=say \"hi\"\n"
                                           "Twice=\"\"quoted\"\"\n");
    const struct {
        const char* key;
        const char* value;
    } cases[] = {
        {"Across Label", "Across clues"}, {"Down Label", "Down"},   {"Letters", "\"ABC'"},
        {"Single", "\""},                 {"Empty", ""},            {"Inner", "say \"hi\""},
        {"Twice", "\"quoted\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ini.value("Reports", c.key, "default", IniFile::NoLimit), QByteArray(c.value)) << c.key;
    // The read limit counts the value without its quotes.
    EXPECT_EQ(ini.value("Reports", "Across Label", "", 7), QByteArray("Across"));

    // A value that is itself quoted reads back as it was written.
    IniFile written;
    for (const char* value : {"\"Quoted\"", "'single'", "plain", "\"open", "'", " \"spaced\""}) {
        written.setValue("Misc", "Key", value);
        EXPECT_EQ(IniFile::fromBytes(written.toBytes()).value("Misc", "Key", "", IniFile::NoLimit), QByteArray(value));
    }
}
