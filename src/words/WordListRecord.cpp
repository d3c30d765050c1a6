#include "words/WordListRecord.h"

#include "pages/PageLayout.h"
#include "store/Ansi.h"

#include <algorithm>

namespace WordListRecord {

void StoreEditorText(TPuzzleRecord& record, const TCreateInput& editor)
{
    record.BonusQuestion.setText(Ansi::trimSpaces(editor.BonusQuestion));
    record.Title.setText(Ansi::trimSpaces(editor.Title));
    record.Category.setText(Ansi::trimSpaces(editor.Category));

    int count = 0;
    for (const TWordRow& row : editor.Rows) {
        const QByteArray word = Ansi::trimSpaces(row.Word);
        if (word.isEmpty())
            continue;
        record.Words[std::size_t(count)].setText(word);
        record.Clues[std::size_t(count)].setText(Ansi::trimSpaces(row.Clue));
        ++count;
    }
    for (int i = count; i < Limits::WordSlots; ++i) {
        record.Words[std::size_t(i)].clear();
        record.Clues[std::size_t(i)].clear();
    }

    if (record.Generated == 1) {
        const int placed = std::clamp(int(record.AcrossCount) + int(record.DownCount), 0, Limits::WordSlots);
        count = std::min(count, placed);
    }
    record.WordCount = std::int16_t(count);
}

namespace {

TPageLayout layoutOf(const TPuzzleRecord& record)
{
    return TPageLayout::fromBytes(reinterpret_cast<const char*>(record.PageLayout.data()), record.PageLayout.size());
}

bool sameLayoutHeader(const TPuzzleRecord& a, const TPuzzleRecord& b)
{
    const TPageLayout x = layoutOf(a);
    const TPageLayout y = layoutOf(b);
    return x.LayoutName.text() == y.LayoutName.text() && x.PaperName.text() == y.PaperName.text()
           && x.PaperWidth == y.PaperWidth && x.PaperHeight == y.PaperHeight && x.PixelWidth == y.PixelWidth
           && x.PixelHeight == y.PixelHeight && x.UseInches == y.UseInches && x.ObjectCount == y.ObjectCount
           && x.Portrait == y.Portrait && x.DesignZoom == y.DesignZoom;
}

} // namespace

bool DiffersFromSnapshot(const TPuzzleRecord& edited, const TPuzzleRecord& snapshot)
{
    if (edited.BonusQuestion.text() != snapshot.BonusQuestion.text() || edited.Title.text() != snapshot.Title.text()
        || edited.Category.text() != snapshot.Category.text())
        return true;
    for (std::size_t i = 0; i < std::size_t(Limits::WordSlots); ++i) {
        if (edited.Words[i].text() != snapshot.Words[i].text() || edited.Clues[i].text() != snapshot.Clues[i].text())
            return true;
    }
    return !sameLayoutHeader(edited, snapshot);
}

} // namespace WordListRecord
