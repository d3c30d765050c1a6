// PNG export of a letter page at 3400 and 8500 pixels: drawing the page, then encoding it with
// Qt's PNG writer at its default level (what the export used) and with PngEncoder. The page is
// BenchPage's puzzle: a 21 x 21 grid and 200 clues, black on white. CPU is that of both threads.
#include "BenchPage.h"
#include "export/PngEncoder.h"
#include "export/RasterExport.h"
#include "pages/DefaultLayout.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImageWriter>
#include <benchmark/benchmark.h>

namespace {

QImage pageImage(int width)
{
    TRenderOptions options;
    options.AnswerKey = true;
    return RasterExport::renderPageImage(BenchPage::puzzle(), BuiltInDefaultLayout(), options, width,
                                         RasterExport::PixelFormat::Rgb24).Image;
}

void BM_DrawPage(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(pageImage(int(state.range(0))));
}

void BM_EncodeWithQtDefault(benchmark::State& state)
{
    const QImage image = pageImage(int(state.range(0)));
    qsizetype size = 0;
    for (auto _ : state) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter(&buffer, "png").write(image);
        size = bytes.size();
    }
    state.counters["bytes"] = double(size);
}

void BM_EncodeWithPngEncoder(benchmark::State& state)
{
    const QImage image = pageImage(int(state.range(0)));
    qsizetype size = 0;
    for (auto _ : state)
        size = PngEncoder::encode(image).size();
    state.counters["bytes"] = double(size);
}

} // namespace

BENCHMARK(BM_DrawPage)->ArgName("width")->Arg(3400)->Arg(8500)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_EncodeWithQtDefault)->ArgName("width")->Arg(3400)->Arg(8500)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_EncodeWithPngEncoder)->ArgName("width")->Arg(3400)->Arg(8500)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

int main(int argc, char** argv)
{
    return BenchPage::RunWithFonts(argc, argv);
}
