#pragma once
// A constructed puzzle as the solving formats (iPUZ, Across Lite, the web puzzle) see it.

#include "render/PageRenderer.h"
#include "store/PuzzleRecord.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

/** One clue of the printed lists with the cells its word fills. */
struct TSolvingClue {
    int Slot = 0;              ///< word slot 1..200
    int Number = 0;            ///< the slot's ClueNumber
    bool Across = true;
    QByteArray Clue;           ///< Windows-1252, control characters as spaces
    QByteArray Enumeration;    ///< the word's part lengths ("3,5", "4-2-3-3"), empty for a word of one part
    std::vector<int> Cells;    ///< cell indexes (row x Width + column, from 0) along the word, inside the grid
};

/**
 * A printed word whose squares all belong to another word running the same way (a word inside
 * another, or a duplicate on the same squares). The grid cannot show where it starts and ends,
 * and readers that number a grid by its runs of letters put its clue on the wrong word.
 */
struct TNestedWord {
    const TSolvingClue* Inner = nullptr;
    const TSolvingClue* Outer = nullptr;
};

/** What the person who shares a puzzle chooses for the solving formats. */
struct TSolvingOptions {
    bool WordLengths = false;   ///< clues carry the lengths of a word typed with spaces or dashes
    bool Timer = true;          ///< the web puzzle shows a clock that the solver can pause
    int Language = 1;           ///< the web puzzle's language, a spelling language code (1 American .. 8 Swedish)
};

/**
 * The grid of a constructed puzzle cut to its GridWidth x GridHeight, with the clue numbers and the
 * clue lists of the printed page (slots and numbers as the record holds them; nothing is numbered
 * again). Cells are indexed row by row from 0. Every count and cell number of the record is
 * clamped, so a damaged record gives a smaller puzzle, never a read outside the grid. Control
 * characters in the texts (the C0 controls, DEL and the unassigned Windows-1252 bytes) become spaces,
 * so no format receives them.
 */
struct TSolvingPuzzle {
    /** A cell's byte: Outside (0) is not part of the shape; Block (a space) is a black square. */
    static constexpr std::uint8_t Outside = 0;
    static constexpr std::uint8_t Block = ' ';

    int Width = 0;
    int Height = 0;
    QByteArray Title;                 ///< Windows-1252, like every text here
    QByteArray Category;
    QByteArray AcrossHeading;         ///< the run's heading texts, Windows-1252
    QByteArray DownHeading;
    std::vector<std::uint8_t> Cells;  ///< Outside, Block or the letter
    std::vector<int> Numbers;         ///< clue number printed in the cell, 0 for none
    std::vector<bool> Given;          ///< enabled separator characters, shown before any solving
    std::vector<TSolvingClue> Across;
    std::vector<TSolvingClue> Down;

    /** Builds it from a record; the options give the separators to show and the headings. */
    static TSolvingPuzzle fromRecord(const TPuzzleRecord& puzzle, const TRenderOptions& options);
    /** The cell at index as messages name it: "row 3, column 7". */
    QString cellName(int index) const;

    /**
     * The lengths of the parts of a typed word, split at spaces (",") and dashes ("-"): "3,5" for
     * ICE CREAM, "4-2-3-3" for JACK-IN-THE-BOX; empty for a word of one part. The other separators
     * the options show in the grid are given squares, not typed: they split the word too, written
     * as themselves ("3/4,6" for HIT/MISS AFFAIR with the slash shown).
     */
    static QByteArray enumerationOf(QByteArrayView typedWord, const TRenderOptions& options = {});

    bool isLetter(int index) const { return Cells[std::size_t(index)] != Outside && Cells[std::size_t(index)] != Block; }

    /** The words lying inside or on another word running the same way, in clue order. */
    std::vector<TNestedWord> nestedWords() const;
    /** "TONE (row 5, column 8) lies inside STONE": the word as the grid spells it, its start and the outer word. */
    QString describe(const TNestedWord& nested) const;
    /** The letters of a clue's squares as the grid holds them. */
    QString spelling(const TSolvingClue& clue) const;
};
