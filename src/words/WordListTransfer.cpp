#include "words/WordListTransfer.h"

#include "store/Ansi.h"
#include "store/Limits.h"
#include "store/ListOrder.h"
#include "words/WordListText.h"

#include <algorithm>
#include <numeric>

namespace WordListTransfer {

namespace {

bool blank(const QByteArray& text)
{
    return Ansi::trimSpaces(text).isEmpty();
}

/** The first row free for the mode, or -1. */
int freeRow(const QList<GridRow>& rows, Mode mode)
{
    for (int i = 0; i < rows.size(); ++i) {
        const bool free = mode == Words ? blank(rows[i].Word) : blank(rows[i].Word) && blank(rows[i].Clue);
        if (free)
            return i;
    }
    return -1;
}

} // namespace

Mode ModeOf(int setting, Mode fallback)
{
    return setting == Words || setting == Clues || setting == WordsAndClues ? Mode(setting) : fallback;
}

int WordCount(const QList<GridRow>& rows)
{
    return int(std::count_if(rows.begin(), rows.end(), [](const GridRow& r) { return !blank(r.Word); }));
}

QString ExcessQuestion(int excess)
{
    const QString last = excess == 1 ? QStringLiteral("word") : QStringLiteral("%1 words").arg(excess);
    return QStringLiteral("Too many words selected.  Last ") + last + QStringLiteral(" will not be used.  Continue?");
}

QList<int> Fill(QList<GridRow>& rows, const QList<QByteArray>& items, Mode mode, char separator)
{
    QList<int> changed;
    int words = WordCount(rows);
    for (const QByteArray& item : items) {
        if (words >= Limits::WordSlots)
            break;
        const int row = freeRow(rows, mode);
        if (row < 0)
            continue;
        GridRow& r = rows[row];
        if (mode == Words) {
            r.Word = item;
        } else if (mode == Clues) {
            r.Clue = item;
        } else {
            const WordListText::WordClue pair = WordListText::SplitPair(item, separator);
            r.Word = pair.word;
            r.Clue = pair.clue;
        }
        changed.append(row);
        ++words;
    }
    return changed;
}

QList<ExportItem> ExportItems(const QList<GridRow>& rows, Mode mode, char separator)
{
    QList<ExportItem> items;
    for (const GridRow& r : rows) {
        const QByteArray word = Ansi::trimSpaces(r.Word);
        const QByteArray clue = Ansi::trimSpaces(r.Clue);
        if (mode == Words && !word.isEmpty())
            items.append({word, r.Used});
        else if (mode == Clues && !clue.isEmpty())
            items.append({clue, r.Used});
        else if (mode == WordsAndClues && !(word.isEmpty() && clue.isEmpty()))
            items.append({WordListText::FormatPair(word, clue, separator), r.Used});
    }
    return items;
}

QList<int> SortedOrder(const QList<QString>& texts)
{
    QList<int> order(texts.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return ListOrder::Less(texts[a], texts[b]); });
    return order;
}

} // namespace WordListTransfer
