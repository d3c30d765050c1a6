#include "store/Ansi.h"

#include <gtest/gtest.h>

TEST(Ansi, UpCaseLatin1FoldsOnlyLettersOfTheLatin1Ranges)
{
    EXPECT_EQ(Ansi::UpCaseLatin1('a'), 'A');
    EXPECT_EQ(Ansi::UpCaseLatin1('z'), 'Z');
    EXPECT_EQ(Ansi::UpCaseLatin1('A'), 'A');
    EXPECT_EQ(Ansi::UpCaseLatin1(224), 192);
    EXPECT_EQ(Ansi::UpCaseLatin1(246), 214);
    EXPECT_EQ(Ansi::UpCaseLatin1(247), 247); // division sign stays
    EXPECT_EQ(Ansi::UpCaseLatin1(248), 216);
    EXPECT_EQ(Ansi::UpCaseLatin1(254), 222);
    EXPECT_EQ(Ansi::UpCaseLatin1(255), 255); // y with diaeresis stays
    EXPECT_EQ(Ansi::UpCaseLatin1('-'), '-');
    EXPECT_EQ(Ansi::UpCaseLatin1('1'), '1');
}

TEST(Ansi, Windows1252RoundTripsAndReplacesWhatItCannotHold)
{
    const QByteArray bytes("\x80\xE9\x9F", 3);
    const QString text = Ansi::toUnicode(bytes);
    EXPECT_EQ(text, QString(QChar(0x20AC)) + QChar(0xE9) + QChar(0x178));
    EXPECT_EQ(Ansi::fromUnicode(text), bytes);
    EXPECT_EQ(Ansi::fromUnicode(QString(QChar(0x4E2D))), QByteArray("?"));
}

TEST(Ansi, TextFilesAreUtf8WhenValidElseWindows1252)
{
    EXPECT_EQ(Ansi::fromTextFile(QByteArray("caf\xC3\xA9")), QByteArray("caf\xE9"));
    EXPECT_EQ(Ansi::fromTextFile(QByteArray("caf\xE9")), QByteArray("caf\xE9"));
}

TEST(Ansi, TrimRemovesSpacesOnly)
{
    EXPECT_EQ(Ansi::trimSpaces("  a b  "), QByteArray("a b"));
    EXPECT_EQ(Ansi::trimSpaces("\ta\t"), QByteArray("\ta\t"));
    EXPECT_EQ(Ansi::trimSpaces("   "), QByteArray());
}
