// Word list text files: items and word/clue pairs.
#include "FuzzSupport.h"

#include "words/WordListText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray input = FuzzSupport::bytes(data, size);
    const char separator = size > 0 ? char(data[0]) : ':';
    for (const QByteArray& item : WordListText::ReadItems(input))
        WordListText::SplitPair(item, separator);
    return 0;
}
