// Word list text files: items and word/clue pairs.
#include "FuzzSupport.h"

#include "words/WordListText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray input = FuzzSupport::bytes(data, size);
    const char separator = size > 0 ? char(data[0]) : ':';
    for (const auto unmappable : {WordListText::Unmappable::Skip, WordListText::Unmappable::Replace}) {
        const WordListText::WordFile file = WordListText::ReadWordFile(input, unmappable);
        for (const QByteArray& item : file.items)
            WordListText::SplitPair(item, separator);
        for (const WordListText::LineProblem& problem : file.problems)
            WordListText::ProblemText(problem);
    }
    return 0;
}
