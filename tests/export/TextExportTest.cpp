// The clue and word text export: exact bytes with CR LF line ends.
#include "render/PageRenderSupport.h"
#include "export/TextExport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace RenderTest;

TEST(TextExport, CluesAndWords)
{
    TPuzzleRecord p = samplePuzzle();
    p.Clues[4].setText("Long periods of time \xe9t\xe9");   // Windows-1252 bytes pass through
    EXPECT_EQ(TextExport::clueText(p, TextExport::Content::Clues),
              QByteArray("ACROSS\r\n"
                         "1. Medical picture\r\n"
                         "4. Standards\r\n"
                         "\r\n"
                         "DOWN\r\n"
                         "1. Noble gas\r\n"
                         "2. Speed trap device\r\n"
                         "3. Long periods of time \xe9t\xe9\r\n"));
    EXPECT_EQ(TextExport::clueText(p, TextExport::Content::Words),
              QByteArray("ACROSS\r\n1. X-ray\r\n4. norms\r\n\r\nDOWN\r\n1. xenon\r\n2. radar\r\n3. years\r\n"));
    // CR, NUL and ESC in a clue would break the lines: they come out as spaces.
    p.Clues[0].setText(QByteArray("Medical\r\0pic\x1bture", 17));
    EXPECT_TRUE(TextExport::clueText(p, TextExport::Content::Clues).startsWith("ACROSS\r\n1. Medical  pic ture\r\n"));
}

TEST(TextExport, NoDownWordsAndUnplacedSlots)
{
    TPuzzleRecord p = samplePuzzle();
    p.DownCount = 0;
    p.WordCount = 2;
    EXPECT_EQ(TextExport::clueText(p, TextExport::Content::Clues),
              QByteArray("ACROSS\r\n1. Medical picture\r\n4. Standards\r\n\r\nDOWN\r\n"));

    // Words an editor save left after the placed ones are not exported as down words.
    p = samplePuzzle();
    setSlot(p, 6, "extra", "Not placed", 0, 0, true);
    p.WordCount = 6;
    EXPECT_FALSE(TextExport::clueText(p, TextExport::Content::Clues).contains("Not placed"));

    // Nonsense counts export nothing rather than reading past the slots.
    p.WordCount = -4;
    p.AcrossCount = 900;
    EXPECT_EQ(TextExport::clueText(p, TextExport::Content::Words), QByteArray("ACROSS\r\n\r\nDOWN\r\n"));
}

TEST(TextExport, WritesTheFileWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("clues.txt"));
    const TPuzzleRecord p = samplePuzzle();
    ASSERT_TRUE(TextExport::writeClueText(p, TextExport::Content::Clues, path).isOk());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), TextExport::clueText(p, TextExport::Content::Clues));
    EXPECT_FALSE(TextExport::writeClueText(p, TextExport::Content::Clues, dir.filePath(QStringLiteral("no/such.txt"))).isOk());
}
