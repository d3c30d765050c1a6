#pragma once
// Word list text files: one item per line (a word, a clue, or word, separator and clue).

#include <QByteArray>
#include <QList>

namespace WordListText {

/** Characters of a line that count when a word list file is read. */
constexpr int LineLimit = 255;
/** Width the word is padded to before the separator when pairs are written. */
constexpr int PairWordWidth = 31;

/**
 * The items of a word list file: every line (LF or CR LF ends) cut to 255 characters and trimmed
 * of spaces; blank lines dropped. UTF-8 files are converted to Windows-1252, other files are taken
 * as Windows-1252 already.
 */
QList<QByteArray> ReadItems(const QByteArray& fileBytes);

/** A word and its clue. */
struct WordClue {
    QByteArray word;
    QByteArray clue;
};

/**
 * Splits an item at the first occurrence of the separator, both halves trimmed; an item without
 * the separator is all word and no clue.
 */
WordClue SplitPair(const QByteArray& item, char separator);

/** One exported pair: the word padded to 31 characters, the separator, a space and the clue. */
QByteArray FormatPair(const QByteArray& word, const QByteArray& clue, char separator);

} // namespace WordListText
