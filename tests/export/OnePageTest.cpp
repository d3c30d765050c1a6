// One fitted page for every output: the PNG at two widths, PDF, SVG and EMF all draw the one
// result of FitPage, with the same texts in the same rows at the same sizes.
#include "export/EmfWalk.h"
#include "export/FittedTexts.h"
#include "export/MetafileExport.h"
#include "render/PageMetrics.h"
#include "pages/PageFile.h"
#include "render/PageRenderSupport.h"
#include "render/PageRenderer.h"
#include "export/RasterExport.h"
#include "export/VectorExport.h"
#include "store/Collection.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <cmath>
#include <gtest/gtest.h>

using namespace EmfTest;
using namespace RenderTest;

namespace {

const QString BuildDir = QStringLiteral(QUORVEX_BUILD_DIR);

/** Record 0 of the sample collection built beside the binaries, else the small hand-made puzzle. */
TPuzzleRecord samplePage()
{
    TPuzzleRecord puzzle;
    if (ReadPuzzle(QDir(BuildDir).filePath(QStringLiteral("SAMPLE.QV3")), 0, puzzle))
        return puzzle;
    return samplePuzzle();
}

TRenderOptions optionsFor(const TPageLayout& layout)
{
    TRenderOptions options;
    ApplyLayoutSetup(options, layout);
    return options;
}

/** A text of an SVG file: where its baseline starts (inches) and its size in points. */
struct SvgText {
    double X;
    double Y;
    double Size;
    QString Text;
};

std::vector<SvgText> svgTexts(const QByteArray& svg)
{
    std::vector<SvgText> out;
    QXmlStreamReader xml(svg);
    std::vector<std::array<double, 6>> transforms{{1, 0, 0, 1, 0, 0}};
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("g")) {
            std::array<double, 6> m{1, 0, 0, 1, 0, 0};
            const QString t = xml.attributes().value(QLatin1String("transform")).toString();
            if (t.startsWith(QLatin1String("matrix("))) {
                const QStringList parts = t.mid(7).chopped(1).split(QLatin1Char(','));
                for (int i = 0; i < 6 && i < parts.size(); ++i)
                    m[std::size_t(i)] = parts[i].toDouble();
            }
            transforms.push_back(m);
        } else if (xml.isEndElement() && xml.name() == QLatin1String("g")) {
            transforms.pop_back();
        } else if (xml.isStartElement() && xml.name() == QLatin1String("text")) {
            const auto& m = transforms.back();
            const double x = xml.attributes().value(QLatin1String("x")).toDouble();
            const double y = xml.attributes().value(QLatin1String("y")).toDouble();
            const double size = xml.attributes().value(QLatin1String("font-size")).toDouble();
            const double units = VectorExport::SvgUnitsPerInch;
            out.push_back({(m[0] * x + m[4]) / units, (m[3] * y + m[5]) / units, size * m[3] * 72 / units,
                           xml.readElementText()});
        }
    }
    return out;
}

/** Ink (not white) anywhere in the rectangle of the image, given in pixels. */
bool inkIn(const QImage& image, QRect r)
{
    r = r.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            if (image.pixelColor(x, y) != Qt::white)
                return true;
        }
    }
    return false;
}

} // namespace

TEST(OnePage, EveryFormatDrawsTheOneFittedPage)
{
    const TPuzzleRecord puzzle = samplePage();
    const TPageLayout layout = PuzzleLayout(puzzle);
    const TFittedPage page = FitPage(puzzle, layout, optionsFor(layout));
    const std::vector<TFittedText> expected = FittedTexts(page);
    ASSERT_GT(expected.size(), 20u);

    // Fitting does not depend on any device: the same puzzle fits the same every time.
    EXPECT_EQ(FittedTextsReport(FitPage(puzzle, layout, optionsFor(layout))), FittedTextsReport(page));

    // SVG: every text where the page put it, at its fitted size, in drawing order.
    const std::vector<SvgText> svg = svgTexts(VectorExport::encodeSvg(page));
    ASSERT_EQ(svg.size(), expected.size());
    for (std::size_t i = 0; i < svg.size(); ++i) {
        SCOPED_TRACE(expected[i].Text.toStdString());
        EXPECT_EQ(svg[i].Text, expected[i].Text);
        EXPECT_NEAR(svg[i].X, expected[i].X, 0.002);
        EXPECT_NEAR(svg[i].Y, expected[i].Baseline, 0.002);
        EXPECT_NEAR(svg[i].Size, expected[i].Font.Size, 0.01);
    }

    // EMF: the same texts in the same order, each with its top in the row of its baseline, in a
    // font of the fitted size (a point is 96/72 units), spread over no more than its fitted width.
    const EmfWalk emf = walkEmf(MetafileExport::encodeMetafile(page, MetafileKind::Emf));
    ASSERT_TRUE(emf.WellFormed);
    ASSERT_EQ(emf.Texts.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const TFittedText& e = expected[i];
        SCOPED_TRACE(e.Text.toStdString());
        EXPECT_EQ(emf.Texts[i].Text, e.Text);
        EXPECT_EQ(emf.Texts[i].FontHeight, -int(std::lround(e.Font.Size * 96.0 / 72)));
        const double top = emf.Texts[i].Y / 96.0;
        const double height = e.Font.Size / 72.0;
        EXPECT_LT(top, e.Baseline);
        EXPECT_GT(top, e.Baseline - 1.3 * height);
    }

    // PNG at two widths: headings and clues inked, and no clue line past the right edge of its
    // list (each list here has one column, so its edge is its column's).
    for (const int width : {640, 1275}) {
        SCOPED_TRACE(width);
        const QImage image = RasterExport::drawPageImage(page, width, RasterExport::PixelFormat::Rgb24);
        ASSERT_EQ(image.width(), width);
        const double dpi = width / page.PaperWidth;
        const auto px = [dpi](double inches) { return int(std::floor(inches * dpi)); };
        for (const TFittedObject& f : page.Objects) {
            const QRect inside(px(f.Rect.left()), px(f.Rect.top()), px(f.Rect.width()), px(f.Rect.height()));
            if (f.Kind == ObjectKind::AcrossHeader || f.Kind == ObjectKind::DownHeader) {
                EXPECT_TRUE(inkIn(image, inside)) << f.Kind;
            }
            if (f.Kind != ObjectKind::AcrossClues && f.Kind != ObjectKind::DownClues)
                continue;
            EXPECT_TRUE(inkIn(image, inside));
            const QRect right(px(f.Rect.right()) + 2, px(f.Rect.top()), px(0.15), px(f.Rect.height()));
            EXPECT_FALSE(inkIn(image, right)) << "text past the right edge of list " << f.Kind;
        }
    }

    // PDF: one page whose text a reader finds row by row as fitted.
    const QByteArray pdf = VectorExport::encodePdf(page);
    ASSERT_TRUE(pdf.startsWith("%PDF"));
    const QString reader = findProgram(QStringLiteral("pdftotext"));
    if (reader.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.pdf"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(pdf);
    file.close();
    QProcess process;
    process.start(reader, {QStringLiteral("-raw"), path, QStringLiteral("-")});
    ASSERT_TRUE(process.waitForFinished(30000));
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    for (const TFittedText& e : expected) {
        if (e.Kind == ObjectKind::AcrossClues || e.Kind == ObjectKind::DownClues) {
            EXPECT_TRUE(text.contains(e.Text)) << e.Text.toStdString();
        }
    }
}

TEST(OnePage, HeadingsFollowOneRuleInEveryFormat)
{
    std::vector<TLayoutEntry> entries;
    const QString pageFile = QDir(BuildDir).filePath(QStringLiteral("QVFPAGE.DAT"));
    ASSERT_TRUE(LoadLayoutList(pageFile, 0, entries));
    ASSERT_GE(entries.size(), 6u);
    for (const TLayoutEntry& entry : entries) {
        TPageLayout layout;
        ASSERT_TRUE(LoadLayout(pageFile, entry.Number, layout));
        SCOPED_TRACE(layout.LayoutName.text().toStdString());
        TPuzzleRecord puzzle = samplePage();
        SetLayoutOfPuzzle(puzzle, layout);
        TRenderOptions options;   // "Across Label" and "Down Label" as set, then the layout's texts
        options.AcrossHeading = "Across Label";
        options.DownHeading = "Down Label";
        ApplyLayoutSetup(options, layout);
        const TFittedPage page = FitPage(puzzle, layout, options);
        QStringList headings;
        for (const TFittedText& t : FittedTexts(page)) {
            if (t.Kind == ObjectKind::AcrossHeader || t.Kind == ObjectKind::DownHeader
                || (t.Kind == ObjectKind::CombinedClues && (t.Text == QLatin1String(options.AcrossHeading)
                                                            || t.Text == QLatin1String(options.DownHeading))))
                headings.append(t.Text);
        }
        // Each header object shows one heading, Combined Clues two; an empty header text shows
        // the label setting.
        qsizetype expected = 0;
        for (int i = 0; i < layout.usedObjects(); ++i) {
            const TPageObject& o = layout.Objects[std::size_t(i)];
            if (o.Kind == ObjectKind::CombinedClues)
                expected += 2;
            if (o.Kind == ObjectKind::AcrossHeader || o.Kind == ObjectKind::DownHeader)
                ++expected;
            if (o.Kind == ObjectKind::AcrossHeader && o.text().isEmpty()) {
                EXPECT_TRUE(headings.contains(QStringLiteral("Across Label")));
            }
            if (o.Kind == ObjectKind::DownHeader && o.text().isEmpty()) {
                EXPECT_TRUE(headings.contains(QStringLiteral("Down Label")));
            }
        }
        EXPECT_EQ(headings.size(), expected);

        const EmfWalk emf = walkEmf(MetafileExport::encodeMetafile(page, MetafileKind::Emf));
        const QByteArray wmf = MetafileExport::encodeMetafile(page, MetafileKind::Wmf);
        const std::vector<SvgText> svg = svgTexts(VectorExport::encodeSvg(page));
        for (const QString& heading : headings) {
            EXPECT_NE(findText(emf.Texts, heading), nullptr) << heading.toStdString();
            EXPECT_TRUE(wmf.contains(heading.toLatin1())) << heading.toStdString();
            EXPECT_TRUE(std::any_of(svg.begin(), svg.end(), [&](const SvgText& t) { return t.Text == heading; }))
                << heading.toStdString();
        }
    }
}

TEST(OnePage, OutlineWidthsAreTheWidthsTheFontLaysOut)
{
    // Texts are measured as the sum of their characters' advances; the painter lays them out
    // with the font itself. The two agree for every text of the sample collection in the faces
    // and styles the layouts use, so a text is drawn as wide as it was fitted.
    std::vector<QString> texts;
    const QString sample = QDir(BuildDir).filePath(QStringLiteral("SAMPLE.QV3"));
    for (qint64 n = 0; n < RecordCount(sample); ++n) {
        TPuzzleRecord puzzle;
        ASSERT_TRUE(ReadPuzzle(sample, n, puzzle));
        texts.push_back(QString::fromLatin1(puzzle.Title.text()));
        for (int slot = 0; slot < puzzle.WordCount && slot < Limits::WordSlots; ++slot)
            texts.push_back(QString::fromLatin1(puzzle.Clues[std::size_t(slot)].text()));
    }
    texts.push_back(QStringLiteral("Office affluent flat fjord \u00C9t\u00E9 na\u00EFve AV To Wa"));
    TOutlineMetrics metrics;
    for (const char* face : {"Arial", "Times New Roman", "Courier New"}) {
        for (const int size : {5, 11, 12, 24}) {
            for (const bool bold : {false, true}) {
                metrics.setFont({QLatin1String(face), size, 0, bold, !bold, false, false});
                const QFontMetricsF shaped(metrics.designFont());
                for (const QString& text : texts) {
                    const double laidOut = shaped.horizontalAdvance(text);
                    EXPECT_NEAR(metrics.designAdvance(text), laidOut, 1e-6 * std::max(1.0, laidOut))
                        << face << ' ' << size << ' ' << text.toStdString();
                }
            }
        }
    }
}

TEST(OnePage, MarkupAndControlCharactersInTheTextsLeaveValidFiles)
{
    TPuzzleRecord puzzle = samplePage();
    puzzle.Title.setText("Salt & Pepper </title><script>");
    puzzle.Clues[0].setText(QByteArray("Tab\tNUL\0ESC\x1b" "CR\rend", 18));
    const TPageLayout layout = PuzzleLayout(puzzle);
    const TFittedPage page = FitPage(puzzle, layout, optionsFor(layout));

    // The SVG parses as XML, its title reads back as typed, and no element came from a text.
    QXmlStreamReader xml(VectorExport::encodeSvg(page));
    QString title;
    while (!xml.atEnd()) {
        xml.readNext();
        ASSERT_FALSE(xml.isStartElement() && xml.name() == QLatin1String("script"));
        if (xml.isStartElement() && xml.name() == QLatin1String("title"))
            title = xml.readElementText();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(title, QStringLiteral("Salt & Pepper </title><script>"));

    // The fitted texts keep one row of eight columns each; the clue's control characters are spaces.
    const QList<QByteArray> rows = FittedTextsReport(page).split('\n');
    for (const QByteArray& row : rows.mid(1, rows.size() - 2))
        EXPECT_EQ(row.count('\t'), 7) << row.toStdString();
    EXPECT_TRUE(FittedTextsReport(page).contains("Tab NUL ESC CR end"));
}
