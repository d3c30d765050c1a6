#include "words/WordListText.h"

#include "store/Ansi.h"

#include <QStringDecoder>
#include <algorithm>
#include <optional>

namespace WordListText {

namespace {

constexpr char32_t Tab = 0x09;
constexpr char32_t EndOfFileMark = 0x1A;
constexpr char32_t Delete = 0x7F;

bool startsWith(const QByteArray& bytes, const char* mark, qsizetype length)
{
    return bytes.size() >= length && bytes.first(length) == QByteArrayView(mark, length);
}

QString decode(QStringConverter::Encoding encoding, QByteArrayView bytes, bool* failed = nullptr)
{
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    if (failed)
        *failed = decoder.hasError();
    return text;
}

/**
 * UTF-16 written without its byte-order mark: text a word list can hold then has a NUL byte beside
 * nearly every character, always on the same side (looked at in the first 4 KB).
 */
std::optional<Encoding> unmarkedUtf16(const QByteArray& bytes)
{
    if (bytes.size() < 4 || bytes.size() % 2 != 0)
        return std::nullopt;
    const qsizetype pairs = std::min<qsizetype>(bytes.size(), 4096) / 2;
    qsizetype evenNuls = 0;
    qsizetype oddNuls = 0;
    for (qsizetype i = 0; i < pairs; ++i) {
        evenNuls += bytes[2 * i] == 0;
        oddNuls += bytes[2 * i + 1] == 0;
    }
    if (oddNuls * 2 >= pairs && evenNuls * 20 < pairs)
        return Encoding::Utf16LE;
    if (evenNuls * 2 >= pairs && oddNuls * 20 < pairs)
        return Encoding::Utf16BE;
    return std::nullopt;
}

/** The text of the file and how it was read. */
QString decodeFile(const QByteArray& bytes, Encoding& encoding)
{
    if (startsWith(bytes, "\xFF\xFE", 2)) {
        encoding = Encoding::Utf16LE;
        return decode(QStringConverter::Utf16LE, QByteArrayView(bytes).sliced(2));
    }
    if (startsWith(bytes, "\xFE\xFF", 2)) {
        encoding = Encoding::Utf16BE;
        return decode(QStringConverter::Utf16BE, QByteArrayView(bytes).sliced(2));
    }
    if (const std::optional<Encoding> unmarked = unmarkedUtf16(bytes)) {
        encoding = *unmarked;
        return decode(encoding == Encoding::Utf16LE ? QStringConverter::Utf16LE : QStringConverter::Utf16BE, bytes);
    }
    const qsizetype bom = startsWith(bytes, "\xEF\xBB\xBF", 3) ? 3 : 0;
    bool failed = false;
    const QString utf8 = decode(QStringConverter::Utf8, QByteArrayView(bytes).sliced(bom), &failed);
    if (!failed) {
        encoding = Encoding::Utf8;
        return utf8;
    }
    encoding = Encoding::Windows1252;
    return Ansi::toUnicode(bytes);
}

/** The file's lines; CR LF, LF and a lone CR each end one. */
QList<QStringView> splitLines(QStringView text)
{
    QList<QStringView> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\n' && text[i] != u'\r')
            continue;
        lines.append(text.sliced(start, i - start));
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.sliced(start));
    return lines;
}

bool isControl(char32_t c)
{
    return (c < 0x20 && c != Tab) || c == Delete;
}

} // namespace

WordFile ReadWordFile(const QByteArray& fileBytes, Unmappable unmappable)
{
    WordFile file;
    QString text = decodeFile(fileBytes, file.encoding);
    if (text.endsWith(QChar(char16_t(EndOfFileMark))))
        text.chop(1);
    const QList<QStringView> lines = splitLines(text);
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const int lineNumber = int(n) + 1;
        QList<uint> characters = lines[n].toUcs4();
        if (characters.size() > LineLimit)
            characters.resize(LineLimit);
        QByteArray bytes;
        bytes.reserve(characters.size());
        std::optional<LineProblem> problem;
        for (const uint c : characters) {
            if (isControl(c)) {
                problem = LineProblem{LineProblem::ControlCharacter, lineNumber, {}, true};
                break;
            }
            if (c == Tab) {
                bytes.append(' ');
                continue;
            }
            const std::optional<char> ansi = Ansi::encode(c);
            if (!ansi) {
                if (!problem) {
                    const bool drop = unmappable == Unmappable::Skip;
                    problem = LineProblem{LineProblem::NotInCodePage, lineNumber,
                                          QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1), drop};
                }
                if (problem->dropped)
                    break;
            }
            bytes.append(ansi.value_or('?'));
        }
        if (problem)
            file.problems.append(*problem);
        if (problem && problem->dropped)
            continue;
        bytes = Ansi::trimSpaces(bytes);
        if (bytes.isEmpty())
            continue;
        file.items.append(bytes);
        file.itemLines.append(lineNumber);
    }
    return file;
}

QString ProblemText(const LineProblem& problem)
{
    const QString line = QStringLiteral("line %1").arg(problem.line);
    if (problem.kind == LineProblem::ControlCharacter)
        return line + QStringLiteral(" holds a control character and was left out");
    const QString what = line + QStringLiteral(" holds \"%1\", a character that a word list cannot hold,").arg(problem.character);
    return problem.dropped ? what + QStringLiteral(" and was left out") : what + QStringLiteral(" which became \"?\"");
}

WordClue SplitPair(const QByteArray& item, char separator)
{
    const qsizetype at = item.indexOf(separator);
    if (at < 0)
        return {Ansi::trimSpaces(item), {}};
    return {Ansi::trimSpaces(item.left(at)), Ansi::trimSpaces(item.mid(at + 1))};
}

QByteArray FormatPair(const QByteArray& word, const QByteArray& clue, char separator)
{
    return word.leftJustified(PairWordWidth, ' ') + separator + ' ' + clue;
}

QByteArray FileBytes(const QList<QByteArray>& items)
{
    QByteArray bytes;
    for (const QByteArray& item : items)
        bytes += item + "\r\n";
    return bytes;
}

} // namespace WordListText
