// Metafiles of the page: EMF and WMF headers from the documented offsets, record walks, text
// placement, pictures left out, and an independent reader.
#include "export/MetafileExport.h"
#include "export/EmfWalk.h"
#include "render/PageRenderSupport.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstring>
#include <gtest/gtest.h>

using namespace EmfTest;
using namespace RenderTest;

namespace {

constexpr std::uint16_t WmfExtTextOut = 0x0A32;   // text with the advance of every character
constexpr std::uint16_t WmfSetWindowExt = 0x020C;

TPuzzleRecord puzzleWithLayout(const TPageLayout& layout)
{
    TPuzzleRecord p = samplePuzzle();
    const QByteArray bytes = layout.toBytes();
    std::memcpy(p.PageLayout.data(), bytes.constData(), p.PageLayout.size());
    return p;
}

} // namespace

TEST(MetafileExport, EmfHeaderDeclaresPageFrameAndDescription)
{
    const QByteArray b = MetafileExport::encodeMetafile(samplePuzzle(), TRenderOptions(), MetafileKind::Emf);
    ASSERT_GE(b.size(), 108);
    EXPECT_EQ(u32At(b, 0), EmrHeader);
    // Bounds in units: Letter is 816 x 1056 units at 96 per inch.
    EXPECT_EQ(i32At(b, 8), 0);
    EXPECT_EQ(i32At(b, 12), 0);
    EXPECT_EQ(i32At(b, 16), 815);
    EXPECT_EQ(i32At(b, 20), 1055);
    // Frame: 1.2 x the page in hundredths of a millimetre, 8.5 x 2540 x 1.2 and 11 x 2540 x 1.2.
    EXPECT_EQ(i32At(b, 24), 0);
    EXPECT_EQ(i32At(b, 28), 0);
    EXPECT_EQ(i32At(b, 32), 25908);
    EXPECT_EQ(i32At(b, 36), 33528);
    EXPECT_EQ(u32At(b, 40), 0x464D4520u);   // " EMF"
    EXPECT_EQ(u32At(b, 48), std::uint32_t(b.size()));
    const std::uint32_t descChars = u32At(b, 60);
    const std::uint32_t descOffset = u32At(b, 64);
    const char16_t expected[] = u"Crossword Puzzle\0Quorvex 98\0";   // plus the array's own null
    ASSERT_EQ(descChars, std::size(expected));
    ASSERT_LE(descOffset + 2 * descChars, std::uint32_t(b.size()));
    for (std::uint32_t i = 0; i < descChars; ++i)
        EXPECT_EQ(u16At(b, descOffset + 2 * i), std::uint16_t(expected[i])) << i;

    const EmfWalk walk = walkEmf(b);
    EXPECT_TRUE(walk.WellFormed);
    EXPECT_EQ(u32At(b, 52), std::uint32_t(walk.Types.size()));   // nRecords
}

TEST(MetafileExport, EmfTextPlacedByTopLeftFromTheFittedRows)
{
    TPageLayout layout = defaultLayout();
    layout.Objects[2].setText("Across Words");   // Across Header
    TRenderOptions options;
    options.AcrossHeading = "Changed";   // the run's heading, as every other output shows it
    TFittedPage page;
    const QByteArray b = MetafileExport::encodeMetafile(puzzleWithLayout(layout), options, MetafileKind::Emf, &page);
    const EmfWalk walk = walkEmf(b);
    ASSERT_TRUE(walk.WellFormed);

    EXPECT_NE(findText(walk.Texts, QStringLiteral("Sample Puzzle")), nullptr);
    EXPECT_NE(findText(walk.Texts, QStringLiteral("Changed")), nullptr);
    EXPECT_EQ(findText(walk.Texts, QStringLiteral("Across Words")), nullptr);
    for (const EmfText& t : walk.Texts)
        EXPECT_EQ(t.Align, 0u) << t.Text.toStdString();   // TA_TOP | TA_LEFT

    // Each clue's number sits with its top at the top of its row.
    const TFittedObject* across = objectOf(page, ObjectKind::AcrossClues);
    ASSERT_NE(across, nullptr);
    const TFittedClues& clues = std::get<TFittedClues>(across->Body);
    ASSERT_FALSE(clues.Clues.empty());
    for (const TFittedClue& clue : clues.Clues) {
        const EmfText* t = findText(walk.Texts, clue.Number);
        ASSERT_NE(t, nullptr) << clue.Number.toStdString();
        EXPECT_EQ(t->Y, TMetafileCanvas::toUnits(across->Rect.top() + (clue.Row - 1) * clues.RowHeight));
        EXPECT_EQ(t->X, TMetafileCanvas::toUnits(across->Rect.left() + clues.Gap
                                                 + (clue.Column - 1) * (clues.NumberWidth + clues.ClueWidth + clues.Spacing)));
    }
}

TEST(MetafileExport, PicturesAreLeftOutAndReported)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString picture = dir.filePath(QStringLiteral("p.png"));
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(picture));
    TPageLayout layout = defaultLayout();
    TPageObject bitmap = makeObject(ObjectKind::Bitmap, "Bitmap 1", 10, 400, 60, 450);
    bitmap.BitmapFile.setText(picture.toLocal8Bit());
    layout.Objects[6] = bitmap;
    layout.ObjectCount = 7;
    const TPuzzleRecord puzzle = puzzleWithLayout(layout);

    bool hadBitmaps = false;
    const QString path = dir.filePath(QStringLiteral("page.emf"));
    ASSERT_TRUE(exportMetafile(puzzle, TRenderOptions(), MetafileKind::Emf, path, &hadBitmaps));
    EXPECT_TRUE(hadBitmaps);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const EmfWalk walk = walkEmf(file.readAll());
    EXPECT_TRUE(walk.WellFormed);
    EXPECT_EQ(std::count(walk.Types.begin(), walk.Types.end(), EmrStretchDiBits), 0);
    EXPECT_NE(findText(walk.Texts, QStringLiteral("Sample Puzzle")), nullptr);

    ASSERT_TRUE(exportMetafile(samplePuzzle(), TRenderOptions(), MetafileKind::Emf, path, &hadBitmaps));
    EXPECT_FALSE(hadBitmaps);
}

TEST(MetafileExport, WmfPlaceableHeaderAndRecords)
{
    const QByteArray b = MetafileExport::encodeMetafile(samplePuzzle(), TRenderOptions(), MetafileKind::Wmf);
    ASSERT_GE(b.size(), 40);
    // Placeable header: key, handle 0, box of the physical size at 96 per inch, 96 per inch.
    EXPECT_EQ(u32At(b, 0), 0x9AC6CDD7u);
    EXPECT_EQ(u16At(b, 4), 0);
    EXPECT_EQ(i16At(b, 6), 0);
    EXPECT_EQ(i16At(b, 8), 0);
    EXPECT_EQ(i16At(b, 10), 979);    // 25908 / 2540 x 96 = 979.2
    EXPECT_EQ(i16At(b, 12), 1267);   // 33528 / 2540 x 96 = 1267.2
    EXPECT_EQ(u16At(b, 14), 96);
    EXPECT_EQ(u32At(b, 16), 0u);
    std::uint16_t sum = 0;
    for (int i = 0; i < 10; ++i)
        sum ^= u16At(b, 2 * i);
    EXPECT_EQ(u16At(b, 20), sum);
    // Metafile header: on disk, 9 words, version 3.0, size in words.
    EXPECT_EQ(u16At(b, 22), 1);
    EXPECT_EQ(u16At(b, 24), 9);
    EXPECT_EQ(u16At(b, 26), 0x0300);
    EXPECT_EQ(u32At(b, 28), std::uint32_t((b.size() - 22) / 2));

    // Records: size in words and function; the last is EOF (3 words, function 0) at the end.
    qsizetype at = 40;
    bool eof = false;
    bool windowExt = false;
    QStringList texts;
    while (at + 6 <= b.size()) {
        const std::uint32_t words = u32At(b, at);
        const std::uint16_t function = u16At(b, at + 4);
        ASSERT_GE(words, 3u);
        ASSERT_LE(at + 2 * qsizetype(words), b.size());
        if (function == WmfSetWindowExt) {
            EXPECT_EQ(i16At(b, at + 6), 1056);   // y first
            EXPECT_EQ(i16At(b, at + 8), 816);
            windowExt = true;
        }
        if (function == WmfExtTextOut)   // y, x, count, options (no rectangle), string, advances
            texts += QString::fromLatin1(b.mid(at + 14, i16At(b, at + 10)));
        at += 2 * qsizetype(words);
        if (function == 0) {
            eof = words == 3 && at == b.size();
            break;
        }
    }
    EXPECT_TRUE(eof);
    EXPECT_TRUE(windowExt);
    EXPECT_TRUE(texts.contains(QStringLiteral("Sample Puzzle")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Medical picture")));
}

TEST(MetafileExport, IndependentReaderConvertsWmf)
{
    const QString reader = findProgram(QStringLiteral("wmf2svg"));
    if (reader.isEmpty())
        GTEST_SKIP() << "wmf2svg (libwmf-bin) is not installed";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString wmf = dir.filePath(QStringLiteral("page.wmf"));
    ASSERT_TRUE(MetafileExport::writeWmf(samplePuzzle(), TRenderOptions(), wmf));
    const QString svg = dir.filePath(QStringLiteral("page.svg"));
    QProcess process;
    process.start(reader, {QStringLiteral("-o"), svg, wmf});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svgShownText(file.readAll()).contains(QStringLiteral("Sample Puzzle")));
}

TEST(MetafileExport, UnwritableTargetFailsWithoutPartialFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("missing/page.emf"));
    EXPECT_FALSE(exportMetafile(samplePuzzle(), TRenderOptions(), MetafileKind::Emf, path));
    EXPECT_FALSE(QFile::exists(path));
}
