// The Across Lite export of one puzzle record: a file that the format can hold has its header,
// two grids and exactly title, author, copyright, one string per clue and the notes, each ended
// by its NUL; a control character in a text would cut or add a string.
#include "FuzzExportSupport.h"

#include "export/PuzExport.h"

#include <QtEndian>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const FuzzExport::Input in = FuzzExport::input(data, size);
    QByteArray bytes;
    if (!PuzExport::fileBytes(in.Puzzle, in.Options, bytes).isEmpty())
        return 0;   // refused: the format cannot hold this puzzle
    constexpr int HeaderSize = 0x34;
    if (bytes.size() < HeaderSize || !bytes.mid(2, 12).startsWith("ACROSS&DOWN"))
        __builtin_trap();
    const int cells = quint8(bytes[0x2C]) * quint8(bytes[0x2D]);
    const int clues = qFromLittleEndian<quint16>(bytes.constData() + 0x2E);
    const QByteArray strings = bytes.mid(HeaderSize + 2 * cells);
    if (!strings.endsWith('\0') || strings.count('\0') != 3 + clues + 1)
        __builtin_trap();
    for (const char c : strings) {
        if (c != '\0' && quint8(c) < 0x20)
            __builtin_trap();
    }
    return 0;
}
