// The web page: document bytes line by line, block nesting, picture names and the written files.
#include "export/HtmlExport.h"
#include "render/PageRenderSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace RenderTest;

namespace {

const QByteArray Head = "<HTML>\r\n"
                        " <HEAD>\r\n";
const QByteArray Generator = "  <META NAME=\"GENERATOR\" CONTENT=\"Tavrel / Quorvex 97\">\r\n"
                             " </HEAD>\r\n"
                             " <BODY>\r\n";
const QByteArray Picture = "  <CENTER><IMG SRC=\"page.JPG\" ALT=\"Quorvex 97 Puzzle\"></CENTER><P>\r\n";
const QByteArray Tail = " </BODY>\r\n"
                        "</HTML>\r\n";

Settings emptyBlocks()
{
    Settings s;
    s.FirstHeader = HtmlTextBlock{};
    s.SecondHeader = HtmlTextBlock{};
    s.FirstFooter = HtmlTextBlock{};
    s.SecondFooter = HtmlTextBlock{};
    return s;
}

} // namespace

TEST(HtmlExport, DefaultSettingsDocument)
{
    const QByteArray expected = Head + "  <TITLE>Crossword Puzzle</TITLE>\r\n" + Generator
        + "  <CENTER><B><FONT SIZE=4>My Puzzle</FONT></B></CENTER><P>\r\n" + Picture + Tail;
    EXPECT_EQ(HtmlExport::documentBytes(Settings(), QStringLiteral("page.JPG")), expected);
}

TEST(HtmlExport, EmptyBlocksAndEmptyTitleLeaveOnlyThePicture)
{
    Settings s = emptyBlocks();
    s.WebTitle = QStringLiteral("   ");
    const QByteArray expected = Head + "  <TITLE></TITLE>\r\n" + Generator + Picture + Tail;
    EXPECT_EQ(HtmlExport::documentBytes(s, QStringLiteral("page.JPG")), expected);
}

TEST(HtmlExport, BlocksRulesAndTextsUnchanged)
{
    Settings s = emptyBlocks();
    s.WebTitle = QStringLiteral("  A & B  ");
    s.FirstHeader = {QStringLiteral("Line one\r\nLine two"), false, false, false, 5};
    s.SecondHeader = {QStringLiteral("x < y & z"), true, true, true, 2};
    s.FirstFooter = {QStringLiteral("Typed\nin Qt"), false, true, false, 3};
    s.SecondFooter = {QStringLiteral("Bye"), true, false, false, 7};
    s.HorizontalUpper = true;
    s.HorizontalLower = true;
    const QByteArray expected = Head + "  <TITLE>A & B</TITLE>\r\n" + Generator
        + "  <FONT SIZE=5>Line one\r\nLine two</FONT><P>\r\n"
        + "  <CENTER><I><B><FONT SIZE=2>x < y & z</FONT></B></I></CENTER><P>\r\n"
        + "  <HR><P>\r\n" + Picture + "  <HR><P>\r\n"
        + "  <I><FONT SIZE=3>Typed\r\nin Qt</FONT></I><P>\r\n"
        + "  <B><FONT SIZE=7>Bye</FONT></B><P>\r\n" + Tail;
    EXPECT_EQ(HtmlExport::documentBytes(s, QStringLiteral("page.JPG")), expected);
}

TEST(HtmlExport, LongTextsAndTitlesAreCut)
{
    HtmlTextBlock block{QString(1200, u'a'), false, false, false, 3};
    EXPECT_EQ(HtmlExport::blockLine(block).count(u'a'), HtmlExport::BlockTextLength);
    Settings s = emptyBlocks();
    s.WebTitle = QString(150, u't');
    EXPECT_TRUE(HtmlExport::documentBytes(s, QStringLiteral("p.JPG"))
                    .contains("<TITLE>" + QByteArray(100, 't') + "</TITLE>"));
    // A quote in the picture's name stays inside the attribute.
    EXPECT_TRUE(HtmlExport::documentBytes(s, QStringLiteral("x\" onerror=\"alert(1)\" a=\"<&.JPG"))
                    .contains("<IMG SRC=\"x&quot; onerror=&quot;alert(1)&quot; a=&quot;&lt;&amp;.JPG\" ALT="));
}

TEST(HtmlExport, PictureNameReplacesTheLastThreeCharacters)
{
    const struct {
        const char* Path;
        const char* Picture;
    } cases[] = {
        {"/some/dir/page.htm", "page.JPG"},
        {"/some/dir/page.html", "page.hJPG"},
        {"page.HTM", "page.JPG"},
        {"/d/index", "inJPG"},
        {"/d/ab", "JPG"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HtmlExport::pictureName(QString::fromLatin1(c.Path)), QString::fromLatin1(c.Picture)) << c.Path;
}

TEST(HtmlExport, WritesDocumentAndPictureInTheDocumentsDirectory)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString html = dir.filePath(QStringLiteral("puzzle.html"));
    ASSERT_TRUE(exportHtml(samplePuzzle(), TRenderOptions(), Settings(), 200, 50, html));
    QFile doc(html);
    ASSERT_TRUE(doc.open(QIODevice::ReadOnly));
    EXPECT_TRUE(doc.readAll().contains("<IMG SRC=\"puzzle.hJPG\""));
    QFile picture(dir.filePath(QStringLiteral("puzzle.hJPG")));
    ASSERT_TRUE(picture.open(QIODevice::ReadOnly));
    const QByteArray jpeg = picture.readAll();
    ASSERT_GE(jpeg.size(), 2);
    EXPECT_EQ(jpeg.left(2), QByteArray("\xFF\xD8", 2));
    const QImage image = QImage::fromData(jpeg, "JPG");
    EXPECT_EQ(image.width(), 200);
}

TEST(HtmlExport, UncreatableDocumentWritesNothing)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString html = dir.filePath(QStringLiteral("missing/page.htm"));
    const IoResult r = exportHtml(samplePuzzle(), TRenderOptions(), Settings(), 200, 50, html);
    EXPECT_EQ(r.status, IoResult::OpenFailed);
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

TEST(HtmlExport, APairThatCannotBeWholeIsNotBegun)
{
    QTemporaryDir dir;
    // A document named "page.JPG" would be its own picture.
    const IoResult own = exportHtml(samplePuzzle(), TRenderOptions(), Settings(), 200, 50, dir.filePath(QStringLiteral("page.JPG")));
    EXPECT_EQ(own.status, IoResult::Refused);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    // The picture is written first: when it cannot be, no document points at it.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("page.JPG")));
    EXPECT_FALSE(exportHtml(samplePuzzle(), TRenderOptions(), Settings(), 200, 50, dir.filePath(QStringLiteral("page.htm"))));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("page.htm"))));
    // Control characters of the typed texts are spaces; their line breaks stay.
    Settings s = emptyBlocks();
    s.WebTitle = QStringLiteral("Web\x01Title");
    s.FirstHeader.Text = QStringLiteral("a\x1b" "b\r\nc");
    const QByteArray doc = HtmlExport::documentBytes(s, QStringLiteral("page.JPG"));
    EXPECT_TRUE(doc.contains("<TITLE>Web Title</TITLE>"));
    EXPECT_TRUE(doc.contains("<FONT SIZE=3>a b\r\nc</FONT>")) << doc.toStdString();
}
