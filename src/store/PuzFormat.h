#pragma once
// The Across Lite (.puz) layout as its published description gives it, one place for the reader
// (store/PuzImport) and the writer (export/PuzExport): header offsets, marks and the checksum.

#include <QByteArrayView>
#include <QtGlobal>
#include <cstdint>

namespace PuzFormat {

/** Header offsets from the start of the header, and its size. */
constexpr int HeaderSize = 0x34;
constexpr int FileMagicOffset = 0x02;
constexpr int CibChecksumOffset = 0x0E;
constexpr int MaskedLowOffset = 0x10;
constexpr int MaskedHighOffset = 0x14;
constexpr int VersionOffset = 0x18;
constexpr int CibOffset = 0x2C;
constexpr int CibSize = 8;
constexpr int ClueCountOffset = 0x2E;
constexpr int PuzzleTypeOffset = 0x30;
constexpr int ScrambledOffset = 0x32;
/** The mark at FileMagicOffset, with its NUL: 12 bytes. */
inline constexpr QByteArrayView FileMagic("ACROSS&DOWN\0", 12);
/** Puzzle type values: a plain puzzle, and the bit of a diagramless one. */
constexpr quint16 NormalPuzzle = 0x0001;
constexpr quint16 DiagramlessType = 0x0400;
/** Grid marks: a black square, and an empty square of the solver's grid. */
constexpr char BlackSquare = '.';
constexpr char EmptySquare = '-';
/** Characters the masked checksums are XORed with, low bytes then high bytes. */
constexpr char MaskLow[] = "ICHE";
constexpr char MaskHigh[] = "ATED";

/** The running checksum over a block of bytes, from a previous value: rotate right by one, add the byte. */
inline quint16 Checksum(QByteArrayView bytes, quint16 start)
{
    quint16 sum = start;
    for (const char c : bytes) {
        sum = (sum & 1) ? quint16((sum >> 1) + 0x8000) : quint16(sum >> 1);
        sum = quint16(sum + std::uint8_t(c));
    }
    return sum;
}

} // namespace PuzFormat
