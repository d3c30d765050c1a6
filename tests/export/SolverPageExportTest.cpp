// The web puzzle: a self-contained page whose data match the puzzle, solved with the keyboard in
// a headless browser when one is installed.
#include "render/PageRenderSupport.h"
#include "export/SolverPageExport.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

using namespace RenderTest;

namespace {

QJsonObject pageData(const QByteArray& page)
{
    const QByteArray open = "<script type=\"application/json\" id=\"puzzle-data\">";
    const qsizetype start = page.indexOf(open) + open.size();
    const qsizetype end = page.indexOf("</script>", start);
    return QJsonDocument::fromJson(page.mid(start, end - start)).object();
}

const char* const Chromium = "/usr/bin/chromium";

// The page's DOM after the browser played the keys, read with --dump-dom.
QByteArray playKeys(const QString& pagePath, const QStringList& keys)
{
    QJsonArray list;
    for (const QString& key : keys)
        list.append(key);
    QUrl url = QUrl::fromLocalFile(pagePath);
    url.setFragment(QStringLiteral("keys=") + QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Compact)));
    QProcess browser;
    browser.start(QString::fromLatin1(Chromium),
                  {QStringLiteral("--headless"), QStringLiteral("--no-sandbox"), QStringLiteral("--disable-gpu"),
                   QStringLiteral("--virtual-time-budget=3000"), QStringLiteral("--dump-dom"),
                   QString::fromLatin1(url.toEncoded())});
    browser.waitForFinished(60000);
    return browser.readAllStandardOutput();
}

// The parts of a dumped page that the script changes: the html tag and the body before the scripts.
struct Dom {
    QByteArray html;
    QByteArray body;

    explicit Dom(const QByteArray& dump)
    {
        const qsizetype tag = dump.indexOf("<html");
        html = dump.mid(tag, dump.indexOf('>', tag) - tag + 1);
        const qsizetype start = dump.indexOf("<body");
        body = dump.mid(start, dump.indexOf("<script", start) - start);
    }
    bool solved() const { return html.contains("data-solved=\"yes\""); }
    /** Elements whose class list holds cls. */
    qsizetype cellsWith(const char* cls) const
    {
        const QRegularExpression pattern(QStringLiteral("class=\"([^\"]*)\""));
        qsizetype count = 0;
        for (auto it = pattern.globalMatch(QString::fromUtf8(body)); it.hasNext();)
            count += it.next().captured(1).split(QLatin1Char(' ')).contains(QLatin1String(cls));
        return count;
    }
};

QStringList letters(const char* text)
{
    QStringList keys;
    for (const char* c = text; *c; ++c)
        keys.append(QString(QLatin1Char(*c)));
    return keys;
}

} // namespace

TEST(SolverPageExport, OneSelfContainedPageCarryingThePuzzle)
{
    TPuzzleRecord p = samplePuzzle();
    p.Title.setText("Cats & <Dogs>");
    p.Clues[1].setText("Ends </script> early? \xe9");
    p.Grid[51] = 0;
    TRenderOptions options;
    options.SepDash = true;
    options.AcrossHeading = "Horizontal";
    const QByteArray page = SolverPageExport::pageBytes(p, options);

    EXPECT_TRUE(page.startsWith("<!DOCTYPE html>"));
    EXPECT_TRUE(page.contains("<title>Cats &amp; &lt;Dogs&gt;</title>"));
    EXPECT_TRUE(page.contains("@media print"));
    for (const char* outside : {"http:", "https:", "src=", "<link", "@import"})
        EXPECT_FALSE(page.contains(outside)) << outside;
    EXPECT_EQ(page.count("</script>"), 2);   // the clue's text cannot end the data early

    const QJsonObject d = pageData(page);
    EXPECT_EQ(d[QStringLiteral("width")].toInt(), 5);
    EXPECT_EQ(d[QStringLiteral("title")].toString(), QStringLiteral("Cats & <Dogs>"));
    EXPECT_EQ(d[QStringLiteral("acrossHeading")].toString(), QStringLiteral("Horizontal"));
    const QJsonArray grid = d[QStringLiteral("grid")].toArray();
    ASSERT_EQ(grid.size(), 25);
    EXPECT_EQ(grid[1].toString(), QStringLiteral("-"));
    EXPECT_TRUE(grid[6].isNull());      // outside the shape
    EXPECT_EQ(grid[8].toInt(-1), 0);    // a block
    EXPECT_EQ(d[QStringLiteral("given")].toArray(), QJsonArray{1});
    EXPECT_EQ(d[QStringLiteral("numbers")].toArray()[20].toInt(), 4);
    const QJsonArray across = d[QStringLiteral("across")].toArray();
    ASSERT_EQ(across.size(), 2);
    EXPECT_EQ(across[1].toObject()[QStringLiteral("clue")].toString(), QStringLiteral("Ends </script> early? \u00e9"));
    EXPECT_EQ(across[1].toObject()[QStringLiteral("cells")].toArray(), (QJsonArray{20, 21, 22, 23, 24}));
    EXPECT_EQ(d[QStringLiteral("down")].toArray()[1].toObject()[QStringLiteral("cells")].toArray(),
              (QJsonArray{2, 7, 12, 17, 22}));
}

TEST(SolverPageExport, SolvedWithTheKeyboardInAHeadlessBrowser)
{
    if (!QFile::exists(QString::fromLatin1(Chromium)))
        GTEST_SKIP() << "chromium is not installed";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("puzzle.html"));
    ASSERT_TRUE(SolverPageExport::write(samplePuzzle(), {}, path).isOk());

    // 1 Across from its first square, Tab to 4 Across and on through the down words, which start at
    // their first empty square; small letters count as capitals.
    const QStringList tab{QStringLiteral("Tab")};
    const QStringList solve = letters("x-ray") + tab + letters("NORMS") + tab + letters("eno") + tab + letters("ADA")
        + tab + letters("EAR");
    const QByteArray dump = playKeys(path, solve);
    ASSERT_FALSE(dump.isEmpty()) << "the browser printed no page";
    const Dom solved(dump);
    EXPECT_TRUE(solved.solved()) << solved.body.constData();
    EXPECT_TRUE(solved.body.contains("Solved!"));
    EXPECT_EQ(solved.cellsWith("filled"), 5);   // every clue shows its word filled

    // One wrong letter: not solved, and checking the puzzle marks exactly that square.
    QStringList wrong = solve;
    wrong.last() = QStringLiteral("Q");
    const Dom checked(playKeys(path, wrong + QStringList{QStringLiteral("#check-puzzle")}));
    EXPECT_FALSE(checked.solved());
    EXPECT_EQ(checked.cellsWith("wrong"), 1);
    EXPECT_TRUE(checked.body.contains("1 wrong letter."));

    // An arrow across the current word turns to the down word; Reveal Word fills XENON. Backspace
    // then clears the letter typed last before it.
    const Dom revealed(playKeys(path, {QStringLiteral("ArrowDown"), QStringLiteral("#reveal-word")}));
    EXPECT_FALSE(revealed.solved());
    EXPECT_EQ(revealed.cellsWith("revealed"), 5);
    EXPECT_TRUE(revealed.body.contains("1 Down: Noble gas"));
    const Dom erased(playKeys(path, letters("XQ") + QStringList{QStringLiteral("Backspace"), QStringLiteral("#check-word")}));
    EXPECT_EQ(erased.cellsWith("wrong"), 0);
}
