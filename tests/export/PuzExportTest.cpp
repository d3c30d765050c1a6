// The Across Lite export checked against the published description of the .puz format: every
// checksum is computed here again from that description, not with the exporter's own code.
#include "render/PageRenderSupport.h"
#include "export/PuzExport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace RenderTest;

namespace {

// The running checksum of the format: rotate the 16-bit sum right by one, then add the byte.
quint16 cksumRegion(const QByteArray& data, quint16 sum)
{
    for (const char c : data) {
        const bool low = sum & 1;
        sum = quint16(sum >> 1);
        if (low)
            sum = quint16(sum | 0x8000);
        sum = quint16(sum + quint8(c));
    }
    return sum;
}

quint16 word(const QByteArray& b, int offset)
{
    return qFromLittleEndian<quint16>(b.constData() + offset);
}

// The file cut into its parts; the strings follow the two grids, each ended by a zero byte.
struct PuzFile {
    int width = 0;
    int height = 0;
    QByteArray solution;
    QByteArray blank;
    QByteArrayList strings;   // title, author, copyright, the clues, notes

    static PuzFile parse(const QByteArray& b)
    {
        PuzFile f;
        f.width = quint8(b[0x2C]);
        f.height = quint8(b[0x2D]);
        const int cells = f.width * f.height;
        f.solution = b.mid(0x34, cells);
        f.blank = b.mid(0x34 + cells, cells);
        f.strings = b.mid(0x34 + 2 * cells).split('\0');
        return f;
    }
};

void expectChecksumsHold(const QByteArray& b)
{
    const PuzFile f = PuzFile::parse(b);
    const int clueCount = word(b, 0x2E);
    ASSERT_EQ(f.strings.size(), 3 + clueCount + 1 + 1);   // the final terminator leaves one empty piece
    EXPECT_TRUE(f.strings.last().isEmpty());
    const QByteArray title = f.strings[0], author = f.strings[1], copyright = f.strings[2];
    const QByteArray notes = f.strings[3 + clueCount];

    const quint16 cib = cksumRegion(b.mid(0x2C, 8), 0);
    auto text = [&](quint16 sum) {
        for (const QByteArray& s : {title, author, copyright})
            if (!s.isEmpty())
                sum = cksumRegion(s + '\0', sum);
        for (int i = 0; i < clueCount; ++i)
            sum = cksumRegion(f.strings[3 + i], sum);
        if (!notes.isEmpty())
            sum = cksumRegion(notes + '\0', sum);
        return sum;
    };
    EXPECT_EQ(word(b, 0x0E), cib);
    EXPECT_EQ(word(b, 0x00), text(cksumRegion(f.blank, cksumRegion(f.solution, cib))));
    const quint16 parts[] = {cib, cksumRegion(f.solution, 0), cksumRegion(f.blank, 0), text(0)};
    const char* mask = "ICHEATED";
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(quint8(b[0x10 + i]), quint8(mask[i] ^ (parts[i] & 0xFF))) << "masked low " << i;
        EXPECT_EQ(quint8(b[0x14 + i]), quint8(mask[4 + i] ^ (parts[i] >> 8))) << "masked high " << i;
    }
}

QByteArray exported(const TPuzzleRecord& p, const TRenderOptions& options = {})
{
    QByteArray bytes;
    const QString refusal = PuzExport::fileBytes(p, options, bytes);
    EXPECT_TRUE(refusal.isEmpty()) << refusal.toStdString();
    return bytes;
}

} // namespace

TEST(PuzExport, HeaderGridsStringsAndChecksumsFollowTheFormat)
{
    TPuzzleRecord p = samplePuzzle();
    p.Grid[51] = 0;                          // row 2, column 2 is outside the shape: black like a block
    p.Clues[1].setText("Stan\xe9" "dards");  // Windows-1252 stays as it is
    const QByteArray b = exported(p);

    EXPECT_EQ(b.mid(0x02, 12), QByteArray("ACROSS&DOWN\0", 12));
    EXPECT_EQ(b.mid(0x18, 4), QByteArray("1.3\0", 4));
    EXPECT_EQ(b.mid(0x2C, 2), QByteArray("\x05\x05"));
    EXPECT_EQ(word(b, 0x2E), 5);
    EXPECT_EQ(word(b, 0x30), 1);   // a plain, unscrambled puzzle
    EXPECT_EQ(word(b, 0x32), 0);

    const PuzFile f = PuzFile::parse(b);
    EXPECT_EQ(f.solution, QByteArray("X-RAY" "E.A.E" "N.D.A" "O.A.R" "NORMS"));
    EXPECT_EQ(f.blank, QByteArray("-----" "-.-.-" "-.-.-" "-.-.-" "-----"));
    // By number, the across clue before the down clue at the same number; the category as notes.
    EXPECT_EQ(f.strings.mid(0, 9), (QByteArrayList{"Sample Puzzle", "", "", "Medical picture", "Noble gas",
                                                   "Speed trap device", "Long periods of time",
                                                   "Stan\xe9" "dards", "Tests"}));
    EXPECT_EQ(b.size(), 0x34 + 50 + 14 + 3 + 16 + 10 + 18 + 21 + 10 + 6);
    expectChecksumsHold(b);

    // Slots out of number order in the record still come out in the format's order.
    TPuzzleRecord swapped = p;
    std::swap(swapped.Words[2], swapped.Words[4]);
    std::swap(swapped.Clues[2], swapped.Clues[4]);
    std::swap(swapped.StartCell[2], swapped.StartCell[4]);
    std::swap(swapped.ClueNumber[2], swapped.ClueNumber[4]);
    EXPECT_EQ(exported(swapped), b);
}

TEST(PuzExport, SeparatorsStayInTheSolutionAndEnabledOnesAreGiven)
{
    TPuzzleRecord p = samplePuzzle();
    p.Grid[1] = '/';
    p.Words[0].setText("X/ray");
    p.Clues[0].setText("Medical\tpicture\r\n");   // one line in the file
    TRenderOptions options;
    options.SepSlash = true;
    const QByteArray b = exported(p, options);
    const PuzFile f = PuzFile::parse(b);
    EXPECT_EQ(f.solution.left(5), QByteArray("X/RAY"));
    EXPECT_EQ(f.blank.left(5), QByteArray("-/---"));
    EXPECT_EQ(f.strings[3], QByteArray("Medical picture  "));
    expectChecksumsHold(b);
    EXPECT_EQ(PuzFile::parse(exported(p)).blank.left(5), QByteArray("-----"));   // not enabled: to be typed

    // An empty title and category leave the strings out of the checksums.
    p.Title.clear();
    p.Category.clear();
    expectChecksumsHold(exported(p));
}

TEST(PuzExport, RefusesWhatTheFormatCannotHoldAndWritesNothing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.puz"));
    const struct {
        const char* name;
        void (*damage)(TPuzzleRecord&);
        const char* where;
    } cases[] = {
        {"black-square mark", [](TPuzzleRecord& p) { p.Grid[1] = '.'; }, "row 1, column 2"},
        {"unassigned Windows-1252 byte", [](TPuzzleRecord& p) { p.Grid[200] = 0x81; }, "row 5, column 1"},
        {"control character", [](TPuzzleRecord& p) { p.Grid[204] = 0x09; }, "row 5, column 5"},
        // A letter added in a block makes runs that no word is clued as.
        {"runs without a word", [](TPuzzleRecord& p) { p.Grid[53] = 'T'; }, "row 1, column 4"},
        {"numbered otherwise", [](TPuzzleRecord& p) { p.ClueNumber[1] = 7; }, "row 5, column 1"},
        {"same word twice", [](TPuzzleRecord& p) {
             setSlot(p, 6, "norms", "Again", 4, 201, true);
             std::rotate(p.Words.begin() + 2, p.Words.begin() + 5, p.Words.begin() + 6);
             std::rotate(p.Clues.begin() + 2, p.Clues.begin() + 5, p.Clues.begin() + 6);
             std::rotate(p.StartCell.begin() + 2, p.StartCell.begin() + 5, p.StartCell.begin() + 6);
             std::rotate(p.LetterCount.begin() + 2, p.LetterCount.begin() + 5, p.LetterCount.begin() + 6);
             std::rotate(p.ClueNumber.begin() + 2, p.ClueNumber.begin() + 5, p.ClueNumber.begin() + 6);
             std::rotate(p.Direction.begin() + 2, p.Direction.begin() + 5, p.Direction.begin() + 6);
             p.WordCount = 6;
             p.AcrossCount = 3;
         }, "NORMS (row 5, column 1) lies on the same squares as NORMS."},
        // A word inside another is named, not the run Across Lite would number.
        {"word inside another", [](TPuzzleRecord& p) { p = nestedPuzzle(); }, "ORMS (row 5, column 2) lies inside NORMS."},
    };
    for (const auto& c : cases) {
        TPuzzleRecord p = samplePuzzle();
        c.damage(p);
        const IoResult result = PuzExport::write(p, {}, path);
        EXPECT_EQ(result.status, IoResult::Refused) << c.name;
        EXPECT_TRUE(result.systemError.startsWith(QStringLiteral("The puzzle cannot be saved as an Across Lite file: ")))
            << c.name;
        EXPECT_TRUE(result.systemError.contains(QLatin1String(c.where))) << c.name << result.systemError.toStdString();
        EXPECT_FALSE(QFile::exists(path)) << c.name;
    }

    // A letter beyond ISO-8859-1 is named with its word; a dash shown from the start would read as an
    // empty square. Texts spell those characters plainly instead.
    TPuzzleRecord oe = samplePuzzle();
    oe.Grid[204] = 0x8C;
    EXPECT_EQ(PuzExport::write(oe, {}, path).systemError,
              QStringLiteral("The puzzle cannot be saved as an Across Lite file: the letter \u0152 in NORM\u0152 "
                             "(row 5, column 5) is not in its character set (ISO-8859-1)."));
    TRenderOptions dash;
    dash.SepDash = true;
    EXPECT_TRUE(PuzExport::write(samplePuzzle(), dash, path).systemError.contains(
        QLatin1String("the separator - in X-RAY (row 1, column 2) is shown from the start")));
    EXPECT_FALSE(QFile::exists(path));
    TPuzzleRecord quoted = samplePuzzle();
    quoted.Title.setText("\x8Cuvres \x85");
    quoted.Clues[0].setText("\x93Say \x80\x94 \x96 \x9a");
    const PuzFile f = PuzFile::parse(exported(quoted));
    EXPECT_EQ(f.strings[0], QByteArray("OEuvres ..."));
    EXPECT_EQ(f.strings[3], QByteArray("\"Say EUR\" - s"));

    // Accented letters are Windows-1252 bytes the format holds.
    TPuzzleRecord p = samplePuzzle();
    p.Grid[4] = 0xC9;
    ASSERT_TRUE(PuzExport::write(p, {}, path).isOk());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray b = file.readAll();
    EXPECT_EQ(PuzFile::parse(b).solution.left(5), QByteArray("X-RA\xc9"));
    expectChecksumsHold(b);
}
