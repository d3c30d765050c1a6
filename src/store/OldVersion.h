#pragma once
// Data of the previous version of the program: its puzzle record, its single-puzzle file
// (".QVZ"), and the user puzzle and shape files that are converted once at start-up.

#include "store/AnsiString.h"
#include "store/Limits.h"
#include "store/PuzzleRecord.h"
#include "store/PuzzleTransfer.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

/**
 * A puzzle record of the previous version, 30347 bytes: title, one size for width and height,
 * the 50 x 50 grid, counts, 200 words with clues of at most 100 characters, and the numbering.
 * The two bytes after the size and the last byte are not read.
 */
struct TOldPuzzleRecord {
    AnsiString<Limits::TitleLength> Title;
    std::int16_t Size = 0;
    GridCells Grid{};
    std::int16_t WordCount = 0;
    std::int16_t AcrossCount = 0;
    std::int16_t DownCount = 0;
    std::array<AnsiString<Limits::WordLength>, Limits::WordSlots> Words{};
    std::array<AnsiString<Limits::OldClueLength>, Limits::WordSlots> Clues{};
    std::array<std::int16_t, Limits::WordSlots> StartCell{};
    std::array<std::int16_t, Limits::WordSlots> LetterCount{};
    std::array<std::int16_t, Limits::WordSlots> ClueNumber{};
    std::array<std::uint8_t, Limits::WordSlots> Direction{};

    /** Reads a record from its stored bytes; a shorter block reads as zeros past its end. */
    static TOldPuzzleRecord fromBytes(const QByteArray& bytes);
};

namespace OldVersion {

/** The old user puzzles, looked for in the start directory. */
inline constexpr char OldPuzzleFile[] = "QVFUPUZZ.DAT";
/** The old user shapes, looked for in the start directory. */
inline constexpr char OldShapeFile[] = "QVFULAY.DAT";
/** The collection the old user puzzles are converted into, in the program directory. */
inline constexpr char ConvertedCollection[] = "OLDPUZZ.QV3";
/** Category of every converted puzzle. */
inline constexpr char ConvertedCategory[] = "Version 2.0 Puzzles";
/** The three letters a ".QVZ" file starts with. */
inline constexpr char QvzSignature[] = "QVZ";

} // namespace OldVersion

/**
 * Turns an old record into `puzzle` (ConvertOldPuzzle): the default page layout (its 28868 stored
 * bytes), the version stamp, the title, category "Version 2.0 Puzzles", an empty bonus question,
 * the old size as width and height, the grid byte for byte, the counts, every word, clue and
 * numbering slot; WordUsed 1 for the placed words, the slots after WordCount emptied; Generated 1.
 * Every other byte of `puzzle` keeps its value. Counts and size a corrupt file carries are held to
 * their ranges (0..200 words, sides 1..50) so that no reader meets impossible values.
 */
void ConvertOldPuzzle(const TOldPuzzleRecord& old, const QByteArray& defaultLayout, TPuzzleRecord& puzzle);

/**
 * Reads the old record of a ".QVZ" file: "QVZ", a length byte n, n bytes not used, 30347 record
 * bytes; anything after them is ignored. OpenFailed when the file cannot be opened for reading,
 * Corrupt when the signature differs or the file ends early.
 */
IoResult ReadOldPuzzleFile(const QString& path, TOldPuzzleRecord& old);

/**
 * Imports a ".QVZ" file (Import16Bit): reads it, converts it into `puzzle` and appends it to the
 * collection (created when missing). Failures carry "Puzzle could not be imported.", "Puzzle file
 * is corrupt or incompatible.  Import aborted." or "Unable to save puzzle."; nothing is appended
 * unless the whole file was read.
 */
TTransferReport Import16Bit(const QString& path, const QString& collection, const QByteArray& defaultLayout,
                            TPuzzleRecord& puzzle);

/**
 * Converts every record of an old user-puzzle file and appends them, in order, to `target`
 * (created when missing, records already there kept), building each in `puzzle`. After a complete
 * run the old file is deleted and the report carries "A new puzzle group named "OLDPUZZ.QV3" has
 * been created."; the old file stays when anything failed.
 */
TTransferReport ConvertOldPuzzles(const QString& oldFile, const QString& target, const QByteArray& defaultLayout,
                                  TPuzzleRecord& puzzle);

/**
 * Appends every 2555-byte record of an old user-shape file, unchanged and in order, to the shape
 * library (created when missing), then deletes the old file; the report carries "Puzzle shapes
 * have been added.". The old file stays when anything failed.
 */
TTransferReport ConvertOldShapes(const QString& oldFile, const QString& library);
