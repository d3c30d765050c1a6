#pragma once
// Puzzle collection files (".QV3"): headerless arrays of puzzle records. Every operation takes the
// file's path, opens it, works and closes it again, so no file stays open between commands.

#include "store/IoResult.h"
#include "store/Limits.h"
#include "store/PuzzleRecord.h"

#include <QByteArray>
#include <QLatin1StringView>
#include <QString>
#include <cstdint>
#include <vector>

/** Texts and caption the windows show when a collection cannot be written or read. */
namespace CollectionMessages {
/** Shown when a puzzle cannot be written: the file cannot be opened or the collection is full. */
inline constexpr QLatin1StringView UnableToSave{"Unable to save puzzle."};
/** Shown when the collection cannot be opened to read a puzzle for printing. */
inline constexpr QLatin1StringView UnableToLoad{"Unable to load puzzle."};
/** The reason given when the puzzle listed is no longer at its place in the collection file. */
inline constexpr QLatin1StringView ListOutdated{
    "Another program has changed the puzzle collection since it was listed.  The list now shows it as it "
    "is: please choose the puzzle again."};
/** Caption of both messages. */
inline constexpr QLatin1StringView ErrorCaption{"Error"};
/** Shown (caption "Warning") when a puzzle that was never constructed is to be printed or exported. */
inline constexpr QLatin1StringView NeverGenerated{
    "A puzzle has never been generated for this word/clue list. Please select \"File|Modify\" from the menu "
    "and create the puzzle first"};

/** Text to show for a failed write: UnableToSave, then the system's reason on a line of its own. */
QString saveFailureText(const IoResult& result);
/** Text to show for a failed read: UnableToLoad, then the system's reason on a line of its own. */
QString loadFailureText(const IoResult& result);
} // namespace CollectionMessages

/** One listed puzzle: its title and the tag (category index << 16 | record number). */
struct CollectionEntry {
    QByteArray Title;
    std::uint32_t Tag = 0;

    /** Record number held in the tag's low 16 bits. */
    int recordNumber() const { return int(Tag & 0xFFFFu); }
    /** Category index held in the tag's high 16 bits. */
    int categoryIndex() const { return int(Tag >> 16); }
};

/**
 * The category and title listing of a collection. Categories are the distinct Category values in
 * order of first appearance (exact, case-sensitive comparison); Entries has one entry per listed
 * record in file order. Only the first 65536 records are listed, the most the tag can address;
 * TotalRecords tells the caller when a file holds more.
 */
struct CollectionIndex {
    std::vector<QByteArray> Categories;
    std::vector<CollectionEntry> Entries;
    /** Whole records in the file, including any past the listed ones. */
    qint64 TotalRecords = 0;

    /** True when the file holds records the listing had to leave out. */
    bool isTruncated() const { return TotalRecords > qint64(Entries.size()); }
};

/** The tag of a listed puzzle: category index in the high 16 bits, record number in the low 16. */
constexpr std::uint32_t MakeIndexTag(int categoryIndex, int recordNumber)
{
    return (std::uint32_t(categoryIndex & 0xFFFF) << 16) | std::uint32_t(recordNumber & 0xFFFF);
}

/**
 * Whether a collection of `count` records can take one more: the new record's number must fit the
 * 16 bits the listing tag gives it.
 */
constexpr bool CanAppendRecord(qint64 count)
{
    return count >= 0 && count < Limits::MaxCollectionRecords;
}

/**
 * What a puzzle was read or listed as: its category and title as stored. A write or delete given
 * one changes record n only while the record still holds that puzzle, which another copy of the
 * program (or quorvex-cli) deleting a record meanwhile would have moved.
 */
struct TRecordName {
    QByteArray Category;
    QByteArray Title;

    static TRecordName of(const TPuzzleRecord& record);
    bool operator==(const TRecordName&) const = default;
};

/** Creates the file, or empties an existing one, leaving 0 bytes. */
IoResult CreateCollection(const QString& path);

/**
 * Reads record n, opening the file read-only (works on read-only media). OpenFailed means the
 * caller shows its own message ("Unable to load puzzle." or the like); IoError carries the
 * system's text. With listedAs, Refused (without a system text) when record n is gone or no
 * longer holds that puzzle: another program has changed the collection since it was listed.
 */
IoResult ReadPuzzle(const QString& path, qint64 n, TPuzzleRecord& record, const TRecordName* listedAs = nullptr);

/**
 * Writes record n in place; n equal to the record count appends. A missing file is created.
 * Refused (the caller shows "Unable to save puzzle.") when n is negative, beyond the count, or a
 * record number the listing cannot address (65536 and up), and, with readAs, when record n no
 * longer holds the puzzle read there (the reason says so). OpenFailed also means "Unable to save
 * puzzle."; IoError carries the system's text.
 */
IoResult WritePuzzle(const QString& path, qint64 n, const TPuzzleRecord& record, const TRecordName* readAs = nullptr);

/**
 * Writes the record after the last whole one, counting under the file's lock; refused once the
 * collection holds 65536 records.
 */
IoResult AppendPuzzle(const QString& path, const TPuzzleRecord& record);

/**
 * Removes record n: every later record moves down one place and the file ends one record shorter
 * (a trailing partial record goes too). The new file is streamed beside the old one and renamed
 * into place (RecordFile::remove, with its fallback for folders that take no new file). OpenFailed
 * (missing file) is reported to nobody; record numbers held elsewhere are stale afterwards, so the
 * caller re-lists at once. With listedAs, refused when record n no longer holds that puzzle.
 */
IoResult RemoveRecord(const QString& path, qint64 n, const TRecordName* listedAs = nullptr);

/**
 * Lists the categories and titles of the file, reading only those two fields of each record. A file
 * that cannot be opened lists empty and sets result (when given) to OpenFailed, which callers do not
 * report; a read failure after opening gives IoError with what was listed so far.
 */
CollectionIndex ListCollection(const QString& path, IoResult* result = nullptr);

/** Number of whole records: file size div 69623; 0 for a missing file. */
qint64 RecordCount(const QString& path);
