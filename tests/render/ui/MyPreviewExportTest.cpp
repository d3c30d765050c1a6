#include "ui/AppContext.h"
#include "export/HtmlExport.h"
#include "export/IpuzExport.h"
#include "export/PuzExport.h"
#include "export/SolverPageExport.h"
#include "export/MetafileExport.h"
#include "export/TextExport.h"
#include "export/ui/HtmlCreation.h"
#include "render/ui/MyPreview.h"
#include "export/ui/BitmapWidth.h"
#include "export/ui/JpegFactor.h"
#include "uisupport/UiTestEnvironment.h"
#include "PreviewTestSupport.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <cmath>

using namespace PreviewTest;

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int le32(const QByteArray& b, int at)
{
    return int(quint8(b[at]) | quint8(b[at + 1]) << 8 | quint8(b[at + 2]) << 16 | quint32(quint8(b[at + 3])) << 24);
}

int le16(const QByteArray& b, int at)
{
    return quint8(b[at]) | quint8(b[at + 1]) << 8;
}

class MyPreviewExportTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        context = std::make_unique<AppContext>(startDir.path(), programDir.path());
        puzzle = samplePuzzle();
    }
    std::unique_ptr<TMyPreview> open()
    {
        auto preview = std::make_unique<TMyPreview>(*context, record(puzzle));
        preview->show();
        return preview;
    }
    /** Answers the width dialog with a text and its create button. */
    void answerWidth(const QString& width)
    {
        whenShown(QStringLiteral("BitmapWidth"), [width](QWidget* dialog) {
            dialog->findChild<QLineEdit*>(QStringLiteral("WidthBox"))->setText(width);
            dialog->findChild<QPushButton*>(QStringLiteral("CreateButton"))->click();
        });
    }
    void trigger(TMyPreview& preview, const char* name)
    {
        preview.findChild<QAction*>(QLatin1String(name))->trigger();
    }

    std::unique_ptr<AppContext> context;
    TPuzzleRecord puzzle;
};

TEST_F(MyPreviewExportTest, WidthDialogRefusesWidthsBelowOne)
{
    struct Case {
        const char* text;
        bool accepted;
        int width;
    };
    const Case cases[] = {{"0", false, 0}, {"", false, 0}, {"-5", false, 0}, {"abc", false, 0},
                          {"1", true, 1},  {" 640 ", true, 640}, {"9999", true, 9999}};
    for (const auto mode : {TBitmapWidth::Mode::Bitmap, TBitmapWidth::Mode::Jpeg}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.text);
            messages.clear();
            TBitmapWidth dialog(*context, mode);
            const bool jpeg = mode == TBitmapWidth::Mode::Jpeg;
            EXPECT_EQ(dialog.windowTitle(), jpeg ? QStringLiteral("JPeg") : QStringLiteral("Bitmap"));
            auto* create = dialog.findChild<QPushButton*>(QStringLiteral("CreateButton"));
            EXPECT_EQ(create->text(), jpeg ? QStringLiteral("Create &JPeg") : QStringLiteral("Create &Bitmap"));
            auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("WidthBox"));
            EXPECT_EQ(field->text(), QStringLiteral("640"));
            dialog.show();
            field->setText(QLatin1String(c.text));
            create->click();
            EXPECT_EQ(dialog.result() == QDialog::Accepted, c.accepted);
            EXPECT_EQ(dialog.isVisible(), !c.accepted);
            if (c.accepted) {
                EXPECT_EQ(dialog.Width(), c.width);
                EXPECT_TRUE(messages.shown.isEmpty());
            } else {
                EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Invalid width specified.  Please correct.")});
                EXPECT_EQ(messages.last().caption, QStringLiteral("Error"));
            }
        }
    }
}

TEST_F(MyPreviewExportTest, FactorDialogAcceptsOneToAHundred)
{
    struct Case {
        const char* text;
        bool accepted;
    };
    const Case cases[] = {{"0", false}, {"101", false}, {"", false}, {"1", true}, {"100", true}, {" 75", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        messages.clear();
        context->settings.JPegCompressionQuality = 50;
        TJpegFactor dialog(*context);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("JPEG Factor"));
        auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("FactorBox"));
        EXPECT_EQ(field->text(), QStringLiteral("50"));
        dialog.show();
        field->setText(QLatin1String(c.text));
        dialog.findChild<QPushButton*>(QStringLiteral("OkButton"))->click();
        EXPECT_EQ(dialog.isVisible(), !c.accepted);
        if (c.accepted) {
            EXPECT_EQ(context->settings.JPegCompressionQuality, QString::fromLatin1(c.text).trimmed().toInt());
        } else {
            EXPECT_EQ(context->settings.JPegCompressionQuality, 50);
            EXPECT_EQ(messages.texts(),
                      QStringList{QStringLiteral("Invalid factor entered.  Factor must be between 1 and 100")});
        }
    }
}

TEST_F(MyPreviewExportTest, BitmapExportHasTheChosenWidthAndPixelFormat)
{
    auto preview = open();
    preview->SetZoom(75);
    struct Case {
        int pixelFormat;
        int bits;
    };
    for (const Case c : {Case{1, 24}, Case{2, 8}}) {
        SCOPED_TRACE(c.pixelFormat);
        context->settings.PixelFormat = c.pixelFormat;
        const QString path = startPath(QStringLiteral("page%1.BMP").arg(c.pixelFormat));
        messages.files.push_back(path);
        answerWidth(QStringLiteral("640"));
        trigger(*preview, "MenuBmp");
        const QByteArray bmp = readAll(path);
        ASSERT_GE(bmp.size(), 54);
        EXPECT_EQ(bmp.left(2), QByteArrayLiteral("BM"));
        EXPECT_EQ(le32(bmp, 18), 640);
        EXPECT_EQ(le32(bmp, 22), 828);   // 11 / 8.5 x 640 = 828.2
        EXPECT_EQ(le16(bmp, 28), c.bits);
        EXPECT_EQ(context->settings.LastExportBitmapFile, path);
        EXPECT_DOUBLE_EQ(preview->Zoom(), 75.0);
    }
    const FileDialogRequest& request = messages.fileRequests.first();
    EXPECT_EQ(request.title, QStringLiteral("Save Puzzle As Bitmap"));
    EXPECT_EQ(request.defaultSuffix, QStringLiteral("BMP"));
    EXPECT_EQ(request.filter, QStringLiteral("Bitmap (*.BMP)"));
    EXPECT_EQ(context->settings.PixelWidth, 640);
}

TEST_F(MyPreviewExportTest, JpegExportUsesWidthAndQuality)
{
    auto preview = open();
    const QString path = startPath(QStringLiteral("page.JPG"));
    messages.files.push_back(path);
    context->settings.JPegCompressionQuality = 90;
    answerWidth(QStringLiteral("300"));
    trigger(*preview, "MenuJpeg");
    const QImage image(path);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(300, 388));
    EXPECT_EQ(readAll(path).left(2), QByteArrayLiteral("\xFF\xD8"));
    EXPECT_EQ(context->settings.PixelWidth, 300);
    EXPECT_EQ(context->settings.LastExportJPEGFile, path);
    EXPECT_EQ(messages.fileRequests.first().title, QStringLiteral("Save Puzzle As JPeg"));

    // Cancelling the width dialog asks for no file.
    messages.clear();
    whenShown(QStringLiteral("BitmapWidth"), [](QWidget* dialog) {
        dialog->findChild<QPushButton*>(QStringLiteral("CancelButton"))->click();
    });
    trigger(*preview, "MenuJpeg");
    EXPECT_TRUE(messages.fileRequests.isEmpty());
}

TEST_F(MyPreviewExportTest, MetafilesReplayThePreviewsRun)
{
    auto preview = open();
    for (const auto kind : {MetafileKind::Emf, MetafileKind::Wmf}) {
        const bool emf = kind == MetafileKind::Emf;
        SCOPED_TRACE(emf ? "EMF" : "WMF");
        messages.clear();
        const QString path = startPath(emf ? QStringLiteral("page.EMF") : QStringLiteral("page.WMF"));
        messages.files.push_back(path);
        QString status;
        whenShown(QStringLiteral("MetafileCreation"), [&status](QWidget* window) {
            status = window->findChild<QLabel*>(QStringLiteral("MetafileStatus"))->text();
            window->findChild<QPushButton*>(QStringLiteral("OkButton"))->click();
        }, [](QWidget* window) { return window->findChild<QPushButton*>(QStringLiteral("OkButton"))->isEnabled(); });
        trigger(*preview, emf ? "MenuEmf" : "MenuWmf");
        EXPECT_EQ(status, QStringLiteral("Metafile Created"));
        EXPECT_TRUE(messages.texts().isEmpty());
        const QByteArray bytes = readAll(path);
        EXPECT_EQ(bytes, MetafileExport::encodeMetafile(preview->Report().Fitted, kind));
        if (emf) {
            ASSERT_GE(bytes.size(), 44);
            EXPECT_EQ(le32(bytes, 0), 1);                          // EMR_HEADER
            EXPECT_EQ(bytes.mid(40, 4), QByteArrayLiteral(" EMF"));
            EXPECT_EQ(context->settings.LastExportEMFFile, path);
            EXPECT_EQ(messages.fileRequests.first().title, QStringLiteral("Save Puzzle As Enhanced MetaFile"));
        } else {
            ASSERT_GE(bytes.size(), 22);
            EXPECT_EQ(quint32(le32(bytes, 0)), 0x9AC6CDD7u);      // placeable header
            EXPECT_EQ(context->settings.LastExportWMFFile, path);
            EXPECT_EQ(messages.fileRequests.first().title, QStringLiteral("Save Puzzle As MetaFile"));
        }
    }
}

TEST_F(MyPreviewExportTest, MetafileOfALayoutWithPicturesWarnsAndGoesOn)
{
    TPageLayout layout = PuzzleLayout(puzzle);
    const int slot = layout.usedObjects();
    ASSERT_LT(slot, PageLimits::Objects);
    TPageObject picture = layout.Objects[0];
    picture.Kind = ObjectKind::Bitmap;
    picture.BitmapFile.setText(QByteArrayLiteral("missing.bmp"));
    layout.Objects[std::size_t(slot)] = picture;
    layout.ObjectCount = std::int16_t(slot + 1);
    setLayout(puzzle, layout);
    auto preview = open();
    const QString path = startPath(QStringLiteral("pictures.EMF"));
    messages.files.push_back(path);
    whenShown(QStringLiteral("MetafileCreation"), [](QWidget* window) {
        window->findChild<QPushButton*>(QStringLiteral("OkButton"))->click();
    }, [](QWidget* window) { return window->findChild<QPushButton*>(QStringLiteral("OkButton"))->isEnabled(); });
    trigger(*preview, "MenuEmf");
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Bitmaps in this puzzle will not be saved in the metafile.")});
    EXPECT_EQ(messages.last().caption, QStringLiteral("Warning"));
    EXPECT_GT(readAll(path).size(), 100);
}

TEST_F(MyPreviewExportTest, HtmlWindowWritesTheDocumentAndItsPicture)
{
    auto preview = open();
    const QString path = startPath(QStringLiteral("web.htm"));
    messages.files.push_back(path);
    context->settings.JPegCompressionQuality = 80;
    whenShown(QStringLiteral("HtmlCreation"), [this](QWidget* window) {
        if (const QString dir = qEnvironmentVariable("QUORVEX_SCREENSHOT_DIR"); !dir.isEmpty())
            window->grab().save(dir + QStringLiteral("/html-creation.png"));
        window->findChild<QPlainTextEdit*>(QStringLiteral("FirstHeaderText"))->setPlainText(QStringLiteral("Line one\nA < B & C"));
        window->findChild<QCheckBox*>(QStringLiteral("FirstHeaderItalic"))->setChecked(true);
        window->findChild<QPlainTextEdit*>(QStringLiteral("SecondFooterText"))->setPlainText(QStringLiteral("Bye"));
        window->findChild<QComboBox*>(QStringLiteral("SecondFooterSize"))->setCurrentIndex(6);
        window->findChild<QCheckBox*>(QStringLiteral("HorizontalLower"))->setChecked(true);
        auto* title = window->findChild<QLineEdit*>(QStringLiteral("WebTitle"));
        title->setText(QStringLiteral("  Sunday Puzzle  "));
        answerWidth(QStringLiteral("200"));
        window->findChild<QPushButton*>(QStringLiteral("SaveHtmlButton"))->click();
    });
    trigger(*preview, "MenuHtml");
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(u'|').toStdString();
    const FileDialogRequest& request = messages.fileRequests.first();
    EXPECT_EQ(request.title, QStringLiteral("Save HTML Document"));
    EXPECT_EQ(request.defaultSuffix, QStringLiteral("htm"));

    const QByteArray expected = QByteArrayLiteral(
        "<HTML>\r\n <HEAD>\r\n  <TITLE>Sunday Puzzle</TITLE>\r\n"
        "  <META NAME=\"GENERATOR\" CONTENT=\"Tavrel / Quorvex 97\">\r\n </HEAD>\r\n <BODY>\r\n"
        "  <CENTER><I><B><FONT SIZE=4>Line one\r\nA < B & C</FONT></B></I></CENTER><P>\r\n"
        "  <CENTER><IMG SRC=\"web.JPG\" ALT=\"Quorvex 97 Puzzle\"></CENTER><P>\r\n"
        "  <HR><P>\r\n"
        "  <FONT SIZE=7>Bye</FONT><P>\r\n"
        " </BODY>\r\n</HTML>\r\n");
    EXPECT_EQ(readAll(path), expected);
    const QImage picture(startPath(QStringLiteral("web.JPG")));
    EXPECT_EQ(picture.size(), QSize(200, 259));
    EXPECT_EQ(context->settings.LastExportHTMLFile, path);
    EXPECT_EQ(context->settings.PixelWidth, 200);
    EXPECT_EQ(context->settings.WebTitle, QStringLiteral("Sunday Puzzle"));
    EXPECT_EQ(context->settings.FirstHeader.Text, QStringLiteral("Line one\r\nA < B & C"));
    EXPECT_TRUE(context->settings.HorizontalLower);
    EXPECT_EQ(context->settings.SecondFooter.Font, 7);
}

TEST_F(MyPreviewExportTest, HtmlDocumentThatCannotBeCreatedLeavesTheWindowOpen)
{
    auto preview = open();
    messages.files.push_back(startPath(QStringLiteral("no/such/dir/web.htm")));
    bool stayedOpen = false;
    whenShown(QStringLiteral("HtmlCreation"), [&](QWidget* window) {
        answerWidth(QStringLiteral("100"));
        window->findChild<QPushButton*>(QStringLiteral("SaveHtmlButton"))->click();
        stayedOpen = window->isVisible();
        window->findChild<QPushButton*>(QStringLiteral("CancelButton"))->click();
    });
    trigger(*preview, "MenuHtml");
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Unable to create html file.\nNo such file or directory")});
    EXPECT_FALSE(QFile::exists(startPath(QStringLiteral("no/such/dir/web.JPG"))));
}

TEST_F(MyPreviewExportTest, TextExportWritesCluesOrWords)
{
    auto preview = open();
    for (const auto content : {TextExport::Content::Clues, TextExport::Content::Words}) {
        const bool clues = content == TextExport::Content::Clues;
        const QString path = startPath(clues ? QStringLiteral("clues.txt") : QStringLiteral("words.txt"));
        messages.files.push_back(path);
        trigger(*preview, clues ? "MenuClues" : "MenuWords");
        const QByteArray text = readAll(path);
        EXPECT_TRUE(text.startsWith("ACROSS\r\n"));
        EXPECT_TRUE(text.contains("\r\n\r\nDOWN\r\n"));
        EXPECT_EQ(text, TextExport::clueText(puzzle, content));
        const int first = 0;
        const QByteArray firstLine = QByteArray::number(puzzle.ClueNumber[first]) + ". "
            + (clues ? puzzle.Clues[first].text() : puzzle.Words[first].text());
        EXPECT_TRUE(text.contains("ACROSS\r\n" + firstLine + "\r\n"));
        EXPECT_EQ(context->settings.LastExportTextFile, path);
    }
    EXPECT_EQ(messages.fileRequests.first().title, QStringLiteral("Export Clues"));
    EXPECT_EQ(messages.fileRequests.first().filter, QStringLiteral("text (*.txt)"));

    messages.files.push_back(startPath(QStringLiteral("missing/dir/clues.txt")));
    trigger(*preview, "MenuClues");
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Unable to create export file.\nNo such file or directory")});
}

TEST_F(MyPreviewExportTest, PngPdfAndSvgExportsWriteTheirFiles)
{
    auto preview = open();
    messages.files.push_back(startPath(QStringLiteral("page.png")));
    messages.files.push_back(startPath(QStringLiteral("page.pdf")));
    messages.files.push_back(startPath(QStringLiteral("page.svg")));
    answerWidth(QStringLiteral("300"));
    trigger(*preview, "MenuPng");
    trigger(*preview, "MenuPdf");
    trigger(*preview, "MenuSvg");
    EXPECT_EQ(QImage(startPath(QStringLiteral("page.png"))).size(), QSize(300, 388));
    EXPECT_EQ(messages.fileRequests.first().initialPath, context->StartDir);   // no bitmap saved yet
    EXPECT_TRUE(readAll(startPath(QStringLiteral("page.pdf"))).startsWith("%PDF"));
    EXPECT_TRUE(readAll(startPath(QStringLiteral("page.svg"))).contains("<svg"));
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(MyPreviewExportTest, SolvingFormatsWriteWhatTheCoreMakesAndKeepTheirLastFile)
{
    auto preview = open();
    const TRenderOptions& options = preview->Report().Options;
    QByteArray puz;
    ASSERT_TRUE(PuzExport::fileBytes(puzzle, options, puz).isEmpty());
    const struct {
        const char* action;
        const char* file;
        const char* title;
        const char* filter;
        QString Settings::*lastFile;
        QByteArray bytes;
    } cases[] = {
        {"MenuIpuz", "p.ipuz", "Save Puzzle As iPUZ", "iPUZ (*.ipuz)", &Settings::LastExportIPUZFile,
         IpuzExport::documentBytes(puzzle, options)},
        {"MenuAcrossLite", "p.puz", "Save Puzzle As Across Lite", "Across Lite (*.puz)", &Settings::LastExportPUZFile, puz},
        {"MenuWebPuzzle", "p.html", "Save Puzzle As Web Puzzle", "Web Puzzle (*.html *.htm)",
         &Settings::LastExportWebPuzzleFile, SolverPageExport::pageBytes(puzzle, options, {true, true})},
    };
    // The web puzzle asks its set-up first; word lengths are asked for there.
    const auto answerSetup = [](const char* action, const char* box, const char* button) {
        if (QLatin1String(action) != QLatin1String("MenuWebPuzzle"))
            return;
        whenShown(QStringLiteral("WebPuzzleSetup"), [box, button](QWidget* setup) {
            setup->findChild<QCheckBox*>(QLatin1String(box))->setChecked(true);
            setup->findChild<QPushButton*>(QLatin1String(button))->click();
        });
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.action);
        // Like every last-used file, the first one is the start directory.
        EXPECT_EQ(context->settings.*c.lastFile, context->settings.LastExportHTMLFile);
        const QString path = startPath(QLatin1String(c.file));
        messages.clear();
        messages.files.push_back(path);
        answerSetup(c.action, "WordLengthsBox", "SaveButton");
        trigger(*preview, c.action);
        EXPECT_EQ(readAll(path), c.bytes);
        EXPECT_EQ(context->settings.*c.lastFile, path);
        ASSERT_EQ(messages.fileRequests.size(), 1);
        EXPECT_EQ(messages.fileRequests[0].title, QLatin1String(c.title));
        EXPECT_EQ(messages.fileRequests[0].filter, QLatin1String(c.filter));
        EXPECT_TRUE(messages.fileRequests[0].confirmOverwrite);
        EXPECT_TRUE(messages.texts().isEmpty());

        messages.clear();   // the next dialog starts from that file; Cancel writes nothing
        answerSetup(c.action, "TimerBox", "SaveButton");
        trigger(*preview, c.action);
        ASSERT_EQ(messages.fileRequests.size(), 1);
        EXPECT_EQ(messages.fileRequests[0].initialPath, path);
        EXPECT_EQ(context->settings.*c.lastFile, path);
    }
    // Cancel in the set-up asks for no file; the boxes changed the settings at once.
    messages.clear();
    answerSetup("MenuWebPuzzle", "TimerBox", "CancelButton");
    trigger(*preview, "MenuWebPuzzle");
    EXPECT_TRUE(messages.fileRequests.empty());
    EXPECT_TRUE(context->settings.WebPuzzleWordLengths);

    messages.clear();
    messages.files.push_back(startPath(QStringLiteral("missing/dir/p.ipuz")));
    trigger(*preview, "MenuIpuz");
    ASSERT_EQ(messages.shown.size(), 2);   // the file dialog, then the write error
    EXPECT_EQ(messages.last().caption, QStringLiteral("Error"));
}

TEST_F(MyPreviewExportTest, AcrossLiteRefusesALetterItCannotHold)
{
    const auto letter = std::find_if(puzzle.Grid.begin(), puzzle.Grid.end(), [](std::uint8_t c) { return c > ' '; });
    ASSERT_NE(letter, puzzle.Grid.end());
    *letter = '.';
    auto preview = open();
    const QString path = startPath(QStringLiteral("dot.puz"));
    messages.files.push_back(path);
    trigger(*preview, "MenuAcrossLite");
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts()[0].startsWith(QStringLiteral("The puzzle cannot be saved as an Across Lite file: ")));
    EXPECT_EQ(messages.last().caption, QStringLiteral("Error"));
    EXPECT_FALSE(QFile::exists(path));

    // The second word laid on the first one's squares, as an older build could store it: refused by
    // Across Lite, written as iPUZ with a warning.
    puzzle = samplePuzzle();
    puzzle.Words[1] = puzzle.Words[0];
    puzzle.StartCell[1] = puzzle.StartCell[0];
    puzzle.LetterCount[1] = puzzle.LetterCount[0];
    auto twice = open();
    for (const char* action : {"MenuAcrossLite", "MenuIpuz"}) {
        messages.clear();
        messages.files.push_back(startPath(QLatin1String(action)));
        trigger(*twice, action);
        const bool ipuz = QLatin1String(action) == QLatin1String("MenuIpuz");
        ASSERT_EQ(messages.texts().size(), 1);
        EXPECT_TRUE(messages.texts()[0].contains(QStringLiteral(" lies on the same squares as "))) << action;
        EXPECT_EQ(messages.last().caption, ipuz ? QStringLiteral("Warning") : QStringLiteral("Error"));
        EXPECT_EQ(QFile::exists(startPath(QLatin1String(action))), ipuz);
    }
}

} // namespace
