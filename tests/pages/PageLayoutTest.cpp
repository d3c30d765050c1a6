// The page layout record against offsets written here: every object field, and the built-in
// default layout byte by byte.
#include "pages/DefaultLayout.h"
#include "pages/PageLayout.h"

#include <QtEndian>
#include <cstring>
#include <gtest/gtest.h>

namespace {

int i16At(const QByteArray& b, int offset)
{
    return qFromLittleEndian<qint16>(b.constData() + offset);
}

quint32 u32At(const QByteArray& b, int offset)
{
    return qFromLittleEndian<quint32>(b.constData() + offset);
}

double f64At(const QByteArray& b, int offset)
{
    const quint64 bits = qFromLittleEndian<quint64>(b.constData() + offset);
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

QByteArray pascal(const char* text)
{
    return char(std::strlen(text)) + QByteArray(text);
}

constexpr int Header = 88;
constexpr int Slot = 1439;

} // namespace

TEST(PageLayoutRecord, EveryObjectFieldLiesAtItsOffset)
{
    TPageLayout l;
    l.Reserved[0] = 0xA1;
    l.Reserved[19] = 0xA2;
    TPageObject& o = l.Objects[19];
    o.TextFontColor = 0x00112233;
    o.TextBold = true;
    o.TextStrikeOut = true;
    o.NumberFontName.setText("Courier");
    o.NumberFontSize = 5;
    o.NumberFontColor = 0x00445566;
    o.NumberItalic = true;
    o.NumberUnderline = true;
    o.BlockColor = 0x00778899;
    o.LineColor = 0x00AABBCC;
    o.NumbersHorizontal = true;
    o.Transparent = true;
    o.SplitColumns = true;
    o.MakeFit = true;
    o.Filled = true;
    o.FillColor = 0x00DDEEFF;
    o.BorderColor = 0x00010203;
    o.UseBorder = true;
    o.ImageReference = {1, 2, 3, 4};
    o.Reserved[0] = 0xB1;
    o.Reserved[27] = 0xB2;

    const QByteArray b = l.toBytes();
    ASSERT_EQ(b.size(), 28868);
    EXPECT_EQ(quint8(b[68]), 0xA1);
    EXPECT_EQ(quint8(b[87]), 0xA2);
    const int s = Header + 19 * Slot;
    EXPECT_EQ(s + Slot, 28868);
    EXPECT_EQ(u32At(b, s + 67), 0x00112233u);
    EXPECT_EQ(b.mid(s + 71, 4), QByteArray("\1\0\0\1", 4));
    EXPECT_EQ(b.mid(s + 75, 8), pascal("Courier"));
    EXPECT_EQ(i16At(b, s + 106), 5);
    EXPECT_EQ(u32At(b, s + 108), 0x00445566u);
    EXPECT_EQ(b.mid(s + 112, 4), QByteArray("\0\1\1\0", 4));
    EXPECT_EQ(u32At(b, s + 116), 0x00778899u);
    EXPECT_EQ(u32At(b, s + 120), 0x00AABBCCu);
    EXPECT_EQ(b[s + 124], 1);
    EXPECT_EQ(b[s + 1132], 1);
    EXPECT_EQ(b.mid(s + 1135, 3), QByteArray("\1\1\1", 3));
    EXPECT_EQ(u32At(b, s + 1138), 0x00DDEEFFu);
    EXPECT_EQ(u32At(b, s + 1142), 0x00010203u);
    EXPECT_EQ(b[s + 1146], 1);
    EXPECT_EQ(b.mid(s + 1405, 4), QByteArray("\1\2\3\4", 4));
    EXPECT_EQ(quint8(b[s + 1411]), 0xB1);
    EXPECT_EQ(quint8(b[s + 1438]), 0xB2);
    EXPECT_EQ(TPageLayout::fromBytes(b), l);
}

TEST(PageLayoutRecord, ObjectCountOutsideItsRangeIsClampedForUse)
{
    QByteArray b(28868, '\0');
    qToLittleEndian<qint16>(25, b.data() + 63);
    EXPECT_EQ(TPageLayout::fromBytes(b).usedObjects(), 20);
    qToLittleEndian<qint16>(-3, b.data() + 63);
    EXPECT_EQ(TPageLayout::fromBytes(b).usedObjects(), 0);
}

TEST(DefaultLayout, HeaderMatchesTheTable)
{
    const QByteArray b = BuiltInDefaultLayout().toBytes();
    ASSERT_EQ(b.size(), 28868);
    QByteArray header(88, '\0');
    header.replace(0, 9, pascal("New Page"));
    header.replace(21, 7, pascal("Letter"));
    EXPECT_EQ(f64At(b, 42), 8.5);
    EXPECT_EQ(f64At(b, 50), 11.0);
    header.replace(42, 16, b.mid(42, 16)); // the doubles, checked above
    header[58] = char(408 & 0xFF), header[59] = char(408 >> 8);
    header[60] = char(528 & 0xFF), header[61] = char(528 >> 8);
    header[62] = 1;  // UseInches
    header[63] = 6;  // ObjectCount
    header[65] = 1;  // Portrait
    header[66] = 1;  // DesignZoom
    EXPECT_EQ(b.left(88), header);
}

TEST(DefaultLayout, ObjectsMatchTheTableAndEverythingElseIsZero)
{
    const struct {
        int kind;
        const char* name;
        int left, top, right, bottom;
        int columns;
    } objects[] = {
        {1, "Title", 48, 48, 360, 72, 0},
        {2, "Puzzle", 96, 76, 312, 292, 0},
        {4, "Across Header", 48, 297, 192, 312, 0},
        {3, "Down Header", 216, 297, 360, 312, 0},
        {6, "Across Clues", 48, 316, 192, 484, 1},
        {5, "Down Clues", 216, 316, 360, 484, 1},
    };
    const QByteArray b = BuiltInDefaultLayout().toBytes();
    QByteArray expected = b.left(88);
    expected.append(QByteArray(28868 - 88, '\0'));
    for (int i = 0; i < 6; ++i) {
        const auto& e = objects[i];
        const int s = Header + i * Slot;
        const auto put16 = [&](int at, int v) { qToLittleEndian<qint16>(qint16(v), expected.data() + s + at); };
        const auto put32 = [&](int at, quint32 v) { qToLittleEndian<quint32>(v, expected.data() + s + at); };
        put16(0, e.kind);
        expected.replace(s + 2, int(std::strlen(e.name)) + 1, pascal(e.name));
        put32(18, quint32(e.left));
        put32(22, quint32(e.top));
        put32(26, quint32(e.right));
        put32(30, quint32(e.bottom));
        expected.replace(s + 34, 6, pascal("Arial"));
        put16(65, 12);          // TextFontSize; colour black, no styles
        put16(129, 2);          // Alignment centre
        expected[s + 1132] = 1; // Transparent
        put16(1133, e.columns);
        expected[s + 1136] = 1; // MakeFit
        put32(1138, 0xFFFFFF);  // FillColor
        put16(1147, 1);         // BorderWidth
        if (e.kind == 2) {
            expected.replace(s + 75, 6, pascal("Arial"));
            put16(106, 5);
            put32(116, 0xFFFFFF); // BlockColor
            expected[s + 124] = 1; // NumbersHorizontal
            put32(125, 1);        // LineWidth
            put32(1138, 0);       // FillColor
        }
    }
    EXPECT_EQ(b, expected);
}
