#include "build/Versions.h"

#include "build/SavedCandidate.h"
#include "store/CopyTitle.h"

#include <algorithm>
#include <memory>

namespace {

/** Seeds of successive runs: far apart, so no run repeats another's generator sequence. */
std::uint32_t runSeed(std::uint32_t seed, int run)
{
    return seed + std::uint32_t(run) * 0x9E3779B9u;
}

bool sameGrid(const TPuzzleRecord& a, const TPuzzleRecord& b)
{
    return a.GridWidth == b.GridWidth && a.GridHeight == b.GridHeight && a.Grid == b.Grid;
}

int longestWord(const TPuzzleRecord& puzzle)
{
    int longest = 0;
    for (int i = 0; i < std::clamp<int>(puzzle.WordCount, 0, Limits::WordSlots); ++i)
        longest = std::max(longest, int(puzzle.Words[std::size_t(i)].text().size()));
    return longest;
}

} // namespace

QByteArray VersionTitle(QByteArrayView title, int index)
{
    const QByteArray suffix = QByteArray(" (") + char('A' + std::clamp(index, 0, Versions::MaxCount - 1)) + ')';
    QByteArray base = title.toByteArray().left(Limits::TitleLength - suffix.size());
    while (base.endsWith(' '))
        base.chop(1);
    return base + suffix;
}

std::vector<TPuzzleRecord> BuildVersions(const TPuzzleRecord& puzzle, const TShapeRecord& shape,
                                         const TBuildOptions& options, std::uint32_t seed, int count,
                                         TBuildProgress* progress)
{
    count = std::clamp(count, 1, Versions::MaxCount);
    std::vector<std::pair<int, TPuzzleRecord>> pool;   // score, saved record
    auto result = std::make_unique<TBuildResult>();
    for (int run = 0; run < 4 * count; ++run) {
        // Every version has its own run; more runs only while the grids found are too few.
        if (run >= count && int(pool.size()) >= count)
            break;
        BuildPuzzles(puzzle, shape, options, runSeed(seed, run), progress, *result);
        for (int k = 0; k < Limits::CandidateSlots && result->CandidateScores[std::size_t(k)] > 0; ++k) {
            TPuzzleRecord saved = SavedCandidate(*result, k);
            const bool known = std::any_of(pool.begin(), pool.end(), [&](const auto& p) { return sameGrid(p.second, saved); });
            if (!known)
                pool.emplace_back(result->CandidateScores[std::size_t(k)], std::move(saved));
        }
        if (result->Aborted)
            break;
    }
    std::stable_sort(pool.begin(), pool.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<TPuzzleRecord> versions;
    for (auto& [score, record] : pool) {
        if (int(versions.size()) == count)
            break;
        record.Title.setText(VersionTitle(puzzle.Title.text(), int(versions.size())));
        versions.push_back(std::move(record));
    }
    return versions;
}

TShapeRecord SquareShape(int side)
{
    side = std::clamp(side, Limits::MinShapeSide, Limits::MaxShapeSide);
    TShapeRecord shape;
    shape.ShapeTitle.setText(QByteArray::number(side) + " x " + QByteArray::number(side));
    shape.ShapeWidth = std::int16_t(side);
    shape.ShapeHeight = std::int16_t(side);
    for (int r = 0; r < side; ++r)
        for (int c = 0; c < side; ++c)
            shape.ShapeCells[std::size_t(r * Limits::GridSide + c)] = 1;
    return shape;
}

TFitAllResult FitAllWords(const TPuzzleRecord& puzzle, int fromSide, const TBuildOptions& options, std::uint32_t seed,
                          const std::function<bool(int side)>& told, TBuildProgress* progress)
{
    TFitAllResult found;
    const int words = std::clamp<int>(puzzle.WordCount, 0, Limits::WordSlots);
    const int first = std::max({fromSide, longestWord(puzzle), Limits::MinShapeSide});
    for (int side = first; side <= Limits::MaxShapeSide; ++side) {
        found.Side = side;
        if (told && !told(side)) {
            found.Aborted = true;
            return found;
        }
        found.Shape = SquareShape(side);
        found.Puzzle = puzzle;
        found.Puzzle.GridWidth = std::int16_t(side);
        found.Puzzle.GridHeight = std::int16_t(side);
        BuildPuzzles(found.Puzzle, found.Shape, options, seed, progress, *found.Result);
        if (found.Result->CandidateScores[0] >= words && words > 0) {
            found.Found = true;
            return found;
        }
        if (found.Result->Aborted) {
            found.Aborted = true;
            return found;
        }
    }
    return found;
}

namespace {

/** Letters two words have in common, each letter of b counted once per match. */
int sharedLetters(const QByteArray& a, QByteArray b)
{
    int shared = 0;
    for (const char c : a) {
        const qsizetype at = b.indexOf(c);
        if (at >= 0) {
            b[at] = '\0';
            ++shared;
        }
    }
    return shared;
}

} // namespace

std::vector<int> SecondPuzzleSlots(const TPuzzleRecord& result, const PlacedFlagArray& placed, int wordCount)
{
    wordCount = std::clamp(wordCount, 0, Limits::WordSlots);
    const auto word = [&](int slot) { return result.Words[std::size_t(slot)].text(); };
    std::vector<int> chosen;
    for (int t = 0; t < wordCount; ++t) {
        if (placed[std::size_t(t)] != 1)
            chosen.push_back(t);
    }
    const std::size_t leftOut = chosen.size();
    for (std::size_t i = 0; i < leftOut; ++i) {
        const int slot = chosen[i];
        const bool crosses = std::any_of(chosen.begin(), chosen.end(),
                                         [&](int other) { return other != slot && sharedLetters(word(slot), word(other)) > 0; });
        if (crosses)
            continue;
        int best = -1;
        int bestShared = 0;
        for (int t = 0; t < wordCount; ++t) {
            if (placed[std::size_t(t)] != 1 || std::find(chosen.begin(), chosen.end(), t) != chosen.end())
                continue;
            const int shared = sharedLetters(word(slot), word(t));
            if (shared > bestShared) {
                best = t;
                bestShared = shared;
            }
        }
        if (best >= 0)
            chosen.push_back(best);
    }
    return chosen;
}

TPuzzleRecord SecondPuzzle(const TPuzzleRecord& built, const TPuzzleRecord& result, const std::vector<int>& chosen)
{
    TPuzzleRecord second = built;
    for (int i = 0; i < Limits::WordSlots; ++i) {
        second.Words[std::size_t(i)].setText({});
        second.Clues[std::size_t(i)].setText({});
    }
    int count = 0;
    for (const int slot : chosen) {
        if (slot < 0 || slot >= Limits::WordSlots || count >= Limits::WordSlots)
            continue;
        second.Words[std::size_t(count)] = result.Words[std::size_t(slot)];
        second.Clues[std::size_t(count)] = result.Clues[std::size_t(slot)];
        ++count;
    }
    second.WordCount = std::int16_t(count);
    second.Title.setText(MakeCopyTitle(built.Title.text(), Limits::TitleLength));
    return second;
}
