// Page renderer benchmark: a Letter page with a 21 x 21 grid and 200 clues whose lists must
// shrink (MakeFit) to fit; measuring and fitting, drawing to a 2550-pixel-wide image, and PDF.
#include "pages/DefaultLayout.h"
#include "render/PageCanvasPainter.h"
#include "render/PageRenderer.h"
#include "export/RasterExport.h"
#include "export/VectorExport.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cstring>

namespace {

constexpr int Side = 21;
constexpr int ImageWidth = 2550;

/** The built-in default layout: Letter, title, grid, headings and two clue lists, all MakeFit. */
TPageLayout layout()
{
    return BuiltInDefaultLayout();
}

// A full 21 x 21 grid of letters with 100 across and 100 down words, each with a clue of
// ordinary length.
TPuzzleRecord puzzle()
{
    TPuzzleRecord p;
    p.Title.setText("Benchmark Puzzle");
    p.GridWidth = Side;
    p.GridHeight = Side;
    for (int r = 0; r < Side; ++r) {
        for (int c = 0; c < Side; ++c)
            p.Grid[std::size_t(r * 50 + c)] = std::uint8_t('A' + (r * 7 + c * 3) % 26);
    }
    const char* clue = "A fairly ordinary clue of several words that wraps over two or three lines";
    for (int i = 0; i < 200; ++i) {
        const bool across = i < 100;
        const int k = across ? i : i - 100;
        const int row = k % Side;
        const int column = (k / Side) * 4;
        p.Words[std::size_t(i)].setText("WORD");
        p.Clues[std::size_t(i)].setText(clue);
        p.StartCell[std::size_t(i)] = std::int16_t(across ? row * 50 + column + 1 : column * 50 + row + 1);
        p.LetterCount[std::size_t(i)] = 4;
        p.ClueNumber[std::size_t(i)] = std::int16_t(k + 1);
        p.Direction[std::size_t(i)] = across ? 1 : 0;
        p.WordUsed[std::size_t(i)] = 1;
    }
    p.WordCount = 200;
    p.AcrossCount = 100;
    p.DownCount = 100;
    p.Generated = 1;
    const QByteArray bytes = layout().toBytes();
    std::memcpy(p.PageLayout.data(), bytes.constData(), p.PageLayout.size());
    return p;
}

struct Page {
    QImage Image{ImageWidth, RasterExport::pageImageHeight({8.5, 11}, ImageWidth), QImage::Format_RGB32};
};

void BM_MeasureAndFit(benchmark::State& state)
{
    const TPuzzleRecord p = puzzle();
    const TPageLayout l = layout();
    Page page;
    QPainter painter(&page.Image);
    TPainterCanvas canvas(painter, QSizeF(8.5, 11), ImageWidth / 8.5);
    for (auto _ : state) {
        TFittedPage fitted = MeasurePage(p, l, {}, canvas);
        benchmark::DoNotOptimize(fitted);
    }
}
BENCHMARK(BM_MeasureAndFit)->Unit(benchmark::kMillisecond);

void BM_DrawToImage2550(benchmark::State& state)
{
    const TPuzzleRecord p = puzzle();
    const TPageLayout l = layout();
    Page page;
    QPainter painter(&page.Image);
    TPainterCanvas canvas(painter, QSizeF(8.5, 11), ImageWidth / 8.5);
    TRenderOptions options;
    options.AnswerKey = true;
    const TFittedPage fitted = MeasurePage(p, l, options, canvas);
    for (auto _ : state) {
        page.Image.fill(Qt::white);
        DrawPage(fitted, canvas);
    }
}
BENCHMARK(BM_DrawToImage2550)->Unit(benchmark::kMillisecond);

void BM_RenderImage2550(benchmark::State& state)
{
    const TPuzzleRecord p = puzzle();
    const TPageLayout l = layout();
    for (auto _ : state) {
        auto image = RasterExport::renderPageImage(p, l, {}, ImageWidth, RasterExport::PixelFormat::Rgb24);
        benchmark::DoNotOptimize(image);
    }
}
BENCHMARK(BM_RenderImage2550)->Unit(benchmark::kMillisecond);

void BM_RenderPdf(benchmark::State& state)
{
    const TPuzzleRecord p = puzzle();
    const TPageLayout l = layout();
    for (auto _ : state) {
        QByteArray pdf = VectorExport::encodePdf(p, l, {});
        benchmark::DoNotOptimize(pdf);
    }
}
BENCHMARK(BM_RenderPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
