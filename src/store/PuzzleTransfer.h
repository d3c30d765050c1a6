#pragma once
// Moving puzzles between collection files: which files an import accepts, the titles offered for
// a choice, and the import and export of chosen records with their bytes unchanged.

#include "store/CommandReport.h"
#include "store/FixedMessage.h"
#include "store/IoResult.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

/** The messages of puzzle import and export, and of the old-version conversions. */
namespace TransferMessages {
inline constexpr TFixedMessage NotValidFile{"The file selected is not a valid Quorvex file.", "Error"};
inline constexpr TFixedMessage ImportSameAsOpen{"Import File cannot be the same as the currently open file.", "Error"};
inline constexpr TFixedMessage ExportSameAsOpen{"Export File cannot be the same as the currently open file.", "Error"};
inline constexpr TFixedMessage OldPuzzleUnreadable{"Puzzle could not be imported.", "Error"};
inline constexpr TFixedMessage OldPuzzleCorrupt{"Puzzle file is corrupt or incompatible.  Import aborted.", "Error"};
inline constexpr TFixedMessage UnableToSavePuzzle{"Unable to save puzzle.", "Error"};
inline constexpr TFixedMessage NothingToImport{"No puzzles have been selected for import.", "Error"};
inline constexpr TFixedMessage UnableToImport{"Unable to import puzzles.", "Error"};
inline constexpr TFixedMessage NothingToExport{"No puzzles have been selected for export.", "Error"};
inline constexpr TFixedMessage UnableToExport{"Unable to export puzzles.", "Error"};
inline constexpr TFixedMessage OldPuzzlesQuestion{
    "User generated puzzles from a previous version of Quorvex have been detected.  Would you like to convert "
    "them to a puzzle group?",
    "Notice"};
inline constexpr TFixedMessage OldFileUnreadable{"Puzzles could not be imported.", "Error"};
inline constexpr TFixedMessage UnableToSavePuzzles{"Unable to save puzzles.", "Error"};
inline constexpr TFixedMessage OldPuzzlesConverted{"A new puzzle group named \"OLDPUZZ.QV3\" has been created.", "Ok"};
inline constexpr TFixedMessage OldShapesQuestion{
    "User generated shapes from a previous version of Quorvex have been detected.  Would you like to add them "
    "to the current list of puzzle shapes?",
    "Notice"};
inline constexpr TFixedMessage UnableToAddShapes{"Unable to add shapes.", "Error"};
inline constexpr TFixedMessage OldShapesAdded{"Puzzle shapes have been added.", "Ok"};

/** Titles and filters of the import and export file dialogs, and their default extension. */
inline constexpr char ImportDialogTitle[] = "Import Puzzles";
inline constexpr char ExportDialogTitle[] = "Save Crossword Puzzles";
inline constexpr char CollectionFilter[] = "QORVX Files (*.QV3)";
inline constexpr char OldPuzzleFilter[] = "16 bit QORVX Files (*.QVZ)";
inline constexpr char AcrossLiteFilter[] = "Across Lite Files (*.puz)";
inline constexpr char IpuzFilter[] = "iPUZ Files (*.ipuz)";
inline constexpr char DefaultExtension[] = "QV3";
} // namespace TransferMessages

/**
 * What a transfer reports: its outcome, how many records it wrote, and the message box to show,
 * if any (the program's own text for a refusal or failure, with the system's reason on the next
 * line when there is one, or a notice of success).
 */
struct TTransferReport : TCommandReport {
    int Written = 0;
    /** What a successful import changed on the way (texts cut, characters replaced), one line each. */
    QStringList Warnings;

    static TTransferReport success(int written, const TFixedMessage* notice = nullptr);
    /** A failure shown with the program's message followed by the system's reason, if any. */
    static TTransferReport failure(const IoResult& result, const TFixedMessage& message, int written = 0);
};

/**
 * What a chosen file is: a collection or an old puzzle by its extension (the last four characters,
 * upper-cased), as the program has always told them; any other file by its first bytes, an Across
 * Lite or an iPUZ puzzle of another program, or not valid.
 */
enum class ImportKind { Collection, OldPuzzle, AcrossLite, Ipuz, NotValid };
ImportKind ImportKindOf(const QString& path);

/**
 * Whether a chosen file is the open collection: the same file (device and inode) when either
 * exists, else the same folder and name; letter case counts, as it does on the file system.
 */
bool IsSameCollection(const QString& chosen, const QString& openCollection);

/** One puzzle offered for a choice: its title as stored and its record number. */
struct TTitleItem {
    QByteArray Title;
    qint64 Record = 0;

    bool operator==(const TTitleItem&) const = default;
};

/**
 * The titles of a collection, read-only, in the program's list order (ListOrder; equal titles keep
 * their file order), each with its record number. A file that cannot be opened gives no titles.
 */
std::vector<TTitleItem> SortedTitles(const QString& path);

/**
 * Appends the chosen records of `from` to the collection `into`, in the order given, each with its
 * 69623 bytes unchanged; a missing collection is created. Records are read and appended a few at
 * a time, so memory stays small for any collection. "Unable to import puzzles." when a file cannot
 * be opened or read or the collection is full; records appended before a later failure stay.
 */
TTransferReport ImportPuzzles(const QString& from, const std::vector<qint64>& records, const QString& into);

/**
 * Writes the chosen records of the open collection, in the order given and with their bytes
 * unchanged, as the whole new content of `target` (an existing file is replaced, never half
 * written), streamed a few records at a time. Refused when `target` is the open collection itself; "Unable to export puzzles." when
 * a file cannot be opened.
 */
TTransferReport ExportPuzzles(const QString& collection, const std::vector<qint64>& records, const QString& target);
