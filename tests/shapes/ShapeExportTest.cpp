#include "shapes/ShapeExport.h"
#include "shapes/ShapeTestSupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ShapeTest;

TEST(ShapeExport, WritesSignatureVersionAndRecordAndReadsItBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("heart.lay"));
    const QByteArray record = HandRecord("Heart", 23, 20, {{1, 4}, {20, 12}});
    ASSERT_TRUE(ShapeExport::ExportShape(path, TShapeRecord::fromBytes(record)));
    EXPECT_EQ(FileBytes(path), QByteArray("LAY1.0") + record);

    TShapeRecord imported;
    ASSERT_TRUE(ShapeExport::ImportShape(path, imported));
    EXPECT_EQ(imported.toBytes(), record);
}

TEST(ShapeExport, ExportThatCannotCreateTheFileFails)
{
    QTemporaryDir dir;
    EXPECT_FALSE(ShapeExport::ExportShape(dir.filePath(QStringLiteral("missing/x.lay")), Shape("A", 5, 5)));
}

TEST(ShapeExport, ImportJudgesSignatureLengthsAndSize)
{
    const QByteArray good = HandRecord("Good", 15, 15, {{1, 1}});
    const struct {
        const char* name;
        QByteArray bytes;
        IoResult::Status status;
    } cases[] = {
        {"whole file", "LAY1.0" + good, IoResult::Ok},
        {"any version bytes", "LAY\xff" "ab" + good, IoResult::Ok},
        {"bytes beyond the record", "LAY1.0" + good + "trailing bytes", IoResult::Ok},
        {"one byte short (2560)", ("LAY1.0" + good).left(2560), IoResult::Corrupt},
        {"lower-case signature", "lay1.0" + good, IoResult::Corrupt},
        {"other signature", "PAG1.0" + good, IoResult::Corrupt},
        {"empty", QByteArray(), IoResult::Corrupt},
        {"signature cut", "LA", IoResult::Corrupt},
        {"version cut", "LAY1.", IoResult::Corrupt},
        {"no record", "LAY1.0", IoResult::Corrupt},
        {"width 4", "LAY1.0" + HandRecord("W", 4, 15), IoResult::Corrupt},
        {"width 31", "LAY1.0" + HandRecord("W", 31, 15), IoResult::Corrupt},
        {"height 4", "LAY1.0" + HandRecord("H", 15, 4), IoResult::Corrupt},
        {"height 31", "LAY1.0" + HandRecord("H", 15, 31), IoResult::Corrupt},
        {"width 0", "LAY1.0" + HandRecord("Z", 0, 15), IoResult::Corrupt},
        {"negative height", "LAY1.0" + HandRecord("N", 15, -15), IoResult::Corrupt},
        {"smallest size", "LAY1.0" + HandRecord("S", 5, 5), IoResult::Ok},
        {"largest size", "LAY1.0" + HandRecord("L", 30, 30), IoResult::Ok},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("in.lay"));
    for (const auto& c : cases) {
        ASSERT_TRUE(WriteBytes(path, c.bytes)) << c.name;
        const TShapeRecord before = Shape("Untouched", 9, 9);
        TShapeRecord shape = before;
        EXPECT_EQ(ShapeExport::ImportShape(path, shape).status, c.status) << c.name;
        if (c.status == IoResult::Ok) {
            EXPECT_EQ(shape.toBytes(), c.bytes.mid(6, 2555)) << c.name;
        } else {
            EXPECT_EQ(shape, before) << c.name;
        }
    }
}

TEST(ShapeExport, ImportOfAMissingFileIsAnOpenFailure)
{
    QTemporaryDir dir;
    TShapeRecord shape;
    EXPECT_EQ(ShapeExport::ImportShape(dir.filePath(QStringLiteral("none.lay")), shape).status, IoResult::OpenFailed);
}
