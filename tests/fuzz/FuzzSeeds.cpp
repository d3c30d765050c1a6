// Writes the small seed corpora of the fuzz harnesses from the built data files and word lists:
//   fuzz_seeds OUTPUT_FOLDER BUILD_FOLDER WORDS_FOLDER
#include "export/IpuzExport.h"
#include "export/PuzExport.h"
#include "pages/PageLayout.h"
#include "store/IniFile.h"
#include "store/OldPuzzleBytes.h"
#include "store/PuzzleRecord.h"
#include "store/Settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

constexpr qint64 PuzzleSize = 69623;
constexpr qint64 ShapeSize = 2555;
constexpr qint64 LayoutSize = 28868;

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool put(const QDir& out, const char* corpus, const QString& name, const QByteArray& bytes)
{
    if (!out.mkpath(QLatin1String(corpus)))
        return false;
    QFile f(out.filePath(QLatin1String(corpus) + QLatin1Char('/') + name));
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: fuzz_seeds OUTPUT_FOLDER BUILD_FOLDER WORDS_FOLDER\n");
        return 1;
    }
    const QDir out(QFile::decodeName(argv[1]));
    const QDir build(QFile::decodeName(argv[2]));
    const QDir words(QFile::decodeName(argv[3]));
    const QByteArray sample = bytesOf(build.filePath(QStringLiteral("SAMPLE.QV3")));
    const QByteArray shapes = bytesOf(build.filePath(QStringLiteral("QVFLAY.DAT")));
    const QByteArray pages = bytesOf(build.filePath(QStringLiteral("QVFPAGE.DAT")));
    const QByteArray animals = bytesOf(words.filePath(QStringLiteral("animals.txt")));
    if (sample.size() < 2 * PuzzleSize || shapes.size() < 3 * ShapeSize || pages.size() < 2 * LayoutSize
        || animals.isEmpty()) {
        std::fprintf(stderr, "fuzz_seeds: the built data files are missing\n");
        return 1;
    }
    bool ok = true;
    ok &= put(out, "collection", QStringLiteral("one-record"), sample.left(PuzzleSize));
    ok &= put(out, "collection", QStringLiteral("two-records-and-a-tail"), sample.left(2 * PuzzleSize + 100));
    ok &= put(out, "collection", QStringLiteral("short"), sample.left(100));
    ok &= put(out, "shapes", QStringLiteral("library"), shapes.left(3 * ShapeSize));
    ok &= put(out, "shapes", QStringLiteral("export"), "LAY1.0" + shapes.mid(ShapeSize, ShapeSize));
    ok &= put(out, "pages", QStringLiteral("page-file"), pages.left(2 * LayoutSize));
    ok &= put(out, "pages", QStringLiteral("export"), "PAG1.0" + pages.mid(LayoutSize, LayoutSize));
    for (qint64 n = 0; n < sample.size() / PuzzleSize && n < 3; ++n)
        ok &= put(out, "puzzle-page", QStringLiteral("record-%1").arg(n), sample.mid(n * PuzzleSize, PuzzleSize));

    // The exports get the sample puzzles and one whose texts carry markup and control characters.
    TPuzzleRecord hostile = TPuzzleRecord::fromBytes(sample.left(PuzzleSize));
    hostile.Title.setText("Salt & Pepper </title><script>\x01");
    hostile.Category.setText(QByteArray("Tab\there\r\nNUL\0.", 16));
    hostile.Clues[0].setText("<b>bold</b> & \x1b[31m \x7f \x81 ]]> \"quoted\"");
    hostile.BonusQuestion.setText("</svg><script>alert(1)</script>");
    // ... and one with control characters in its squares and in the font names of its layout.
    TPuzzleRecord cells = TPuzzleRecord::fromBytes(sample.left(PuzzleSize));
    TPageLayout layout = TPageLayout::fromBytes(reinterpret_cast<const char*>(cells.PageLayout.data()), cells.PageLayout.size());
    for (TPageObject& object : layout.Objects) {
        object.TextFontName.setText(QByteArray("Ar\0ial\x01\"<", 9));
        object.NumberFontName.setText(QByteArray("\x1b\0", 2));
    }
    const QByteArray layoutBytes = layout.toBytes();
    std::copy(layoutBytes.begin(), layoutBytes.end(), cells.PageLayout.begin());
    for (std::size_t i = 0; i < cells.Grid.size(); i += 7)
        cells.Grid[i] = cells.Grid[i] > ' ' ? std::uint8_t(1 + i % 31) : cells.Grid[i];
    for (const char* corpus : {"ipuz", "puz", "web-page", "svg"}) {
        for (qint64 n = 0; n < sample.size() / PuzzleSize && n < 2; ++n)
            ok &= put(out, corpus, QStringLiteral("record-%1").arg(n), sample.mid(n * PuzzleSize, PuzzleSize));
        ok &= put(out, corpus, QStringLiteral("hostile-texts"), hostile.toBytes());
        ok &= put(out, corpus, QStringLiteral("control-cells-and-fonts"), cells.toBytes());
    }

    // Puzzles of other programs: the sample puzzles as iPUZ and Across Lite files, and one iPUZ
    // wrapped as ipuz(...) with its cells as objects.
    for (qint64 n = 0; n < sample.size() / PuzzleSize && n < 2; ++n) {
        const TPuzzleRecord record = TPuzzleRecord::fromBytes(sample.mid(n * PuzzleSize, PuzzleSize));
        QByteArray puz;
        if (PuzExport::fileBytes(record, {}, puz).isEmpty())
            ok &= put(out, "puz-import", QStringLiteral("record-%1").arg(n), puz);
        ok &= put(out, "ipuz-import", QStringLiteral("record-%1").arg(n), IpuzExport::documentBytes(record, {}));
    }
    ok &= put(out, "ipuz-import", QStringLiteral("wrapped-objects"),
              "ipuz({\"version\":\"http://ipuz.org/v2\",\"kind\":[\"http://ipuz.org/crossword#1\"],"
              "\"dimensions\":{\"width\":3,\"height\":2},\"puzzle\":[[{\"cell\":1},2,\"#\"],[3,0,null]],"
              "\"solution\":[[{\"value\":\"A\"},\"B\",\"#\"],[\"C\",\"D\",null]],\"clues\":{\"Across\":[[1,\"ab\"],"
              "{\"number\":3,\"clue\":\"<i>cd</i>\",\"cells\":[[1,2],[2,2]]}],\"Down\":[[\"1\",\"ac\"],[2,\"bd\"]]}})");

    // 16-bit puzzle files: a whole one, one with every word slot filled, and one cut short.
    ok &= put(out, "old-puzzle", QStringLiteral("animals"), OldBytes::qvz(OldBytes::record("Animals", 11, 12, 12, 6, 6)));
    ok &= put(out, "old-puzzle", QStringLiteral("full"), OldBytes::qvz(OldBytes::record("Full", 15, 200, 200, 100, 100)));
    ok &= put(out, "old-puzzle", QStringLiteral("cut"), OldBytes::qvz(OldBytes::record("Cut", 11, 12, 12)).left(20000));

    // A settings file as the program writes it, and one by hand with quotes, odd numbers and case.
    QTemporaryDir start;
    ok &= bool(SaveSettings(DefaultSettings(start.path()), start.path()));
    ok &= put(out, "settings", QStringLiteral("saved"), bytesOf(QDir(start.path()).filePath(QStringLiteral("QORVX3.INI"))));
    ok &= put(out, "settings", QStringLiteral("by-hand"),
              "[misc]\r\nWINDOW size = $320\r\nLast Group=\"/tmp/a b.QV3\"\r\n; note\r\n[Reports]\r\n"
              "Across Label='Across'\r\nBox Color=-12abc\r\nWord Sep Char=\r\n[Create Options]\r\nAttempts=999999999999\r\n");

    const QStringList wordFiles = words.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
    for (const QString& name : wordFiles)
        ok &= put(out, "words", name, ':' + bytesOf(words.filePath(name)));
    ok &= put(out, "words", QStringLiteral("utf16"), QByteArray("\xFF\xFE" "C\0A\0T\0:\0P\0e\0t\0\n\0", 18));

    // Options, seed, the 15 x 15 square and the animals.
    ok &= put(out, "build", QStringLiteral("square-animals"),
              QByteArray("\x10\x2A\0\0\0", 5) + shapes.mid(2 * ShapeSize, ShapeSize) + animals);
    ok &= put(out, "build", QStringLiteral("shrink-quick"),
              QByteArray("\x23\x07\0\0\0", 5) + shapes.mid(0, ShapeSize) + animals.left(200));
    if (!ok) {
        std::fprintf(stderr, "fuzz_seeds: cannot write the corpora in %s\n", argv[1]);
        return 1;
    }
    return 0;
}
