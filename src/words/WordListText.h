#pragma once
// Word list text files: one item per line (a word, a clue, or word, separator and clue).

#include <QByteArray>
#include <QList>
#include <QString>

namespace WordListText {

/** Characters of a line that count when a word list file is read. */
constexpr int LineLimit = 255;
/** Width the word is padded to before the separator when pairs are written. */
constexpr int PairWordWidth = 31;

/** How the bytes of a word file were read. */
enum class Encoding { Utf8, Windows1252, Utf16LE, Utf16BE };

/** What becomes of a line holding a character that Windows-1252 cannot hold. */
enum class Unmappable {
    Skip,      ///< the line is left out (the import window)
    Replace,   ///< the character becomes "?" (quorvex-cli)
};

/** A line of a word file that was left out or changed, with its 1-based line number. */
struct LineProblem {
    enum Kind { ControlCharacter, NotInCodePage } kind;
    int line = 0;
    /** The first character that Windows-1252 cannot hold (NotInCodePage). */
    QString character;
    /** True when the line was left out, false when it was kept with "?" in place of the character. */
    bool dropped = true;
};

/** The items of a word file (Windows-1252), the line each came from, and the lines left out or changed. */
struct WordFile {
    Encoding encoding = Encoding::Utf8;
    QList<QByteArray> items;
    QList<int> itemLines;
    QList<LineProblem> problems;
};

/**
 * Reads a word file. The bytes are UTF-16 when they start with its byte-order mark, else UTF-8
 * when they are valid UTF-8 (a UTF-8 byte-order mark is skipped), else Windows-1252. Lines end in
 * CR LF, LF or CR; only the first 255 characters of a line count; a tab counts as a space; every
 * line is trimmed of spaces and blank lines are dropped. A line holding any other control
 * character (NUL and the rest below 32, and DEL) is left out, so such bytes never reach a word or
 * a clue; a line holding a character that Windows-1252 cannot hold is left out or keeps "?" in
 * its place, as asked. An end-of-file mark (Ctrl+Z) ending the file is ignored.
 */
WordFile ReadWordFile(const QByteArray& fileBytes, Unmappable unmappable);

/**
 * A problem in words a user reads, starting in lower case without a full stop:
 * "line 3 holds a control character and was left out".
 */
QString ProblemText(const LineProblem& problem);

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

/** The bytes of a word list file: every item as one line ending in CR LF. */
QByteArray FileBytes(const QList<QByteArray>& items);

} // namespace WordListText
