// Page images and files: sizes, bit depths, BMP bytes, JPEG, PNG, PDF and SVG.
#include "render/PageRenderSupport.h"
#include "export/RasterExport.h"
#include "export/VectorExport.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QProcess>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace RenderTest;

namespace {

std::uint32_t u32At(const QByteArray& b, int offset)
{
    return qFromLittleEndian<quint32>(b.constData() + offset);
}

std::int32_t i32At(const QByteArray& b, int offset)
{
    return qFromLittleEndian<qint32>(b.constData() + offset);
}

std::uint16_t u16At(const QByteArray& b, int offset)
{
    return qFromLittleEndian<quint16>(b.constData() + offset);
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Share of pixels in a rectangle (inches at the image's resolution) that are not white.
double inkIn(const QImage& image, QRectF inches)
{
    const double dpi = image.width() / 8.5;
    const QRect r(int(inches.left() * dpi), int(inches.top() * dpi), int(inches.width() * dpi), int(inches.height() * dpi));
    int ink = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x)
            ink += image.pixel(x, y) != qRgb(255, 255, 255);
    }
    return double(ink) / (r.width() * r.height());
}

} // namespace

TEST(RasterExport, ImageHeightFollowsThePaper)
{
    struct Case {
        QSizeF paper;
        int width;
        int height;
    };
    const Case cases[] = {
        {{8.5, 11}, 640, 828},     // 828.2
        {{11, 8.5}, 640, 495},     // 494.5 rounds to even
        {{210 / 25.4, 297 / 25.4}, 1000, 1414},
        {{2, 1}, 5, 2},            // 2.5 rounds to even
        {{2, 1}, 7, 4},            // 3.5 rounds to even
    };
    for (const Case& c : cases)
        EXPECT_EQ(RasterExport::pageImageHeight(c.paper, c.width), c.height) << c.width;
}

TEST(RasterExport, PageImageSizesAndDepths)
{
    const TPuzzleRecord p = samplePuzzle();
    const TPageLayout layout = defaultLayout();
    auto rgb = RasterExport::renderPageImage(p, layout, {}, 640, RasterExport::PixelFormat::Rgb24);
    EXPECT_EQ(rgb.Image.size(), QSize(640, 828));
    EXPECT_EQ(rgb.Image.depth(), 32);
    auto indexed = RasterExport::renderPageImage(p, layout, {}, 640, RasterExport::pixelFormatFromSetting(2));
    EXPECT_EQ(indexed.Image.format(), QImage::Format_Indexed8);
    EXPECT_LE(indexed.Image.colorCount(), 256);
    EXPECT_EQ(RasterExport::pixelFormatFromSetting(1), RasterExport::PixelFormat::Rgb24);
    EXPECT_EQ(RasterExport::pixelFormatFromSetting(7), RasterExport::PixelFormat::Rgb24);

    for (int width : {0, -1, 10000})
        EXPECT_TRUE(RasterExport::renderPageImage(p, layout, {}, width, RasterExport::PixelFormat::Rgb24).Image.isNull());
}

TEST(RasterExport, BmpBytesOfASmallImage)
{
    // 3 x 2 pixels: row 0 red, green, blue; row 1 white, black, grey. 24-bit rows are 9 bytes
    // padded to 12 and stored bottom-up in blue, green, red order.
    QImage image(3, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(1, 0, qRgb(0, 255, 0));
    image.setPixel(2, 0, qRgb(0, 0, 255));
    image.setPixel(0, 1, qRgb(255, 255, 255));
    image.setPixel(1, 1, qRgb(0, 0, 0));
    image.setPixel(2, 1, qRgb(128, 128, 128));
    image.setDotsPerMeterX(2835);
    image.setDotsPerMeterY(2835);
    QByteArray expected;
    expected += QByteArray("BM") + QByteArray::fromHex("4e000000" "00000000" "36000000");
    expected += QByteArray::fromHex("28000000" "03000000" "02000000" "0100" "1800" "00000000" "18000000"
                                    "130b0000" "130b0000" "00000000" "00000000");
    expected += QByteArray::fromHex("ffffff" "000000" "808080" "000000");
    expected += QByteArray::fromHex("0000ff" "00ff00" "ff0000" "000000");
    EXPECT_EQ(RasterExport::encodeBmp(image).toHex(), expected.toHex());
}

TEST(RasterExport, BmpHeadersOfThePage)
{
    const TPuzzleRecord p = samplePuzzle();
    struct Case {
        RasterExport::PixelFormat format;
        int width;
        int bits;
        int rowSize;
        int offset;
    };
    const Case cases[] = {
        {RasterExport::PixelFormat::Rgb24, 640, 24, 1920, 54},
        {RasterExport::PixelFormat::Rgb24, 641, 24, 1924, 54},
        {RasterExport::PixelFormat::Indexed8, 640, 8, 640, 54 + 1024},
        {RasterExport::PixelFormat::Indexed8, 641, 8, 644, 54 + 1024},
    };
    QTemporaryDir dir;
    for (const Case& c : cases) {
        const auto page = RasterExport::renderPageImage(p, defaultLayout(), {}, c.width, c.format);
        const QString path = dir.filePath(QStringLiteral("page.bmp"));
        ASSERT_TRUE(RasterExport::writeBmp(page.Image, path).isOk());
        const QByteArray b = readAll(path);
        const int height = RasterExport::pageImageHeight({8.5, 11}, c.width);
        ASSERT_GE(b.size(), 54);
        EXPECT_EQ(b.left(2), QByteArray("BM"));
        EXPECT_EQ(u32At(b, 2), std::uint32_t(b.size()));
        EXPECT_EQ(u32At(b, 10), std::uint32_t(c.offset));
        EXPECT_EQ(u32At(b, 14), 40u);
        EXPECT_EQ(i32At(b, 18), c.width);
        EXPECT_EQ(i32At(b, 22), height);
        EXPECT_EQ(u16At(b, 26), 1);
        EXPECT_EQ(u16At(b, 28), c.bits);
        EXPECT_EQ(u32At(b, 30), 0u);
        EXPECT_EQ(u32At(b, 34), std::uint32_t(c.rowSize * height));
        EXPECT_EQ(b.size(), c.offset + c.rowSize * height);
        EXPECT_EQ(i32At(b, 38), i32At(b, 42));
        EXPECT_EQ(u32At(b, 46), c.bits == 8 ? 256u : 0u);
        // Qt reads it back at the same size.
        EXPECT_EQ(QImage(path).size(), QSize(c.width, height));
    }
}

TEST(RasterExport, JpegThroughLibjpeg)
{
    const auto page = RasterExport::renderPageImage(samplePuzzle(), defaultLayout(), {}, 640,
                                                    RasterExport::PixelFormat::Rgb24);
    QByteArray low;
    QByteArray high;
    ASSERT_TRUE(RasterExport::encodeJpeg(page.Image, 5, low).isOk());
    ASSERT_TRUE(RasterExport::encodeJpeg(page.Image, 100, high).isOk());
    EXPECT_LT(low.size(), high.size());
    EXPECT_TRUE(low.startsWith(QByteArray::fromHex("ffd8ff")));
    for (const QByteArray* bytes : {&low, &high}) {
        QBuffer buffer(const_cast<QByteArray*>(bytes));
        QImageReader reader(&buffer, "jpeg");
        const QImage read = reader.read();
        EXPECT_EQ(read.size(), QSize(640, 828));
        EXPECT_EQ(read.depth(), 32);   // colour, 24 bits in the file
    }

    // An 8-bit page image is written as a colour JPEG of the same look.
    const auto indexed = RasterExport::renderPageImage(samplePuzzle(), defaultLayout(), {}, 320,
                                                       RasterExport::PixelFormat::Indexed8);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.jpg"));
    ASSERT_TRUE(RasterExport::writeJpeg(indexed.Image, 0, path).isOk());   // quality clamped to 1
    QImageReader reader(path);
    EXPECT_EQ(reader.size(), QSize(320, 414));
    EXPECT_FALSE(reader.read().isNull());
}

TEST(RasterExport, FailedWritesLeaveNoFileAndKeepTheOldOne)
{
    QTemporaryDir dir;
    const QString existing = dir.filePath(QStringLiteral("old.jpg"));
    {
        QFile file(existing);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("previous content");
    }
    EXPECT_FALSE(RasterExport::writeJpeg(QImage(), 50, existing).isOk());
    EXPECT_FALSE(RasterExport::writeBmp(QImage(), existing).isOk());
    EXPECT_EQ(readAll(existing), QByteArray("previous content"));

    const QString nowhere = dir.filePath(QStringLiteral("missing/page.bmp"));
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::white);
    EXPECT_FALSE(RasterExport::writeBmp(image, nowhere).isOk());
    EXPECT_FALSE(RasterExport::writePng(image, dir.path()).isOk());   // a directory, not a file
    EXPECT_FALSE(QFile::exists(nowhere));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("old.jpg")});
}

TEST(RasterExport, PngAndTheDrawnPage)
{
    const auto page = RasterExport::renderPageImage(samplePuzzle(), defaultLayout(), {}, 850,
                                                    RasterExport::PixelFormat::Rgb24);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.png"));
    ASSERT_TRUE(RasterExport::writePng(page.Image, path).isOk());
    const QImage read(path);
    EXPECT_EQ(read.size(), QSize(850, 1100));
    // Default layout at 48 design pixels an inch: title 1..1.5 in, grid 2..6 in wide, clues below.
    EXPECT_GT(inkIn(read, QRectF(2.5, 1.0, 3.5, 0.5)), 0.01);    // title
    EXPECT_GT(inkIn(read, QRectF(2.0, 1.6, 4.5, 4.5)), 0.02);    // grid
    EXPECT_GT(inkIn(read, QRectF(1.0, 6.6, 3.0, 1.0)), 0.005);   // across clues
    EXPECT_EQ(inkIn(read, QRectF(0.0, 0.0, 8.4, 0.9)), 0.0);     // nothing above the title
    EXPECT_EQ(inkIn(read, QRectF(0.0, 10.2, 8.4, 0.7)), 0.0);    // nothing below the clues
    EXPECT_FALSE(page.Page.ClueOverflow);

    // Sample pictures for a person to look at, when asked for.
    const QString samples = qEnvironmentVariable("QUORVEX_RENDER_SAMPLES");
    if (!samples.isEmpty()) {
        TRenderOptions answers;
        answers.AnswerKey = true;
        const auto key = RasterExport::renderPageImage(samplePuzzle(), defaultLayout(), answers, 850,
                                                       RasterExport::PixelFormat::Rgb24);
        RasterExport::writePng(page.Image, samples + QStringLiteral("/page.png"));
        RasterExport::writePng(key.Image, samples + QStringLiteral("/answers.png"));
        const auto indexed = RasterExport::renderPageImage(samplePuzzle(), defaultLayout(), answers, 850,
                                                           RasterExport::PixelFormat::Indexed8);
        RasterExport::writePng(indexed.Image, samples + QStringLiteral("/answers8.png"));
    }
}

TEST(RasterExport, PdfHoldsTheTextAsText)
{
    TPageLayout layout = defaultLayout();
    TFittedPage fitted;
    const QByteArray pdf = VectorExport::encodePdf(samplePuzzle(), layout, {}, &fitted);
    ASSERT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(fitted.Objects.size(), 6u);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.pdf"));
    ASSERT_TRUE(VectorExport::writePdf(samplePuzzle(), layout, {}, path).isOk());
    EXPECT_TRUE(readAll(path).startsWith("%PDF"));

    const QString pdftotext = findProgram(QStringLiteral("pdftotext"));
    const QString pdfinfo = findProgram(QStringLiteral("pdfinfo"));
    if (pdftotext.isEmpty() || pdfinfo.isEmpty())
        GTEST_SKIP() << "poppler-utils not installed";
    QProcess text;
    text.start(pdftotext, {path, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString extracted = QString::fromUtf8(text.readAllStandardOutput());
    for (const char* expected : {"Sample Puzzle", "Noble gas", "Long periods of time", "Across", "Down"})
        EXPECT_TRUE(extracted.contains(QLatin1String(expected))) << expected << "\n" << extracted.toStdString();
    QProcess info;
    info.start(pdfinfo, {path});
    ASSERT_TRUE(info.waitForFinished(30000));
    const QString infoText = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_TRUE(infoText.contains(QLatin1String("612 x 792 pts"))) << infoText.toStdString();

    // Landscape A4 keeps its orientation.
    layout.PaperName.setText("A4");
    layout.Portrait = false;
    ASSERT_TRUE(VectorExport::writePdf(samplePuzzle(), layout, {}, path).isOk());
    info.start(pdfinfo, {path});
    ASSERT_TRUE(info.waitForFinished(30000));
    const QString landscape = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_TRUE(landscape.contains(QLatin1String("842 x 595 pts"))) << landscape.toStdString();
}

TEST(RasterExport, SvgHoldsTheTextAndThePaperSize)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.svg"));
    ASSERT_TRUE(VectorExport::writeSvg(samplePuzzle(), defaultLayout(), {}, path).isOk());
    const QByteArray svg = readAll(path);
    EXPECT_TRUE(svg.contains("<svg"));
    EXPECT_TRUE(svg.contains("viewBox=\"0 0 816 1056\""));
    EXPECT_TRUE(svg.contains("Noble gas"));
    EXPECT_TRUE(svg.contains("Sample Puzzle"));

    // Qt's own SVG renderer draws it back: the grid and the clues have ink where the page has.
    QSvgRenderer renderer(svg);
    ASSERT_TRUE(renderer.isValid());
    QImage image(850, 1100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    EXPECT_GT(inkIn(image, QRectF(2.0, 1.6, 4.5, 4.5)), 0.02);
    EXPECT_GT(inkIn(image, QRectF(1.0, 6.6, 3.0, 1.0)), 0.005);
    EXPECT_EQ(inkIn(image, QRectF(0.0, 10.2, 8.4, 0.7)), 0.0);
    const QString samples = qEnvironmentVariable("QUORVEX_RENDER_SAMPLES");
    if (!samples.isEmpty())
        image.save(samples + QStringLiteral("/svg.png"));
}

TEST(RasterExport, EveryKindOnOnePage)
{
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("picture.png"));
    QImage tile(40, 20, QImage::Format_RGB32);
    tile.fill(QColor(200, 220, 255));
    for (int x = 0; x < 40; ++x)
        tile.setPixel(x, x / 2, qRgb(0, 0, 160));
    ASSERT_TRUE(tile.save(picture));

    TPuzzleRecord p = samplePuzzle();
    p.Clues[4].setText("Long periods of time, as counted by the calendar, usually of twelve months each");
    p.ClueNumber[1] = 104;   // three stacked digits in cell (5,1)
    p.BonusQuestion.setText("Which word is also a ray?");
    TPageLayout layout = defaultLayout();
    TPageObject& title = layout.Objects[0];
    title.UseBorder = true;
    title.BorderWidth = 3;
    title.BorderColor = 0xFF0000;   // blue
    title.TextFontColor = 0x000080; // dark red
    title.Alignment = TextAlignment::Left;
    TPageObject& grid = layout.Objects[1];
    grid.Bounds = {48, 80, 216, 248};
    grid.LineWidth = 2;
    grid.BlockColor = 0xCCFFFF;     // light yellow
    grid.NumbersHorizontal = false;
    grid.NumberFontSize = 7;
    TPageObject combined = makeObject(ObjectKind::CombinedClues, "Combined Clues", 228, 80, 380, 248);
    combined.Columns = 2;
    combined.UseBorder = true;
    combined.setText("Across:Down");
    TPageObject words = makeObject(ObjectKind::WordList, "Words", 48, 260, 216, 300);
    words.Columns = 3;
    words.UseBorder = true;
    TPageObject bonus = makeObject(ObjectKind::BonusQuestion, "Bonus Question", 48, 310, 380, 330);
    bonus.Alignment = TextAlignment::Right;
    bonus.Transparent = false;
    TPageObject text = makeObject(ObjectKind::Text, "Text 1", 48, 340, 216, 420);
    text.setText("Solve the puzzle, then send the bonus answer\r\n\r\nto the editor before Friday.");
    text.Alignment = TextAlignment::Left;
    text.UseBorder = true;
    TPageObject rectangle = makeObject(ObjectKind::Rectangle, "Rectangle 1", 228, 340, 300, 420);
    rectangle.Filled = true;
    rectangle.FillColor = 0x80FF80;
    TPageObject circle = makeObject(ObjectKind::Circle, "Circle 1", 310, 340, 380, 420);
    circle.UseBorder = true;
    circle.BorderWidth = 4;
    circle.BorderColor = 0x0000FF;
    TPageObject bitmap = makeObject(ObjectKind::Bitmap, "Bitmap 1", 48, 430, 380, 500);
    bitmap.Transparent = false;
    bitmap.BitmapFile.setText(picture.toLocal8Bit());
    bitmap.UseBorder = true;
    layout.Objects[2] = combined;
    layout.Objects[3] = words;
    layout.Objects[4] = bonus;
    layout.Objects[5] = text;
    layout.Objects[6] = rectangle;
    layout.Objects[7] = circle;
    layout.Objects[8] = bitmap;
    layout.ObjectCount = 9;

    TRenderOptions options;
    ApplyLayoutSetup(options, layout);
    options.UseBoxes = true;
    options.BoxColor = 0x606060;
    options.PartialAnswers = true;
    options.PartialFlags[0] = true;   // X-RAY
    const auto page = RasterExport::renderPageImage(p, layout, options, 850, RasterExport::PixelFormat::Rgb24);
    ASSERT_FALSE(page.Image.isNull());
    EXPECT_TRUE(page.Page.Warnings.isEmpty());
    EXPECT_FALSE(page.Page.ClueOverflow);
    EXPECT_FALSE(page.Page.WordOverflow);
    EXPECT_FALSE(page.Page.anyTextOverflow());
    const QImage& image = page.Image;
    const double dpi = 100;   // 850 pixels across 8.5 inches
    EXPECT_EQ(image.pixel(int(5.5 * dpi), int(7.9 * dpi)), qRgb(0x80, 0xFF, 0x80));   // rectangle fill
    EXPECT_EQ(image.pixel(int(3.0 * dpi), int(9.6 * dpi)), qRgb(200, 220, 255));      // stretched picture
    // The title's border: three blue pixels just outside its left edge at 1 inch.
    for (int p = 0; p < 3; ++p)
        EXPECT_EQ(image.pixel(100 - p, 120), qRgb(0, 0, 255)) << p;
    EXPECT_EQ(image.pixel(97, 120), qRgb(255, 255, 255));

    const QString samples = qEnvironmentVariable("QUORVEX_RENDER_SAMPLES");
    if (!samples.isEmpty()) {
        RasterExport::writePng(image, samples + QStringLiteral("/every-kind.png"));
        VectorExport::writePdf(p, layout, options, samples + QStringLiteral("/every-kind.pdf"));
        VectorExport::writeSvg(p, layout, options, samples + QStringLiteral("/every-kind.svg"));
    }
}
