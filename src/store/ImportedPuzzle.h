#pragma once
// A puzzle read from another program's file (Across Lite .puz, iPUZ) before it becomes a puzzle
// record: what each reader fills in, how the file's kind is told from its first bytes, and the one
// conversion that holds the puzzle to our limits and stores it as a constructed puzzle is stored.

#include "store/PuzzleRecord.h"
#include "store/PuzzleTransfer.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

/** One word of an imported puzzle: its first square (row and column from 0), direction, length and clue. */
struct TImportedWord {
    int Row = 0;
    int Column = 0;
    bool Across = true;
    int Length = 0;
    QString Clue;
};

/**
 * A crossword as another program's file holds it. Cells run row by row; an empty text is a block
 * or a square outside the grid, any other text is the square's solution (several characters make
 * a rebus square, which is refused on conversion).
 */
struct TImportedPuzzle {
    int Width = 0;
    int Height = 0;
    std::vector<QString> Cells;
    std::vector<TImportedWord> Words;
    QString Title;
    QString Publisher;

    bool isLetter(int row, int column) const;
};

namespace ImportedPuzzle {

/** A run of two or more letter squares along a row or column, with the number every crossword program gives it. */
struct TRun {
    int Row = 0;
    int Column = 0;
    bool Across = true;
    int Length = 0;
    int Number = 0;
};

/**
 * The runs of a grid as crossword programs number them: squares taken row by row, the number going
 * up at every square that starts a run; ordered by number, across before down.
 */
std::vector<TRun> LetterRuns(const TImportedPuzzle& puzzle);

/** "The puzzle cannot be imported: " and the reason, the start of every refusal. */
QString Refusal(const QString& reason);
/** "row R, column C" for a square counted from 0. */
QString SquareName(int row, int column);
/** The refusal of a grid larger than a record holds (50 x 50). */
QString TooLarge(int width, int height);
/** The refusal of more words than a record holds (200). */
QString TooManyWords(int words);
/** The refusal of a square that holds several letters. */
QString RebusSquare(int row, int column);

/**
 * Builds the record a constructed puzzle would be stored as: version stamp, the title (the
 * fallback when the file has none) and the publisher or "Imported" as category, the grid (letters
 * upper-cased as the program does, blocks as squares outside the puzzle), the words across by
 * number then down by number with their clues, numbered as the program numbers them, WordUsed
 * set, Generated 1, an empty bonus question, the given page layout and zeroed reserved bytes.
 * Returns the refusal, or an empty string: a grid over 50 x 50, more than 200 words, a word of
 * more than 30 letters, a rebus square, a letter Windows-1252 has no form for, or a word that is
 * not a line of letter squares. Texts are cut to their fields (a clue to 150 characters) and a
 * character Windows-1252 cannot hold becomes its nearest form or "?"; each change adds a warning
 * naming its clue.
 */
QString ToRecord(const TImportedPuzzle& imported, const QByteArray& defaultLayout, const QString& fallbackTitle,
                 TPuzzleRecord& record, QStringList& warnings);

/**
 * Text of another program as Windows-1252 bytes: control characters and line breaks as spaces,
 * trimmed; a character the code page cannot hold as its nearest form (ő as o, ﬁ as fi, Ł as L,
 * − as -) or "?". `changes` gets one note per character replaced.
 */
QByteArray WindowsText(const QString& text, QStringList& changes);

/** How many first bytes of a file tell its kind. */
inline constexpr qint64 HeadSize = 4096;

/**
 * The kind of another program's puzzle file told from its first bytes: AcrossLite when the
 * format's mark "ACROSS&DOWN" stands in them (at offset 2, or later after a preamble), Ipuz when
 * they open a JSON object or the "ipuz(" wrapper, else NotValid.
 */
ImportKind KindOfContent(QByteArrayView head);

} // namespace ImportedPuzzle

/**
 * Imports one puzzle of another program's file (Across Lite or iPUZ, told by its content): reads
 * it, converts it into `puzzle` and appends it to the collection (created when missing). A
 * refusal, a file that cannot be read or a collection that cannot be written leaves the collection
 * as it was and reports why; warnings of a successful import come in the report's Warnings.
 */
TTransferReport ImportOtherPuzzle(const QString& path, const QString& collection, const QByteArray& defaultLayout,
                                  TPuzzleRecord& puzzle);
