// Construction runs of 999 attempts: 50 and 200 words in 15 x 15 and 30 x 30 squares.
// Word lists are chosen reproducibly from the system word list (/usr/share/dict/words) with a
// fixed seed, or generated when that file is missing.
#include "build/Engine.h"
#include "build/Generator.h"
#include "store/GridModel.h"

#include <QByteArray>
#include <QFile>
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr std::uint32_t ListSeed = 1997;
constexpr std::uint32_t RunSeed = 12345678;

bool LettersOnly(const QByteArray& word)
{
    for (char c : word)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')))
            return false;
    return true;
}

/** Distinct words of 3..maxLength letters, picked with a fixed seed. */
std::vector<QByteArray> WordList(int count, int maxLength)
{
    std::vector<QByteArray> pool;
    QFile file(QStringLiteral("/usr/share/dict/words"));
    if (file.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : file.readAll().split('\n')) {
            const QByteArray word = line.trimmed();
            if (word.size() >= 3 && word.size() <= maxLength && LettersOnly(word))
                pool.push_back(word);
        }
    }
    TRandomGenerator random(ListSeed);
    std::vector<QByteArray> words;
    if (pool.size() < std::size_t(count) * 4) {
        // No word list here: generate words with common letters.
        static const char letters[] = "EEEEAAAIIIOOUTTTNNSSRRLLDDHCMPBGYFWKV";
        while (int(words.size()) < count) {
            QByteArray word;
            const int length = 3 + random.below(std::min(maxLength, 10) - 2);
            for (int k = 0; k < length; ++k)
                word += letters[random.below(int(sizeof letters) - 1)];
            words.push_back(word);
        }
        return words;
    }
    std::vector<bool> taken(pool.size(), false);
    while (int(words.size()) < count) {
        const auto pick = std::size_t(random.below(int(pool.size())));
        if (taken[pick])
            continue;
        taken[pick] = true;
        words.push_back(pool[pick]);
    }
    return words;
}

/** Counts the attempts made: the engine polls for an abort once after every attempt. */
class TAttemptCounter : public TBuildProgress {
public:
    void setStatusLine(const QString&) override {}
    void setSecondLine(const QString&) override {}
    bool abortRequested() override { ++Attempts; return false; }
    void processEvents() override {}
    void beep() override {}
    std::int64_t Attempts = 0;
};

void BM_BuildPuzzles(benchmark::State& state)
{
    const int wordCount = int(state.range(0));
    const int side = int(state.range(1));
    TShapeRecord shape;
    shape.ShapeWidth = std::int16_t(side);
    shape.ShapeHeight = std::int16_t(side);
    for (int r = 1; r <= side; ++r)
        for (int c = 1; c <= side; ++c)
            GridModel::Cell(shape.ShapeCells, GridModel::LinearCell(r, c)) = 1;

    TPuzzleRecord puzzle;
    puzzle.GridWidth = shape.ShapeWidth;
    puzzle.GridHeight = shape.ShapeHeight;
    const std::vector<QByteArray> words = WordList(wordCount, side);
    puzzle.WordCount = std::int16_t(words.size());
    for (std::size_t i = 0; i < words.size(); ++i)
        puzzle.Words[i].setText(words[i]);

    TBuildOptions options;
    options.Attempts = Limits::MaxAttempts;
    auto result = std::make_unique<TBuildResult>();
    TAttemptCounter counter;
    for (auto _ : state) {
        BuildPuzzles(puzzle, shape, options, RunSeed, &counter, *result);
        benchmark::DoNotOptimize(result->CandidateScores);
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["attempts_per_s"] = benchmark::Counter(double(counter.Attempts), benchmark::Counter::kIsRate);
    state.counters["best_score"] = result->CandidateScores[0];
    state.counters["peak_rss_MB"] = double(usage.ru_maxrss) / 1024.0;
}

} // namespace

BENCHMARK(BM_BuildPuzzles)
    ->ArgNames({"words", "side"})
    ->Args({50, 15})
    ->Args({200, 15})
    ->Args({50, 30})
    ->Args({200, 30})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

BENCHMARK_MAIN();
