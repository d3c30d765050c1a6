#pragma once
// The shape library file and the shape list that the word list editor and the shape manager show.

#include "shapes/ShapeRecord.h"
#include "store/IoResult.h"
#include "store/PuzzleRecord.h"

#include <QString>
#include <vector>

/** One line of the shape list: its display text and the record number it stands for. */
struct ShapeListEntry {
    QString Text;
    int Number = 0;

    bool operator==(const ShapeListEntry&) const = default;
};

/** Which window hosts the shape list; it decides the entry selected after filling. */
enum class ShapeListHost {
    EditorNewPuzzle,      ///< word list editor on a new puzzle: the "Last Shape" record
    EditorExistingPuzzle, ///< word list editor on a stored puzzle: the current-puzzle entry
    Manager,              ///< shape manager: the first entry
};

/** A filled shape list: entries in display order and the position to select (-1 when empty). */
struct ShapeList {
    std::vector<ShapeListEntry> Entries;
    int Selected = -1;
};

/**
 * The shape library "QVFLAY.DAT": a headerless file of 2555-byte shape records in the program
 * directory, a record's number being its position. Every operation opens the file, works and
 * closes it. Failures come back as IoResult; the texts to show are in ShapeMessages.
 */
namespace ShapeLibrary {

/** File name of the library in the program directory. */
inline constexpr const char* FileName = "QVFLAY.DAT";
/** Number of the current-puzzle entry, above every record number. */
constexpr int CurrentPuzzleNumber = 100000;
/** Title of the shape taken from the current puzzle. */
inline constexpr const char* CurrentPuzzleTitle = "<Current Puzzle>";
/** Longest shape title; copies are cut to it. */
constexpr int TitleLimit = Limits::ShapeTitleLength;

/** The library path inside a program directory. */
QString LibraryPath(const QString& programDir);

/**
 * Reads every whole record in file order. A missing file is an empty library (Ok); a file that
 * exists but cannot be opened gives OpenFailed and no shapes. Records are kept as stored, sizes
 * out of range included, so that their numbers stay their positions.
 */
IoResult ReadLibrary(const QString& path, std::vector<TShapeRecord>& shapes);

/** Reads record n into shape (LoadALayout). A missing file is OpenFailed, n past the end IoError. */
IoResult LoadShape(const QString& path, int n, TShapeRecord& shape);

/**
 * Appends shape at the end of the library, creating a missing file. On success recordNumber (when
 * given) receives its number. OpenFailed means "Unable to add shape." (ShapeMessages::AddFailed).
 */
IoResult AppendShape(const QString& path, const TShapeRecord& shape, int* recordNumber = nullptr);

/** Writes shape over record n. OpenFailed: ShapeMessages::ReplaceFailed; n not a record: Refused. */
IoResult ReplaceShape(const QString& path, int n, const TShapeRecord& shape);

/**
 * Removes record n; later records move down one place. The new file is written beside the old one
 * and renamed into place. OpenFailed: ShapeMessages::DeleteFailed; n out of range: Refused.
 */
IoResult DeleteShape(const QString& path, int n);

/** Display text of a shape: width "x" height, a space and the title (decoded from Windows-1252). */
QString ListText(const TShapeRecord& shape);

/** The entries for the library shapes, numbered by position and sorted by text (see SortEntries). */
std::vector<ShapeListEntry> LibraryEntries(const std::vector<TShapeRecord>& shapes);

/** Sorts entries by text, case-insensitively; entries with equal texts keep their order. */
void SortEntries(std::vector<ShapeListEntry>& entries);

/** The shape of a stored puzzle: its size, "<Current Puzzle>" and 1 where its grid is nonzero. */
TShapeRecord ShapeFromPuzzle(const TPuzzleRecord& puzzle);

/** The current-puzzle entry: width "x" height " <Current Puzzle>", number 100000. */
ShapeListEntry CurrentPuzzleEntry(const TPuzzleRecord& puzzle);

/**
 * Fills the list as LoadInLayouts does: the current-puzzle entry (EditorExistingPuzzle only, taken
 * from currentPuzzle, which must then be given) and one entry per library shape, sorted, with the
 * entry to select for the host. lastShape is the "Last Shape" setting.
 */
ShapeList FillList(ShapeListHost host, const std::vector<TShapeRecord>& library,
                   const TPuzzleRecord* currentPuzzle, int lastShape);

/** SetShapeBoxIndex: position of the entry carrying number, else 0; -1 for an empty list. */
int SetShapeBoxIndex(const std::vector<ShapeListEntry>& entries, int number);

/** Position to select after a delete: the previous position, or the last one if the list is now shorter; -1 if empty. */
int SelectionAfterDelete(int previousPosition, int entryCount);

/** The delete question: Are you sure you want to delete "text"? (caption ShapeMessages::DeleteCaption). */
QString DeleteQuestion(const ShapeListEntry& entry);

/** The title of a copy of a shape: MakeCopyTitle with the 50-character limit. */
QByteArray CopyTitle(QByteArrayView title);

} // namespace ShapeLibrary
