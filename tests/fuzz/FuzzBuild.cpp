// The construction run: one byte of options, four of seed, a shape record and a word list.
#include "FuzzSupport.h"

#include "build/CreateChecks.h"
#include "build/Engine.h"
#include "shapes/ShapeRecord.h"
#include "store/WorkingPuzzle.h"
#include "words/WordListText.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    constexpr std::size_t Head = 5;
    constexpr std::size_t ShapeSize = std::size_t(Limits::ShapeRecordSize);
    if (size < Head + ShapeSize)
        return 0;
    const std::uint8_t flags = data[0];
    const std::uint32_t seed = std::uint32_t(data[1]) | std::uint32_t(data[2]) << 8 | std::uint32_t(data[3]) << 16
        | std::uint32_t(data[4]) << 24;
    const TShapeRecord shape = TShapeRecord::fromBytes(reinterpret_cast<const char*>(data + Head), ShapeSize);
    const QByteArray words = FuzzSupport::bytes(data + Head + ShapeSize, size - Head - ShapeSize);

    auto input = std::make_unique<TCreateInput>();
    input->Title = "Fuzz";
    input->Category = "Fuzz";
    input->AttemptsText = QByteArray::number(1 + (flags >> 4) % 3);
    const QList<QByteArray> items = WordListText::ReadWordFile(words, WordListText::Unmappable::Replace).items;
    for (qsizetype i = 0; i < items.size() && i < Limits::WordSlots; ++i) {
        const auto pair = WordListText::SplitPair(items[i], ':');
        input->Rows[std::size_t(i)] = {pair.word, pair.clue};
    }
    auto current = std::make_unique<TPuzzleRecord>();
    ClearForNewPuzzle(*current);
    auto checked = std::make_unique<TCreateCheckResult>(CheckCreateInput(*input, shape, *current));
    if (!checked->Accepted)
        return 0;
    TBuildOptions options;
    options.Attempts = checked->Attempts;
    options.Shrink = flags & 1;
    options.QuickBuild = flags & 2;
    auto result = std::make_unique<TBuildResult>();
    BuildPuzzles(checked->Puzzle, shape, options, seed, nullptr, *result);
    return 0;
}
