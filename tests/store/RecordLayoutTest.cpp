// Byte layouts of the puzzle, shape and page layout records, checked against offsets written here.
#include "pages/PageLayout.h"
#include "shapes/ShapeRecord.h"
#include "store/PuzzleRecord.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace {

qint16 i16At(const QByteArray& b, int offset) { return qFromLittleEndian<qint16>(b.constData() + offset); }

} // namespace

TEST(RecordLayout, PuzzleRecordFieldsLieAtTheirOffsets)
{
    TPuzzleRecord r;
    r.Version.setText("3.0c");
    r.Category.setText("Animals");
    r.Title.setText("Big Cats");
    r.GridWidth = 21;
    r.GridHeight = 17;
    r.Grid[0] = 'A';
    r.Grid[2499] = 'Z';
    r.WordCount = 3;
    r.AcrossCount = 2;
    r.DownCount = 1;
    r.Words[0].setText("LION");
    r.Words[199].setText("PUMA");
    r.Clues[0].setText("King");
    r.Clues[199].setText("Cougar");
    r.StartCell[0] = 2500;
    r.StartCell[199] = -2;
    r.LetterCount[0] = 4;
    r.ClueNumber[199] = 7;
    r.Direction[0] = 1;
    r.WordUsed[199] = 1;
    r.Generated = 1;
    r.PageLayout[0] = 0x11;
    r.PageLayout[28867] = 0x22;
    r.BonusQuestion.setText("Why?");
    r.Reserved[29] = 0x33;

    const QByteArray b = r.toBytes();
    ASSERT_EQ(b.size(), 69623);
    EXPECT_EQ(b.mid(0, 5), QByteArray("\x04" "3.0c"));
    EXPECT_EQ(b.mid(6, 8), QByteArray("\x07" "Animals"));
    EXPECT_EQ(b.mid(27, 9), QByteArray("\x08" "Big Cats"));
    EXPECT_EQ(i16At(b, 63), 21);
    EXPECT_EQ(i16At(b, 65), 17);
    EXPECT_EQ(b[67], 'A');
    EXPECT_EQ(b[66 + 2500], 'Z');
    EXPECT_EQ(i16At(b, 2567), 3);
    EXPECT_EQ(i16At(b, 2569), 2);
    EXPECT_EQ(i16At(b, 2571), 1);
    EXPECT_EQ(b.mid(2542 + 31 * 1, 5), QByteArray("\x04LION"));
    EXPECT_EQ(b.mid(2542 + 31 * 200, 5), QByteArray("\x04PUMA"));
    EXPECT_EQ(b.mid(8622 + 151 * 1, 5), QByteArray("\x04King"));
    EXPECT_EQ(b.mid(8622 + 151 * 200, 7), QByteArray("\x06" "Cougar"));
    EXPECT_EQ(i16At(b, 38971 + 2 * 1), 2500);
    EXPECT_EQ(i16At(b, 38971 + 2 * 200), -2);
    EXPECT_EQ(i16At(b, 39371 + 2 * 1), 4);
    EXPECT_EQ(i16At(b, 39771 + 2 * 200), 7);
    EXPECT_EQ(b[40172 + 1], 1);
    EXPECT_EQ(b[40372 + 200], 1);
    EXPECT_EQ(b[40573], 1);
    EXPECT_EQ(uchar(b[40574]), 0x11);
    EXPECT_EQ(uchar(b[40574 + 28867]), 0x22);
    EXPECT_EQ(b.mid(69442, 5), QByteArray("\x04Why?"));
    EXPECT_EQ(uchar(b[69622]), 0x33);

    EXPECT_EQ(TPuzzleRecord::fromBytes(b), r);
}

TEST(RecordLayout, LengthBytesAboveCapacityAreClampedOnReading)
{
    QByteArray b(69623, 'x');
    b[6] = char(200);   // Category, capacity 20
    b[27] = char(36);   // Title, capacity 35
    const TPuzzleRecord r = TPuzzleRecord::fromBytes(b);
    EXPECT_EQ(r.Category.text().size(), 20);
    EXPECT_EQ(r.Title.text().size(), 35);
}

TEST(RecordLayout, ShortBlocksReadAsZerosPastTheirEnd)
{
    const QByteArray b("\x02" "AB", 3);
    const TPuzzleRecord r = TPuzzleRecord::fromBytes(b);
    EXPECT_EQ(r.Version.text(), QByteArray("AB"));
    EXPECT_EQ(r.GridWidth, 0);
    EXPECT_EQ(r.WordCount, 0);
}

TEST(RecordLayout, ShapeRecordFieldsLieAtTheirOffsets)
{
    TShapeRecord s;
    s.ShapeTitle.setText("Heart");
    s.ShapeWidth = 15;
    s.ShapeHeight = 13;
    s.ShapeCells[0] = 1;
    s.ShapeCells[2499] = 1;
    const QByteArray b = s.toBytes();
    ASSERT_EQ(b.size(), 2555);
    EXPECT_EQ(b.mid(0, 6), QByteArray("\x05Heart"));
    EXPECT_EQ(i16At(b, 51), 15);
    EXPECT_EQ(i16At(b, 53), 13);
    EXPECT_EQ(b[54 + 1], 1);
    EXPECT_EQ(b[54 + 2500], 1);
    EXPECT_EQ(TShapeRecord::fromBytes(b), s);
}

TEST(RecordLayout, PageLayoutFieldsLieAtTheirOffsets)
{
    TPageLayout l;
    l.LayoutName.setText("New Page");
    l.PaperName.setText("Letter");
    l.PaperWidth = 8.5;
    l.PaperHeight = 11;
    l.PixelWidth = 408;
    l.PixelHeight = 528;
    l.UseInches = true;
    l.ObjectCount = 2;
    l.Portrait = true;
    l.DesignZoom = 1;
    TPageObject& o = l.Objects[1];
    o.Kind = ObjectKind::Puzzle;
    o.Name.setText("Puzzle");
    o.Bounds = {96, 76, 312, 292};
    o.TextFontSize = 12;
    o.LineWidth = 3;
    o.Alignment = 2;
    o.setText("Across:Down");
    o.Columns = 2;
    o.BorderWidth = 9;
    o.BitmapFile.setText("/tmp/x.bmp");
    o.FittedSize = 7;

    const QByteArray b = l.toBytes();
    ASSERT_EQ(b.size(), 28868);
    EXPECT_EQ(b.mid(0, 9), QByteArray("\x08New Page"));
    EXPECT_EQ(b.mid(21, 7), QByteArray("\x06Letter"));
    EXPECT_EQ(b.mid(42, 8), QByteArray("\0\0\0\0\0\0\x21\x40", 8)); // 8.5
    EXPECT_EQ(i16At(b, 58), 408);
    EXPECT_EQ(i16At(b, 60), 528);
    EXPECT_EQ(b[62], 1);
    EXPECT_EQ(i16At(b, 63), 2);
    EXPECT_EQ(b[65], 1);
    EXPECT_EQ(i16At(b, 66), 1);
    const int slot = 88 + 1439;
    EXPECT_EQ(i16At(b, slot), 2);
    EXPECT_EQ(b.mid(slot + 2, 7), QByteArray("\x06Puzzle"));
    EXPECT_EQ(qFromLittleEndian<qint32>(b.constData() + slot + 18), 96);
    EXPECT_EQ(qFromLittleEndian<qint32>(b.constData() + slot + 30), 292);
    EXPECT_EQ(i16At(b, slot + 65), 12);
    EXPECT_EQ(qFromLittleEndian<qint32>(b.constData() + slot + 125), 3);
    EXPECT_EQ(i16At(b, slot + 129), 2);
    EXPECT_EQ(b.mid(slot + 131, 12), QByteArray("Across:Down\0", 12));
    EXPECT_EQ(i16At(b, slot + 1133), 2);
    EXPECT_EQ(i16At(b, slot + 1147), 9);
    EXPECT_EQ(b.mid(slot + 1149, 11), QByteArray("\x0A/tmp/x.bmp"));
    EXPECT_EQ(i16At(b, slot + 1409), 7);
    EXPECT_EQ(TPageLayout::fromBytes(b), l);
}
