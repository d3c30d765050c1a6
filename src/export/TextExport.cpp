#include "export/TextExport.h"

#include "render/PrintedSlots.h"
#include "store/Ansi.h"
#include "store/RecordFile.h"

namespace TextExport {

QByteArray clueText(const TPuzzleRecord& puzzle, Content content)
{
    const TPrintedSlots printed = PrintedSlots(puzzle);
    const int across = printed.Across;
    const int printCount = printed.Print;
    const QByteArray lineEnd = QByteArrayLiteral("\r\n");
    const auto line = [&](int slot) {
        const auto i = std::size_t(slot - 1);
        const QByteArray text = content == Content::Clues ? puzzle.Clues[i].text() : puzzle.Words[i].text();
        // CR, NUL, ESC and the like in a record's text would break the line structure: they become spaces.
        return QByteArray::number(puzzle.ClueNumber[i]) + ". " + Ansi::plainBytes(text) + lineEnd;
    };
    QByteArray out = "ACROSS" + lineEnd;
    for (int slot = 1; slot <= across; ++slot)
        out += line(slot);
    out += lineEnd + "DOWN" + lineEnd;
    for (int slot = across + 1; slot <= printCount; ++slot)
        out += line(slot);
    return out;
}

IoResult writeClueText(const TPuzzleRecord& puzzle, Content content, const QString& path)
{
    return RecordFile::replaceWhole(path, clueText(puzzle, content));
}

} // namespace TextExport
