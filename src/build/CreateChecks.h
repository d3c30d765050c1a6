#pragma once
// The checks of the word list editor's Create command and the preparation of the puzzle record
// the construction engine works on.

#include "shapes/ShapeRecord.h"
#include "store/Limits.h"
#include "store/PuzzleRecord.h"

#include <QByteArray>
#include <QString>
#include <array>

/** One row of the words-and-clues grid as typed, in Windows-1252 bytes. */
struct TWordRow {
    QByteArray Word;
    QByteArray Clue;
};

/** What the editor holds when Create is pressed; text in Windows-1252 bytes. */
struct TCreateInput {
    QByteArray Title;
    QByteArray Category;
    QByteArray BonusQuestion;
    QByteArray AttemptsText;
    /** Grid rows 1..200 as elements 0..199. */
    std::array<TWordRow, Limits::WordSlots> Rows{};
};

/** The part of the input a refusal is about (the editor puts the focus on it). */
enum class CreateField { None, Title, Category, Attempts, Word, Clue };

/** A refusal of the Create command: one message box and the input it is about. */
struct TCreateRefusal {
    QString Message;
    QString Caption = QStringLiteral("Error");
    CreateField Field = CreateField::None;
    /** With a Word or Clue field: the grid row (1..200). */
    int Row = 0;
    /** Sound the exclamation beep before the message. */
    bool Beep = false;
};

/**
 * Result of the Create checks. When Accepted, Puzzle is the record to construct from and
 * Attempts the attempt count (also the new "Attempts" setting). When refused, Refusal says why.
 * A refusal in the title, category, word or attempts checks leaves Puzzle equal to the current
 * record. A word or clue refusal comes after the record was prepared: Puzzle then holds the
 * prepared record (RecordPrepared is set) and the caller keeps it as the current puzzle, as the
 * Create command has already changed it by then; AttemptsAccepted is set too, since the setting
 * took the value before the words were checked.
 */
struct TCreateCheckResult {
    bool Accepted = false;
    TCreateRefusal Refusal;
    TPuzzleRecord Puzzle;
    bool RecordPrepared = false;
    bool AttemptsAccepted = false;
    int Attempts = 0;
};

/**
 * Reads the text of the Attempts field: leading spaces skipped, then decimal digits up to the
 * first other character. An empty or non-numeric text, or one starting with a sign, reads as 0.
 * Values beyond 999999 read as 999999.
 */
int ReadAttemptsText(const QByteArray& text);

/**
 * Checks the editor's input in the order of the Create command and prepares the record: title,
 * category and words present, attempts 1..999, then the grid size from the shape, title, category,
 * bonus question and the non-blank rows closed up into the word and clue slots, then every word
 * against the shape's size and longest run and every clue against its 150 characters. Stops at
 * the first refusal.
 */
TCreateCheckResult CheckCreateInput(const TCreateInput& input, const TShapeRecord& shape, const TPuzzleRecord& current);
