// The web puzzle: a self-contained page whose data match the puzzle. The page is played in a
// headless browser by tests/web (solver-page.test.js).
#include "export/SolverPageExport.h"
#include "render/PageRenderSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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

} // namespace

TEST(SolverPageExport, OneSelfContainedPageCarryingThePuzzle)
{
    TPuzzleRecord p = samplePuzzle();
    p.Title.setText("Cats & <Dogs>");
    p.Clues[1].setText("Ends </script> early?\x1b\xe9");
    p.Words[1].setText("NOR MS");
    p.Grid[51] = 0;
    TRenderOptions options;
    options.SepDash = true;
    options.AcrossHeading = "Horizontal";
    const QByteArray page = SolverPageExport::pageBytes(p, options, {true, false});

    EXPECT_TRUE(page.startsWith("<!DOCTYPE html>"));
    EXPECT_TRUE(page.contains("<title>Cats &amp; &lt;Dogs&gt;</title>"));
    // The style, the body and the script are all there, and nothing is fetched from elsewhere.
    for (const char* part : {"@media print", "prefers-color-scheme: dark", "id=\"entry\"", "beforeinput", "localStorage"})
        EXPECT_TRUE(page.contains(part)) << part;
    for (const char* outside : {"http:", "https:", "src=", "<link", "@import", "location.hash"})
        EXPECT_FALSE(page.contains(outside)) << outside;
    EXPECT_EQ(page.count("</script>"), 2);   // the clue's text cannot end the data early
    // The page speaks the spelling language; none chosen (0 or 9) gives American English.
    EXPECT_TRUE(page.contains("<html lang=\"en-US\""));
    EXPECT_TRUE(SolverPageExport::pageBytes(p, options, {false, true, 5}).contains("<html lang=\"fr\""));
    EXPECT_TRUE(SolverPageExport::pageBytes(p, options, {false, true, 9}).contains("<html lang=\"en-US\""));

    const QJsonObject d = pageData(page);
    EXPECT_EQ(d[QStringLiteral("width")].toInt(), 5);
    EXPECT_EQ(d[QStringLiteral("title")].toString(), QStringLiteral("Cats & <Dogs>"));
    EXPECT_EQ(d[QStringLiteral("acrossHeading")].toString(), QStringLiteral("Horizontal"));
    EXPECT_EQ(d[QStringLiteral("timer")].toBool(true), false);
    const QJsonArray grid = d[QStringLiteral("grid")].toArray();
    ASSERT_EQ(grid.size(), 25);
    EXPECT_EQ(grid[1].toString(), QStringLiteral("-"));
    EXPECT_TRUE(grid[6].isNull());      // outside the shape
    EXPECT_EQ(grid[8].toInt(-1), 0);    // a block
    EXPECT_EQ(d[QStringLiteral("given")].toArray(), QJsonArray{1});
    EXPECT_EQ(d[QStringLiteral("numbers")].toArray()[20].toInt(), 4);
    const QJsonArray across = d[QStringLiteral("across")].toArray();
    ASSERT_EQ(across.size(), 2);
    const QJsonObject norms = across[1].toObject();
    EXPECT_EQ(norms[QStringLiteral("clue")].toString(), QStringLiteral("Ends </script> early? \u00e9"));
    EXPECT_EQ(norms[QStringLiteral("enumeration")].toString(), QStringLiteral("3,2"));
    EXPECT_EQ(across[0].toObject()[QStringLiteral("enumeration")].toString(), QStringLiteral("1-3"));   // X-ray
    EXPECT_FALSE(d[QStringLiteral("down")].toArray()[0].toObject().contains(QStringLiteral("enumeration")));
    EXPECT_EQ(norms[QStringLiteral("cells")].toArray(), (QJsonArray{20, 21, 22, 23, 24}));
    EXPECT_EQ(d[QStringLiteral("down")].toArray()[1].toObject()[QStringLiteral("cells")].toArray(),
              (QJsonArray{2, 7, 12, 17, 22}));
    // A word inside another carries its own squares, so its clue can be chosen from the list.
    const QJsonObject inner = pageData(SolverPageExport::pageBytes(nestedPuzzle(), options))[QStringLiteral("across")]
                                  .toArray()[2].toObject();
    EXPECT_EQ(inner[QStringLiteral("number")].toInt(), 5);
    EXPECT_EQ(inner[QStringLiteral("cells")].toArray(), (QJsonArray{21, 22, 23, 24}));
    // Without word lengths asked for, no clue has them.
    EXPECT_FALSE(pageData(SolverPageExport::pageBytes(p, options))[QStringLiteral("across")].toArray()[1].toObject()
                     .contains(QStringLiteral("enumeration")));
}
