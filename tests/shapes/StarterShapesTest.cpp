#include "store/GridModel.h"
#include "shapes/ShapeLibrary.h"
#include "shapes/ShapePicture.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

std::vector<TShapeRecord> StarterLibrary()
{
    std::vector<TShapeRecord> shapes;
    const IoResult read = ShapeLibrary::ReadLibrary(ShapeLibrary::LibraryPath(QStringLiteral(QUORVEX_BUILD_DIR)), shapes);
    EXPECT_TRUE(read) << qPrintable(read.systemError);
    return shapes;
}

bool EveryRowAndColumnUsed(const TShapeRecord& shape)
{
    for (int r = 1; r <= shape.rows(); ++r) {
        bool used = false;
        for (int c = 1; c <= shape.columns(); ++c)
            used = used || GridModel::Cell(shape.ShapeCells, GridModel::LinearCell(r, c)) != 0;
        if (!used)
            return false;
    }
    for (int c = 1; c <= shape.columns(); ++c) {
        bool used = false;
        for (int r = 1; r <= shape.rows(); ++r)
            used = used || GridModel::Cell(shape.ShapeCells, GridModel::LinearCell(r, c)) != 0;
        if (!used)
            return false;
    }
    return true;
}

int CellsInside(const TShapeRecord& shape)
{
    int count = 0;
    for (int r = 1; r <= shape.rows(); ++r)
        for (int c = 1; c <= shape.columns(); ++c)
            count += GridModel::Cell(shape.ShapeCells, GridModel::LinearCell(r, c)) != 0;
    return count;
}

int CellCount(const TShapeRecord& shape)
{
    int count = 0;
    for (std::uint8_t cell : shape.ShapeCells)
        count += cell != 0;
    return count;
}

} // namespace

TEST(StarterShapes, BuiltLibraryHoldsTheSquaresBySizeThenThePictures)
{
    const QString path = ShapeLibrary::LibraryPath(QStringLiteral(QUORVEX_BUILD_DIR));
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_EQ(QFile(path).size() % 2555, 0);
    const std::vector<TShapeRecord> shapes = StarterLibrary();

    const int squares[] = {10, 13, 15, 17, 21, 25, 30};
    ASSERT_GE(shapes.size(), std::size(squares) + 6);
    for (std::size_t i = 0; i < std::size(squares); ++i) {
        const TShapeRecord& square = shapes[i];
        const int n = squares[i];
        EXPECT_EQ(square.ShapeTitle.text(), "Square " + QByteArray::number(n));
        EXPECT_EQ(square.ShapeWidth, n);
        EXPECT_EQ(square.ShapeHeight, n);
        EXPECT_EQ(CellCount(square), n * n) << n;
        EXPECT_EQ(GridModel::LongestRun(square.ShapeCells, n, n), n);
    }

    QStringList pictures;
    for (std::size_t i = std::size(squares); i < shapes.size(); ++i) {
        const TShapeRecord& picture = shapes[i];
        const QByteArray title = picture.ShapeTitle.text();
        pictures << QString::fromLatin1(title);
        EXPECT_TRUE(picture.hasValidSize()) << title.constData();
        EXPECT_GE(picture.ShapeWidth, 13) << title.constData();
        EXPECT_LE(picture.ShapeWidth, 25) << title.constData();
        // Room for long words, and a picture rather than a filled box.
        EXPECT_GE(GridModel::LongestRun(picture.ShapeCells, picture.ShapeWidth, picture.ShapeHeight), 13)
            << title.constData();
        EXPECT_LT(CellCount(picture), picture.ShapeWidth * picture.ShapeHeight) << title.constData();
        EXPECT_TRUE(EveryRowAndColumnUsed(picture)) << title.constData();
        // Nothing outside the stated size.
        EXPECT_EQ(CellsInside(picture), CellCount(picture)) << title.constData();
    }
    for (const char* name : {"Diamond", "Circle", "Heart", "Star", "Cross", "Triangle"})
        EXPECT_TRUE(pictures.contains(QLatin1String(name))) << name;
}

TEST(StarterShapes, EverySourcePictureParses)
{
    const QDir sources(QStringLiteral(QUORVEX_DATA_DIR "/shapes"));
    const QStringList files = sources.entryList({QStringLiteral("*.txt")}, QDir::Files);
    EXPECT_GE(files.size(), 13);
    for (const QString& file : files) {
        QFile source(sources.filePath(file));
        ASSERT_TRUE(source.open(QIODevice::ReadOnly)) << qPrintable(file);
        TShapeRecord shape;
        QString error;
        EXPECT_TRUE(ShapePicture::Parse(source.readAll(), shape, error)) << qPrintable(file) << ": " << qPrintable(error);
    }
}

TEST(ShapePicture, ReadsRowsOfCellsUnderATitle)
{
    TShapeRecord shape;
    QString error;
    ASSERT_TRUE(ShapePicture::Parse("  Plus  \r\n\n..#..\r\n..#..  \n#####\n..#..\n..#..\n\n\n", shape, error))
        << qPrintable(error);
    EXPECT_EQ(shape.ShapeTitle.text(), QByteArray("Plus"));
    EXPECT_EQ(shape.ShapeWidth, 5);
    EXPECT_EQ(shape.ShapeHeight, 5);
    EXPECT_EQ(GridModel::Cell(shape.ShapeCells, GridModel::LinearCell(1, 3)), 1);
    EXPECT_EQ(GridModel::Cell(shape.ShapeCells, GridModel::LinearCell(1, 2)), 0);
    EXPECT_EQ(GridModel::Cell(shape.ShapeCells, GridModel::LinearCell(3, 5)), 1);
    EXPECT_EQ(GridModel::LongestRun(shape.ShapeCells, 5, 5), 5);
    EXPECT_EQ(ShapePicture::Write(shape), QByteArray("Plus\n..#..\n..#..\n#####\n..#..\n..#..\n"));
}

TEST(ShapePicture, RefusesMalformedPictures)
{
    const QByteArray row5 = "#####\n";
    const struct {
        const char* name;
        QByteArray text;
    } cases[] = {
        {"empty", ""},
        {"no title", "\n" + row5.repeated(5)},
        {"title too long", QByteArray(51, 'T') + "\n" + row5.repeated(5)},
        {"four rows", "T\n" + row5.repeated(4)},
        {"thirty-one rows", "T\n" + row5.repeated(31)},
        {"four columns", "T\n" + QByteArray("####\n").repeated(5)},
        {"thirty-one columns", "T\n" + (QByteArray(31, '#') + "\n").repeated(5)},
        {"ragged row", "T\n" + row5.repeated(2) + "####\n" + row5.repeated(2)},
        {"blank row inside", "T\n" + row5.repeated(2) + "\n" + row5.repeated(3)},
        {"other character", "T\n" + row5.repeated(2) + "##x##\n" + row5.repeated(2)},
    };
    for (const auto& c : cases) {
        TShapeRecord shape;
        QString error;
        EXPECT_FALSE(ShapePicture::Parse(c.text, shape, error)) << c.name;
        EXPECT_FALSE(error.isEmpty()) << c.name;
    }
}
