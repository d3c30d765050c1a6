#include "store/WorkingPuzzle.h"

#include "store/CopyTitle.h"

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

IoResult SaveWorkingPuzzle(WorkingPuzzle& working)
{
    const IoResult written = working.IsNewPuzzle
                                 ? AppendPuzzle(working.CurrentCollection, working.CurrentPuzzle)
                                 : WritePuzzle(working.CurrentCollection, working.CurrentRecordNumber,
                                               working.CurrentPuzzle, &working.ReadAs);
    if (written)
        working.ReadAs = TRecordName::of(working.CurrentPuzzle);
    return written;
}
