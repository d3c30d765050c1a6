#include "store/IniFile.h"

#include "store/Ansi.h"
#include "store/RecordFile.h"
#include "store/TextInput.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArrayView trimBlanks(QByteArrayView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

QByteArray fold(QByteArrayView name)
{
    QByteArray folded;
    folded.reserve(name.size());
    for (char c : trimBlanks(name))
        folded.append(char(Ansi::UpCaseLatin1(std::uint8_t(c))));
    return folded;
}

QByteArray withoutLineBreaks(QByteArrayView text)
{
    QByteArray out = text.toByteArray();
    out.replace('\r', ' ');
    out.replace('\n', ' ');
    return out;
}

// A value that is itself enclosed in quotes gets one more pair, which reading drops again.
QByteArray storedValue(QByteArrayView text)
{
    QByteArray out = withoutLineBreaks(text);
    const QByteArrayView trimmed = trimBlanks(out);
    if (trimmed.size() >= 2 && (trimmed.front() == '"' || trimmed.front() == '\'') && trimmed.back() == trimmed.front())
        out = '"' + out + '"';
    return out;
}

// The value part of a key line: everything after the first "=", trimmed, without one pair of
// enclosing double or single quotes (as the platform's profile reading drops them).
QByteArrayView lineValue(const QByteArray& line)
{
    const qsizetype equals = line.indexOf('=');
    QByteArrayView value = equals < 0 ? QByteArrayView() : trimBlanks(QByteArrayView(line).sliced(equals + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.sliced(1, value.size() - 2);
    return value;
}

} // namespace

IniFile::Line IniFile::parseLine(QByteArray text)
{
    Line line;
    const QByteArrayView content = trimBlanks(text);
    if (content.startsWith('[')) {
        qsizetype close = content.lastIndexOf(']');
        if (close < 1)
            close = content.size();
        line.Kind = LineKind::Section;
        line.FoldedName = fold(content.sliced(1, close - 1));
    } else if (!content.startsWith(';')) {
        const qsizetype equals = content.indexOf('=');
        if (equals > 0) {
            line.FoldedName = fold(content.first(equals));
            if (!line.FoldedName.isEmpty())
                line.Kind = LineKind::Key;
        }
    }
    line.Text = std::move(text);
    return line;
}

IniFile IniFile::fromBytes(const QByteArray& bytes)
{
    IniFile ini;
    const qsizetype firstBreak = bytes.indexOf('\n');
    ini.m_crlf = firstBreak > 0 && bytes[firstBreak - 1] == '\r';
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        const qsizetype next = end < 0 ? bytes.size() : end + 1;
        if (end < 0)
            end = bytes.size();
        if (end > start && bytes[end - 1] == '\r')
            --end;
        ini.m_lines.push_back(parseLine(bytes.mid(start, end - start)));
        start = next;
    }
    return ini;
}

QByteArray IniFile::toBytes() const
{
    const QByteArray lineEnd = m_crlf ? QByteArray("\r\n") : QByteArray("\n");
    QByteArray out;
    for (const Line& line : m_lines)
        out += line.Text + lineEnd;
    return out;
}

IoResult IniFile::load(const QString& path)
{
    // Only a regular file of a settings file's size is read: a FIFO, a device or a runaway file is refused.
    QByteArray bytes;
    const IoResult read = TextInput::Read(path, bytes, nullptr, TextInput::MaxSettingsBytes, "a settings file");
    *this = read ? fromBytes(bytes) : IniFile();
    return read ? read : IoResult::failed(IoResult::OpenFailed, read.systemError);
}

IoResult IniFile::save(const QString& path) const
{
    return RecordFile::replaceWhole(path, toBytes());
}

qsizetype IniFile::findSection(const QByteArray& foldedSection) const
{
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].Kind == LineKind::Section && m_lines[i].FoldedName == foldedSection)
            return qsizetype(i);
    }
    return -1;
}

qsizetype IniFile::sectionEnd(qsizetype header) const
{
    qsizetype i = header + 1;
    while (i < qsizetype(m_lines.size()) && m_lines[std::size_t(i)].Kind != LineKind::Section)
        ++i;
    return i;
}

qsizetype IniFile::findKey(qsizetype header, const QByteArray& foldedKey) const
{
    const qsizetype end = sectionEnd(header);
    for (qsizetype i = header + 1; i < end; ++i) {
        const Line& line = m_lines[std::size_t(i)];
        if (line.Kind == LineKind::Key && line.FoldedName == foldedKey)
            return i;
    }
    return -1;
}

bool IniFile::contains(QByteArrayView section, QByteArrayView key) const
{
    const qsizetype header = findSection(fold(section));
    return header >= 0 && findKey(header, fold(key)) >= 0;
}

QByteArray IniFile::value(QByteArrayView section, QByteArrayView key, QByteArrayView defaultValue,
                          int readLimit) const
{
    QByteArrayView found;
    bool present = false;
    const qsizetype header = findSection(fold(section));
    if (header >= 0) {
        const qsizetype keyLine = findKey(header, fold(key));
        if (keyLine >= 0) {
            found = lineValue(m_lines[std::size_t(keyLine)].Text);
            present = true;
        }
    }
    if (!present) {
        found = defaultValue;
        while (!found.isEmpty() && isBlank(found.back()))
            found.chop(1);
    }
    if (readLimit != NoLimit)
        found = found.first(std::clamp<qsizetype>(readLimit - 1, 0, found.size()));
    return found.toByteArray();
}

void IniFile::setValue(QByteArrayView section, QByteArrayView key, QByteArrayView value)
{
    const QByteArray cleanSection = withoutLineBreaks(trimBlanks(section));
    const QByteArray cleanKey = withoutLineBreaks(trimBlanks(key));
    const QByteArray cleanValue = storedValue(value);

    const qsizetype header = findSection(fold(cleanSection));
    if (header < 0) {
        if (!m_lines.empty() && !trimBlanks(m_lines.back().Text).isEmpty())
            m_lines.push_back(parseLine(QByteArray()));
        m_lines.push_back(parseLine('[' + cleanSection + ']'));
        m_lines.push_back(parseLine(cleanKey + '=' + cleanValue));
        return;
    }
    const qsizetype keyLine = findKey(header, fold(cleanKey));
    if (keyLine >= 0) {
        // Keep the name as the file spells it; only the value changes.
        Line& line = m_lines[std::size_t(keyLine)];
        const QByteArrayView name = trimBlanks(QByteArrayView(line.Text).first(line.Text.indexOf('=')));
        line = parseLine(name.toByteArray() + '=' + cleanValue);
        return;
    }
    // A new key goes after the section's last non-blank line, before any blank separator lines.
    qsizetype insertAt = sectionEnd(header);
    while (insertAt > header + 1 && trimBlanks(m_lines[std::size_t(insertAt - 1)].Text).isEmpty())
        --insertAt;
    m_lines.insert(m_lines.begin() + insertAt, parseLine(cleanKey + '=' + cleanValue));
}

QByteArray IniFile::readKey(const QString& path, QByteArrayView section, QByteArrayView key,
                            QByteArrayView defaultValue, int readLimit)
{
    IniFile ini;
    ini.load(path);
    return ini.value(section, key, defaultValue, readLimit);
}

IoResult IniFile::writeKey(const QString& path, QByteArrayView section, QByteArrayView key,
                           QByteArrayView value)
{
    // An existing file that cannot be read is left alone rather than replaced by one key.
    IniFile ini;
    const IoResult loaded = ini.load(path);
    if (!loaded && QFile::exists(path))
        return loaded;
    ini.setValue(section, key, value);
    return ini.save(path);
}
