#pragma once
// Settings files in the Windows INI format: "[Section]" lines, "Key=Value" lines, bytes in
// Windows-1252, read and written with the Windows profile rules.

#include "store/IoResult.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <vector>

/**
 * An INI file held in memory as its lines, so that many keys are read or written with one load
 * and one save. Section and key names match without regard to case (Latin-1 letters included);
 * the first matching section and the first matching key in it count. Reading trims spaces and tabs
 * around names and values and drops one pair of double or single quotes enclosing a value. Writing a key replaces its line in place, or adds it after the last
 * line of its section, or adds the section at the end; every other line stays as it was, comments
 * and unknown keys included. The line ending of a loaded file is kept (new files get "\n").
 */
class IniFile {
public:
    /** Read limit meaning "the whole value". */
    static constexpr int NoLimit = -1;

    /** Parses the bytes of an INI file. */
    static IniFile fromBytes(const QByteArray& bytes);
    /** The document as file bytes, every line ended. */
    QByteArray toBytes() const;

    /** Loads a file; a missing or unreadable file gives an empty document and OpenFailed. */
    IoResult load(const QString& path);
    /** Writes the document beside the file and renames it into place, so the old file survives an interruption. */
    IoResult save(const QString& path) const;

    /** True when the section holds the key. */
    bool contains(QByteArrayView section, QByteArrayView key) const;

    /**
     * The key's value, trimmed; the default (trailing blanks dropped) when the section or key is
     * missing. readLimit is a buffer size that includes the terminating zero, so the result holds
     * at most readLimit - 1 bytes; NoLimit returns the whole value.
     */
    QByteArray value(QByteArrayView section, QByteArrayView key, QByteArrayView defaultValue,
                     int readLimit) const;

    /**
     * Sets a key, creating its section when needed. Line breaks in the value would split the line,
     * so each becomes a space. A value enclosed in quotes is written in one more pair of double
     * quotes, so that it reads back as it was.
     */
    void setValue(QByteArrayView section, QByteArrayView key, QByteArrayView value);

    /** Reads one key of a file (load and value in one call). */
    static QByteArray readKey(const QString& path, QByteArrayView section, QByteArrayView key,
                              QByteArrayView defaultValue, int readLimit);
    /**
     * Writes one key of a file, creating the file and section when needed (load, setValue, save).
     * An existing file that cannot be read is not touched (OpenFailed).
     */
    static IoResult writeKey(const QString& path, QByteArrayView section, QByteArrayView key,
                             QByteArrayView value);

private:
    enum class LineKind { Other, Section, Key };
    struct Line {
        QByteArray Text;
        LineKind Kind = LineKind::Other;
        /** Section or key name, upper-cased for comparison. */
        QByteArray FoldedName;
    };

    static Line parseLine(QByteArray text);
    /** Index of the first section line named so, or -1. */
    qsizetype findSection(const QByteArray& foldedSection) const;
    /** Index just past the section's last line (the next section line or the end). */
    qsizetype sectionEnd(qsizetype header) const;
    /** Index of the first key line named so between header and end, or -1. */
    qsizetype findKey(qsizetype header, const QByteArray& foldedKey) const;

    std::vector<Line> m_lines;
    bool m_crlf = false;
};
