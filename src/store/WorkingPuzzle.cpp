#include "store/WorkingPuzzle.h"

#include "store/CopyTitle.h"

#include <optional>

void ClearForNewPuzzle(TPuzzleRecord& record)
{
    for (int i = 0; i < Limits::WordSlots; ++i) {
        record.Words[i].clear();
        record.Clues[i].clear();
        record.WordUsed[i] = 0;
    }
    record.Category.clear();
    record.Title.clear();
    record.BonusQuestion.clear();
    record.GridWidth = 15;
    record.GridHeight = 15;
    record.WordCount = 0;
    record.Generated = 0;
}

void ClearForNewPuzzle(WorkingPuzzle& working)
{
    ClearForNewPuzzle(working.CurrentPuzzle);
    working.IsNewPuzzle = true;
}

void StampVersion(TPuzzleRecord& record)
{
    record.Version.Length = 4;
    record.Version.Chars[0] = '3';
    record.Version.Chars[1] = '.';
    record.Version.Chars[2] = '0';
    record.Version.Chars[3] = 'c';
}

void MakePuzzleCopy(TPuzzleRecord& record)
{
    record.Title.setText(MakeCopyTitle(record.Title.text(), Limits::TitleLength));
    record.WordUsed.fill(0);
}

void MakePuzzleCopy(WorkingPuzzle& working)
{
    MakePuzzleCopy(working.CurrentPuzzle);
    working.IsNewPuzzle = true;
}

namespace {

/**
 * The record that holds the puzzle read as working.ReadAs with the working copy's grid now, when
 * exactly one does: where another program's delete has moved it. None when none or several do.
 */
std::optional<qint64> movedRecord(const WorkingPuzzle& working)
{
    const CollectionIndex index = ListCollection(working.CurrentCollection);
    std::optional<qint64> found;
    for (const CollectionEntry& entry : index.Entries) {
        if (entry.Title != working.ReadAs.Title
            || index.Categories[std::size_t(entry.categoryIndex())] != working.ReadAs.Category)
            continue;
        TPuzzleRecord stored;
        if (!ReadPuzzle(working.CurrentCollection, entry.recordNumber(), stored)
            || stored.Grid != working.CurrentPuzzle.Grid)
            continue;
        if (found)
            return std::nullopt;
        found = entry.recordNumber();
    }
    return found;
}

} // namespace

IoResult SaveWorkingPuzzle(WorkingPuzzle& working)
{
    IoResult written = working.IsNewPuzzle ? AppendPuzzle(working.CurrentCollection, working.CurrentPuzzle)
                                           : WritePuzzle(working.CurrentCollection, working.CurrentRecordNumber,
                                                         working.CurrentPuzzle, &working.ReadAs);
    // Another program deleted a puzzle before this one, which moved: it is written where it is now,
    // so the user's changes are not lost.
    if (written.status == IoResult::Refused && !working.IsNewPuzzle) {
        if (const std::optional<qint64> moved = movedRecord(working); moved && *moved != working.CurrentRecordNumber) {
            working.CurrentRecordNumber = *moved;
            written = WritePuzzle(working.CurrentCollection, working.CurrentRecordNumber, working.CurrentPuzzle,
                                  &working.ReadAs);
        }
    }
    if (written)
        working.ReadAs = TRecordName::of(working.CurrentPuzzle);
    return written;
}
