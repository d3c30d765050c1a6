#pragma once
// Moving words and clues between the word list editor's rows and the items of a word list file.

#include <QByteArray>
#include <QList>
#include <QString>

namespace WordListTransfer {

/** What the items of a word list file are; the numbers are those of "Import Option" and "Export Option". */
enum Mode { Words = 1, Clues = 2, WordsAndClues = 3 };

/** The mode a setting names; another value gives the fallback. */
Mode ModeOf(int setting, Mode fallback);

/** One row of the editor's grid (Windows-1252 text as typed, untrimmed) and its "U" mark. */
struct GridRow {
    QByteArray Word;
    QByteArray Clue;
    bool Used = false;
};

/** The rows with a word that is not blank. */
int WordCount(const QList<GridRow>& rows);

/**
 * The question asked when the selected items would take the rows past 200: "Too many words
 * selected.  Last word will not be used.  Continue?" for one, "... Last 3 words ..." for more.
 */
QString ExcessQuestion(int excess);

/**
 * Puts the items, in order, into the first free rows for the mode while fewer than 200 rows hold a
 * word: words go to a row without a word (keeping its clue), clues to a row without word and clue,
 * pairs to a row without word and clue, split at the first separator (an item without it is all
 * word). Items without a free row are dropped. Texts go in as they are. Returns the rows changed.
 */
QList<int> Fill(QList<GridRow>& rows, const QList<QByteArray>& items, Mode mode, char separator);

/** One item of the export list and whether its row is marked used. */
struct ExportItem {
    QByteArray Text;
    bool Used = false;
};

/**
 * The export items in row order: the trimmed words, the trimmed clues, or for each row with a word
 * or a clue the padded pair with the separator.
 */
QList<ExportItem> ExportItems(const QList<GridRow>& rows, Mode mode, char separator);

/** The positions of the texts in the order of every list of the program (stable), as the lists show them. */
QList<int> SortedOrder(const QList<QString>& texts);

} // namespace WordListTransfer
