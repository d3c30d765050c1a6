// The iPUZ export read back as JSON and checked field by field against the iPUZ crossword description.
#include "export/IpuzExport.h"
#include "render/PageRenderSupport.h"
#include "export/PuzExport.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace RenderTest;

namespace {

QJsonObject parsed(const QByteArray& bytes)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return document.object();
}

QJsonArray row(std::initializer_list<QJsonValue> values)
{
    return QJsonArray(values);
}

QJsonValue text(const char* latin1)
{
    return QString::fromLatin1(latin1);
}

} // namespace

TEST(IpuzExport, GridSolutionCluesAndMetadata)
{
    TPuzzleRecord p = samplePuzzle();
    p.Grid[51] = 0;   // row 2, column 2 outside the shape
    p.Clues[2].setText("Noble gas \xe9t\xe9 \"quoted\"");
    const QJsonObject d = parsed(IpuzExport::documentBytes(p, {}));

    EXPECT_EQ(d[QStringLiteral("version")].toString(), QStringLiteral("http://ipuz.org/v2"));
    EXPECT_EQ(d[QStringLiteral("kind")].toArray(), QJsonArray{QStringLiteral("http://ipuz.org/crossword#1")});
    EXPECT_EQ(d[QStringLiteral("title")].toString(), QStringLiteral("Sample Puzzle"));
    EXPECT_EQ(d[QStringLiteral("notes")].toString(), QStringLiteral("Tests"));
    EXPECT_EQ(d[QStringLiteral("dimensions")].toObject(),
              (QJsonObject{{QStringLiteral("width"), 5}, {QStringLiteral("height"), 5}}));
    EXPECT_EQ(d[QStringLiteral("block")].toString(), QStringLiteral("#"));
    EXPECT_EQ(d[QStringLiteral("empty")].toInt(-1), 0);

    const QJsonValue null = QJsonValue::Null;
    const QString b = QStringLiteral("#");
    const QJsonArray puzzle = d[QStringLiteral("puzzle")].toArray();
    ASSERT_EQ(puzzle.size(), 5);
    EXPECT_EQ(puzzle[0].toArray(), row({1, 0, 2, 0, 3}));
    EXPECT_EQ(puzzle[1].toArray(), row({0, null, 0, b, 0}));
    EXPECT_EQ(puzzle[4].toArray(), row({4, 0, 0, 0, 0}));
    const QJsonArray solution = d[QStringLiteral("solution")].toArray();
    ASSERT_EQ(solution.size(), 5);
    EXPECT_EQ(solution[0].toArray(), row({text("X"), text("-"), text("R"), text("A"), text("Y")}));   // the separator is kept
    EXPECT_EQ(solution[1].toArray(), row({text("E"), null, text("A"), b, text("E")}));

    const QJsonObject clues = d[QStringLiteral("clues")].toObject();
    EXPECT_EQ(clues[QStringLiteral("Across")].toArray(),
              (QJsonArray{row({1, text("Medical picture")}), row({4, text("Standards")})}));
    EXPECT_EQ(clues[QStringLiteral("Down")].toArray(),
              (QJsonArray{row({1, QStringLiteral("Noble gas \u00e9t\u00e9 \"quoted\"")}), row({2, text("Speed trap device")}),
                          row({3, text("Long periods of time")})}));
}

TEST(IpuzExport, GivenSeparatorsAndABlockMarkTheGridDoesNotUse)
{
    TPuzzleRecord p = samplePuzzle();
    p.Grid[1] = '#';
    p.Category.clear();
    TRenderOptions options;
    options.SepOther = true;
    options.SepChar = '#';
    const QJsonObject d = parsed(IpuzExport::documentBytes(p, options));
    EXPECT_FALSE(d.contains(QStringLiteral("notes")));
    // "#" is a letter of this grid, so blocks take another mark and the separator is the cell's given value.
    const QString block = d[QStringLiteral("block")].toString();
    EXPECT_EQ(block, QStringLiteral("@"));
    const QJsonArray first = d[QStringLiteral("puzzle")].toArray()[0].toArray();
    EXPECT_EQ(first[1].toObject(), (QJsonObject{{QStringLiteral("cell"), 0}, {QStringLiteral("value"), QStringLiteral("#")}}));
    EXPECT_EQ(d[QStringLiteral("solution")].toArray()[0].toArray()[1].toString(), QStringLiteral("#"));
    EXPECT_EQ(d[QStringLiteral("solution")].toArray()[1].toArray()[1].toString(), block);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.ipuz"));
    ASSERT_TRUE(IpuzExport::write(p, options, {}, path).isOk());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), IpuzExport::documentBytes(p, options));
    EXPECT_FALSE(IpuzExport::write(p, options, {}, dir.filePath(QStringLiteral("no/such.ipuz"))).isOk());
}

TEST(IpuzExport, DamagedCountsAndCellNumbersStayInsideTheGrid)
{
    TPuzzleRecord p = samplePuzzle();
    p.GridWidth = 900;
    p.GridHeight = -3;
    p.StartCell[0] = 3000;
    p.LetterCount[1] = 999;
    p.ClueNumber[2] = -7;
    p.AcrossCount = 500;
    const QJsonObject d = parsed(IpuzExport::documentBytes(p, {}));
    EXPECT_EQ(d[QStringLiteral("dimensions")].toObject(),
              (QJsonObject{{QStringLiteral("width"), 50}, {QStringLiteral("height"), 1}}));
    const QJsonArray first = d[QStringLiteral("puzzle")].toArray()[0].toArray();
    ASSERT_EQ(first.size(), 50);
    EXPECT_EQ(first[2].toInt(), 2);    // RADAR still starts in column 3
    EXPECT_EQ(first[0].toInt(), 0);    // word 1 starts outside every grid: no number; XENON's -7 is not printed
    // All five printed slots are across now, as the page would print them.
    EXPECT_EQ(d[QStringLiteral("clues")].toObject()[QStringLiteral("Across")].toArray().size(), 5);

    QByteArray bytes;
    EXPECT_FALSE(PuzExport::fileBytes(p, {}, bytes).isEmpty());   // the runs no longer match the words
}

TEST(IpuzExport, HtmlTextsWithoutControlCharactersAndWordLengthsWhenAsked)
{
    TPuzzleRecord p = samplePuzzle();
    p.Title.setText("Salt & <b>Pepper</b>\x07");
    p.Category.setText("R&D\r\n");
    p.Clues[1].setText("Fish\t& chips > peas");
    p.Words[1].setText("ice cream");
    const QJsonObject plain = parsed(IpuzExport::documentBytes(p, {}));
    EXPECT_EQ(plain[QStringLiteral("title")].toString(), QStringLiteral("Salt &amp; &lt;b&gt;Pepper&lt;/b&gt; "));
    EXPECT_EQ(plain[QStringLiteral("notes")].toString(), QStringLiteral("R&amp;D  "));
    const QJsonArray across = plain[QStringLiteral("clues")].toObject()[QStringLiteral("Across")].toArray();
    EXPECT_EQ(across[1].toArray(), row({4, text("Fish &amp; chips &gt; peas")}));

    // Asked for, a word typed in parts carries its lengths; a word of one part stays [number, clue].
    const QJsonObject lengths = parsed(IpuzExport::documentBytes(p, {}, {true, true}));
    const QJsonArray withLengths = lengths[QStringLiteral("clues")].toObject()[QStringLiteral("Across")].toArray();
    EXPECT_EQ(withLengths[1].toObject(), (QJsonObject{{QStringLiteral("number"), 4},
                                                      {QStringLiteral("clue"), text("Fish &amp; chips &gt; peas")},
                                                      {QStringLiteral("enumeration"), text("3,5")}}));
    EXPECT_EQ(withLengths[0].toObject()[QStringLiteral("enumeration")].toString(), QStringLiteral("1-3"));
    EXPECT_TRUE(lengths[QStringLiteral("clues")].toObject()[QStringLiteral("Down")].toArray()[0].isArray());

    // Separators shown in the grid are given squares: they split the word and are not counted.
    TRenderOptions slash;
    slash.SepSlash = true;
    const struct {
        const char* typed;
        bool slashShown;
        const char* lengths;
    } words[] = {{"ICE CREAM", false, "3,5"}, {"JACK-IN-THE-BOX", false, "4-2-3-3"},
                 {" ICE  COLD - WATER ", false, "3,4-5"}, {"PLAIN", false, ""}, {"-DASHED-", false, ""}, {"", false, ""},
                 {"HIT/MISS AFFAIR", true, "3/4,6"}, {"HIT/MISS AFFAIR", false, "8,6"}, {"A / B", true, "1/1"}};
    for (const auto& w : words)
        EXPECT_EQ(TSolvingPuzzle::enumerationOf(w.typed, w.slashShown ? slash : TRenderOptions{}), QByteArray(w.lengths))
            << w.typed;
}

TEST(IpuzExport, AWordInsideAnotherGivesEveryClueItsSquaresAndAWarning)
{
    // Squares are [column, row] from [1, 1]: ORMS lies in row 5 from column 2, inside NORMS. A puzzle
    // without such a word keeps the [number, clue] form (above).
    for (const bool lengths : {false, true}) {
        const QJsonObject clues = parsed(IpuzExport::documentBytes(nestedPuzzle(), {}, {lengths, true}))[QStringLiteral("clues")].toObject();
        const QJsonArray across = clues[QStringLiteral("Across")].toArray();
        EXPECT_EQ(across[2].toObject(), (QJsonObject{{QStringLiteral("number"), 5}, {QStringLiteral("clue"), text("Inner word")},
                                                     {QStringLiteral("cells"), QJsonArray{row({2, 5}), row({3, 5}), row({4, 5}), row({5, 5})}}}));
        EXPECT_EQ(clues[QStringLiteral("Down")].toArray()[0].toObject()[QStringLiteral("cells")].toArray(),
                  (QJsonArray{row({1, 1}), row({1, 2}), row({1, 3}), row({1, 4}), row({1, 5})}));
        EXPECT_EQ(across[0].toObject().contains(QStringLiteral("enumeration")), lengths);
    }
    EXPECT_EQ(IpuzExport::nestedWarning(nestedPuzzle(), {}),
              QStringLiteral("ORMS (row 5, column 2) lies inside NORMS.  The iPUZ file gives each clue its squares, but readers "
                             "that number the grid by its runs of letters will put the clue of the inner word on the wrong word."));
    EXPECT_TRUE(IpuzExport::nestedWarning(samplePuzzle(), {}).isEmpty());
}
