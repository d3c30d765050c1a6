#include "words/WordListText.h"

#include <QStringEncoder>
#include <gtest/gtest.h>

using WordListText::Encoding;
using WordListText::LineProblem;
using WordListText::ReadWordFile;
using WordListText::Unmappable;

namespace {

/** A byte literal that may hold NUL bytes. */
template <std::size_t N>
QByteArray raw(const char (&bytes)[N])
{
    return QByteArray(bytes, qsizetype(N - 1));
}

QByteArray encoded(QStringConverter::Encoding encoding, const QString& text, bool bom)
{
    QStringEncoder encoder(encoding, bom ? QStringEncoder::Flag::WriteBom : QStringEncoder::Flag::Default);
    return encoder.encode(text);
}

} // namespace

TEST(WordListText, EveryEncodingOfTheSameListGivesTheSameItems)
{
    // Accented letters and the euro sign, which Windows-1252 holds outside Latin-1.
    const QString text = QStringLiteral("CAFÉ: coffee shop\r\n\r\nNIÑO : child \u20AC\nSMÖRGÅS\n");
    const QList<QByteArray> expected{"CAF\xC9: coffee shop", "NI\xD1O : child \x80", "SM\xD6RG\xC5S"};
    const QByteArray windows1252("CAF\xC9: coffee shop\r\n\r\nNI\xD1O : child \x80\nSM\xD6RG\xC5S\n");
    struct Case {
        const char* name;
        QByteArray bytes;
        Encoding encoding;
    } cases[] = {
        {"utf-8", text.toUtf8(), Encoding::Utf8},
        {"utf-8 with BOM", "\xEF\xBB\xBF" + text.toUtf8(), Encoding::Utf8},
        {"windows-1252", windows1252, Encoding::Windows1252},
        {"utf-16le with BOM", encoded(QStringConverter::Utf16LE, text, true), Encoding::Utf16LE},
        {"utf-16be with BOM", encoded(QStringConverter::Utf16BE, text, true), Encoding::Utf16BE},
        {"utf-16le without BOM", encoded(QStringConverter::Utf16LE, text, false), Encoding::Utf16LE},
        {"utf-16be without BOM", encoded(QStringConverter::Utf16BE, text, false), Encoding::Utf16BE},
    };
    for (const Case& c : cases) {
        const auto file = ReadWordFile(c.bytes, Unmappable::Skip);
        EXPECT_EQ(file.encoding, c.encoding) << c.name;
        EXPECT_EQ(file.items, expected) << c.name;
        EXPECT_EQ(file.itemLines, (QList<int>{1, 3, 4})) << c.name;
        EXPECT_TRUE(file.problems.isEmpty()) << c.name;
    }
}

TEST(WordListText, ControlBytesNeverReachAnItem)
{
    // NUL inside a word, a bell and a DEL drop their lines; a tab counts as a space; a lone CR ends
    // a line; an end-of-file mark ending the file is ignored.
    const QByteArray bytes = raw("LI\0ON:King\nTIGER\t:\tStripes\t\rBELL\a:x\rOX:Yoke\x7F\nYAK\x1A");
    const auto file = ReadWordFile(bytes, Unmappable::Replace);
    EXPECT_EQ(file.items, (QList<QByteArray>{"TIGER : Stripes", "YAK"}));
    EXPECT_EQ(file.itemLines, (QList<int>{2, 5}));
    ASSERT_EQ(file.problems.size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(file.problems[i].kind, LineProblem::ControlCharacter);
        EXPECT_TRUE(file.problems[i].dropped);
    }
    EXPECT_EQ(file.problems[0].line, 1);
    EXPECT_EQ(file.problems[2].line, 4);
    EXPECT_EQ(WordListText::ProblemText(file.problems[0]), QStringLiteral("line 1 holds a control character and was left out"));

    // A few NUL bytes do not make a file UTF-16: the lines around them are read as they are.
    const auto sparse = ReadWordFile(raw("C\0\nDOGS\nEMU\nFOX\n"), Unmappable::Replace);
    EXPECT_EQ(sparse.encoding, Encoding::Utf8);
    EXPECT_EQ(sparse.items, (QList<QByteArray>{"DOGS", "EMU", "FOX"}));
}

TEST(WordListText, CharactersOutsideTheCodePageAreSkippedOrReplacedAndLinesCut)
{
    const QByteArray utf8 = QStringLiteral("ŐRÜLT: Hungarian for mad\nCAT\n").toUtf8();
    const auto skipped = ReadWordFile(utf8, Unmappable::Skip);
    EXPECT_EQ(skipped.items, QList<QByteArray>{"CAT"});
    ASSERT_EQ(skipped.problems.size(), 1);
    EXPECT_EQ(skipped.problems[0].kind, LineProblem::NotInCodePage);
    EXPECT_EQ(skipped.problems[0].line, 1);
    EXPECT_EQ(skipped.problems[0].character, QStringLiteral("Ő"));
    EXPECT_TRUE(skipped.problems[0].dropped);

    const auto replaced = ReadWordFile(utf8, Unmappable::Replace);
    EXPECT_EQ(replaced.items, (QList<QByteArray>{"?R\xDCLT: Hungarian for mad", "CAT"}));
    ASSERT_EQ(replaced.problems.size(), 1);
    EXPECT_FALSE(replaced.problems[0].dropped);
    EXPECT_EQ(WordListText::ProblemText(replaced.problems[0]),
              QStringLiteral("line 1 holds \"Ő\", a character that a word list cannot hold, which became \"?\""));

    // Only the first 255 characters count, also for what is wrong beyond them; then the line is trimmed.
    const QByteArray longLine = "  " + QByteArray(253, 'A') + "  " + QByteArray(40, 'B') + raw("\0\n");
    const auto cut = ReadWordFile(longLine, Unmappable::Skip);
    ASSERT_EQ(cut.items.size(), 1);
    EXPECT_EQ(cut.items[0], QByteArray(253, 'A'));
    EXPECT_TRUE(cut.problems.isEmpty());
    const auto accented = ReadWordFile(QString(300, QChar(0xE9)).toUtf8(), Unmappable::Skip);
    EXPECT_EQ(accented.items, QList<QByteArray>{QByteArray(255, '\xE9')});
}

TEST(WordListText, PairsSplitAtTheFirstSeparatorAndRoundTrip)
{
    const auto pair = WordListText::SplitPair("RATIO: a:b", ':');
    EXPECT_EQ(pair.word, QByteArray("RATIO"));
    EXPECT_EQ(pair.clue, QByteArray("a:b"));
    const auto wordOnly = WordListText::SplitPair("  LONE WORD ", ':');
    EXPECT_EQ(wordOnly.word, QByteArray("LONE WORD"));
    EXPECT_TRUE(wordOnly.clue.isEmpty());

    const QByteArray line = WordListText::FormatPair("LION", "King of beasts", ';');
    EXPECT_EQ(line, QByteArray("LION") + QByteArray(27, ' ') + "; King of beasts");
    const auto back = WordListText::SplitPair(line, ';');
    EXPECT_EQ(back.word, QByteArray("LION"));
    EXPECT_EQ(back.clue, QByteArray("King of beasts"));
    EXPECT_EQ(WordListText::FormatPair({}, "Clue", ':'), QByteArray(31, ' ') + ": Clue");

    // Written as Windows-1252 lines ending in CR LF, read back item for item.
    const QList<QByteArray> items{line, "CAF\xC9"};
    EXPECT_EQ(WordListText::FileBytes(items), line + "\r\nCAF\xC9\r\n");
    EXPECT_EQ(ReadWordFile(WordListText::FileBytes(items), Unmappable::Skip).items,
              items);
}
