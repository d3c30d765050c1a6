// Page renderer benchmark: a Letter page with a 21 x 21 grid and 200 clues whose lists must
// shrink (MakeFit) to fit; measuring and fitting, drawing to a 2550-pixel-wide image, and PDF.
#include "BenchPage.h"
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

constexpr int ImageWidth = 2550;

/** The built-in default layout: Letter, title, grid, headings and two clue lists, all MakeFit. */
TPageLayout layout()
{
    return BuiltInDefaultLayout();
}

struct Page {
    QImage Image{ImageWidth, RasterExport::pageImageHeight({8.5, 11}, ImageWidth), QImage::Format_RGB32};
};

void BM_MeasureAndFit(benchmark::State& state)
{
    const TPuzzleRecord p = BenchPage::puzzle();
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
    const TPuzzleRecord p = BenchPage::puzzle();
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
    const TPuzzleRecord p = BenchPage::puzzle();
    const TPageLayout l = layout();
    for (auto _ : state) {
        auto image = RasterExport::renderPageImage(p, l, {}, ImageWidth, RasterExport::PixelFormat::Rgb24);
        benchmark::DoNotOptimize(image);
    }
}
BENCHMARK(BM_RenderImage2550)->Unit(benchmark::kMillisecond);

void BM_RenderPdf(benchmark::State& state)
{
    const TPuzzleRecord p = BenchPage::puzzle();
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
    return BenchPage::RunWithFonts(argc, argv);
}
