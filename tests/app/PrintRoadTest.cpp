// The road of a constructed puzzle through the printing and export windows, started from the main
// window: the report window, the status window, the preview with its zoom, printing to a PDF file
// without and with the answer key, and every export of the preview, each file opened by another
// program or an independent reader.
#include "app/MainWinTestSupport.h"
#include "build/EngineTestSupport.h"
#include "build/SavedCandidate.h"
#include "pages/DefaultLayout.h"
#include "export/EmfWalk.h"
#include "render/ui/MyPreview.h"
#include "render/ui/PreviewTestSupport.h"
#include "shapes/ui/ShapeUiSupport.h"
#include "uisupport/ModalWatchdog.h"

#include <QCheckBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QToolButton>

using namespace PreviewTest;

namespace {

struct WordClue {
    const char* word;
    const char* clue;
};

const std::vector<WordClue> ZooWords{
    {"ELEPHANT", "Large grey animal"}, {"GIRAFFE", "Long neck"}, {"LEOPARD", "Spotted cat"},
    {"PANTHER", "Black cat"},          {"RABBIT", "Long ears"},  {"TIGER", "Striped cat"},
    {"ZEBRA", "Striped horse"},        {"OTTER", "River swimmer"},
};

/** A puzzle constructed by the engine from the zoo words on the built-in default layout. */
TPuzzleRecord ConstructedPuzzle()
{
    std::vector<QByteArray> words;
    for (const WordClue& w : ZooWords)
        words.emplace_back(w.word);
    const TShapeRecord shape = EngineTest::RectShape(13, 13);
    TPuzzleRecord input = EngineTest::PuzzleOf(words, shape);
    for (std::size_t i = 0; i < ZooWords.size(); ++i)
        input.Clues[i].setText(QByteArray(ZooWords[i].clue));
    input.Title.setText("Zoo Print");
    input.Category.setText("Animals");
    setLayout(input, BuiltInDefaultLayout());
    TBuildOptions options;
    options.Attempts = 20;
    const auto result = EngineTest::Build(input, shape, options, 777);
    return SavedCandidate(*result, 0);
}

/** The output of a program run on the arguments; empty when it failed or is missing. */
QString RunProgram(const QString& name, const QStringList& arguments)
{
    const QString program = QStandardPaths::findExecutable(name);
    if (program.isEmpty()) {
        ADD_FAILURE() << name.toStdString() << " is not installed";
        return {};
    }
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(15000) || process.exitCode() != 0) {
        ADD_FAILURE() << name.toStdString() << " failed: " << process.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

/** The text of a PDF file as pdftotext reads it. */
QString PdfText(const QString& path)
{
    return RunProgram(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/** Every upper-case letter of the text, in order. */
QString CapitalLetters(const QString& text)
{
    QString out;
    for (const QChar c : text)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            out += c;
    return out;
}

} // namespace


class PrintRoadTest : public MainWinTest {
protected:
    void SetUp() override
    {
        MainWinTest::SetUp();
        printer.setOutputFormat(QPrinter::PdfFormat);
        InstallPrinterDriver(&driver);
    }
    void TearDown() override
    {
        InstallPrinterDriver(nullptr);
        MainWinTest::TearDown();
    }

    /** Presses OK on the status window once its run has finished. */
    void CloseStatusWhenDone()
    {
        whenShown(QStringLiteral("ReportStatusScreen"), [this](QWidget* status) {
            statusTexts.append(status->findChild<QLabel*>(QStringLiteral("StatusLabel"))->text());
            QTest::mouseClick(status->findChild<QPushButton*>(QStringLiteral("OkButton")), Qt::LeftButton);
        }, [](QWidget* status) { return status->findChild<QPushButton*>(QStringLiteral("OkButton")) != nullptr; });
    }

    /** Clicks View/Print in the report window and runs action on the preview it opens. */
    void ViewPrint(QWidget* report, std::function<void(TMyPreview*)> action)
    {
        CloseStatusWhenDone();
        bool seen = false;
        whenShown(QStringLiteral("MyPreview"), [&seen, action](QWidget* window) {
            seen = true;
            auto* preview = static_cast<TMyPreview*>(window);
            action(preview);
            QTest::mouseClick(ToolButton(preview, "ToolDone"), Qt::LeftButton);
        });
        QTest::mouseClick(report->findChild<QPushButton*>(QStringLiteral("ViewPrintButton")), Qt::LeftButton);
        EXPECT_TRUE(seen);
    }

    /** The tool button of a preview action. */
    static QWidget* ToolButton(TMyPreview* preview, const char* name)
    {
        const QAction* action = preview->findChild<QAction*>(QLatin1String(name));
        for (QToolButton* button : preview->findChildren<QToolButton*>())
            if (action && button->defaultAction() == action)
                return button;
        ADD_FAILURE() << "no tool button " << name;
        return preview;
    }

    /** Prints the preview's page into a PDF file of that name. */
    QString PrintToPdf(TMyPreview* preview, const QString& name)
    {
        const QString path = startPath(name);
        printer.setOutputFileName(path);
        QTest::mouseClick(ToolButton(preview, "ToolPrintPage"), Qt::LeftButton);
        return path;
    }

    /** Answers the width dialog of the picture exports. */
    static void AnswerWidth(int width)
    {
        whenShown(QStringLiteral("BitmapWidth"), [width](QWidget* dialog) {
            auto* box = dialog->findChild<QLineEdit*>(QStringLiteral("WidthBox"));
            box->selectAll();
            QTest::keyClicks(box, QString::number(width));
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("CreateButton")), Qt::LeftButton);
        });
    }

    static void Trigger(TMyPreview* preview, const char* name)
    {
        preview->findChild<QAction*>(QLatin1String(name))->trigger();
    }

    QPrinter printer{QPrinter::HighResolution};
    TQtPrinterDriver driver{printer};
    QStringList statusTexts;
};

TEST_F(PrintRoadTest, PuzzleIsPreviewedPrintedAndExported)
{
    const TPuzzleRecord puzzle = ConstructedPuzzle();
    ASSERT_EQ(puzzle.Generated, 1);
    ASSERT_GE(puzzle.WordCount, 4);
    ASSERT_TRUE(CreateCollection(defaultCollection()).isOk());
    ASSERT_TRUE(AppendPuzzle(defaultCollection(), MakePuzzle("Birds", "Owls")).isOk());
    ASSERT_TRUE(AppendPuzzle(defaultCollection(), puzzle).isOk());

    window = std::make_unique<TMainWin>(startDir.path(), programDir.path(), QSize(1280, 1024));

    QuietTips(*window);
    showWindow();
    clickCategory(QStringLiteral("Animals"));
    clickTitle(QStringLiteral("Zoo Print"));
    ASSERT_EQ(selectedTitle(), QStringLiteral("Zoo Print"));
    ModalWatchdog watchdog(15000);

    const QString firstClue = QString::fromLatin1(puzzle.Clues[0].text());

    QString reportCaption, plainPdf, keyPdf;
    QStringList zoomBoxes;
    std::vector<double> zooms;
    const QString bmp = startPath(QStringLiteral("page.BMP"));
    const QString jpeg = startPath(QStringLiteral("page.JPG"));
    const QString wmf = startPath(QStringLiteral("page.WMF"));
    const QString emf = startPath(QStringLiteral("page.EMF"));
    const QString html = startPath(QStringLiteral("web.htm"));
    const QString clues = startPath(QStringLiteral("clues.txt"));
    bool reportSeen = false;
    whenShown(QStringLiteral("MyReport"), [&](QWidget* report) {
        reportSeen = true;
        reportCaption = report->windowTitle();
        ShapeUi::SaveScreenshot(report, QStringLiteral("PrintRoadReport"));
        auto* key = report->findChild<QCheckBox*>(QStringLiteral("AnswerKey"));
        if (key->isChecked())
            QTest::mouseClick(key, Qt::LeftButton, {}, QPoint(5, key->height() / 2));

        ViewPrint(report, [&](TMyPreview* preview) {
            auto* zoomBox = preview->findChild<QLineEdit*>(QStringLiteral("ZoomBox"));
            zoomBox->selectAll();
            QTest::keyClicks(zoomBox, QStringLiteral("50"));
            QTest::keyClick(zoomBox, Qt::Key_Return);
            zooms.push_back(preview->Zoom());
            zoomBoxes.append(zoomBox->text());
            ShapeUi::SaveScreenshot(preview, QStringLiteral("PrintRoadPreview50"));
            Trigger(preview, "MenuZoomIn2");
            zooms.push_back(preview->Zoom());
            zoomBoxes.append(zoomBox->text());
            plainPdf = PrintToPdf(preview, QStringLiteral("plain.pdf"));

            // Every export of the preview, each with its scripted file name.
            messages.files.push_back(bmp);
            AnswerWidth(640);
            Trigger(preview, "MenuBmp");

            whenShown(QStringLiteral("JpegFactor"), [](QWidget* dialog) {
                auto* box = dialog->findChild<QLineEdit*>(QStringLiteral("FactorBox"));
                box->selectAll();
                QTest::keyClicks(box, QStringLiteral("60"));
                QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("OkButton")), Qt::LeftButton);
            });
            Trigger(preview, "MenuJpegFactor");
            messages.files.push_back(jpeg);
            AnswerWidth(400);
            Trigger(preview, "MenuJpeg");

            for (const QString& path : {wmf, emf}) {
                messages.files.push_back(path);
                whenShown(QStringLiteral("MetafileCreation"), [](QWidget* window) {
                    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("OkButton")), Qt::LeftButton);
                }, [](QWidget* window) { return window->findChild<QPushButton*>(QStringLiteral("OkButton"))->isEnabled(); });
                Trigger(preview, path == wmf ? "MenuWmf" : "MenuEmf");
            }

            messages.files.push_back(html);
            whenShown(QStringLiteral("HtmlCreation"), [](QWidget* window) {
                AnswerWidth(300);
                QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("SaveHtmlButton")), Qt::LeftButton);
            });
            Trigger(preview, "MenuHtml");

            messages.files.push_back(clues);
            Trigger(preview, "MenuClues");
        });

        QTest::mouseClick(key, Qt::LeftButton, {}, QPoint(5, key->height() / 2));
        ViewPrint(report, [&](TMyPreview* preview) {
            ShapeUi::SaveScreenshot(preview, QStringLiteral("PrintRoadPreviewKey"));
            keyPdf = PrintToPdf(preview, QStringLiteral("key.pdf"));
        });
        QTest::mouseClick(report->findChild<QPushButton*>(QStringLiteral("ExitButton")), Qt::LeftButton);
    });
    action("MenuPrint")->trigger();

    ASSERT_TRUE(reportSeen);
    ASSERT_FALSE(watchdog.fired());
    EXPECT_EQ(reportCaption, QStringLiteral("Reports"));
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(statusTexts, QStringList(2, QStringLiteral("Puzzle Generated!")));
    EXPECT_EQ(zooms, (std::vector<double>{50.0, 200.0}));
    EXPECT_EQ(zoomBoxes, (QStringList{QStringLiteral("50.00"), QStringLiteral("200.00")}));
    EXPECT_TRUE(window->Context().settings.AnswerKey);

    // Printed without the key: title and clues, none of the grid's letters.
    const QString plain = PdfText(plainPdf);
    EXPECT_TRUE(plain.contains(QStringLiteral("Zoo Print"))) << plain.toStdString();
    for (int i = 0; i < puzzle.WordCount; ++i)
        EXPECT_TRUE(plain.contains(QString::fromLatin1(puzzle.Clues[std::size_t(i)].text()))) << i;
    // Title, headings and clue texts are the only capitals on the page.
    QString rest = plain;
    for (const QString& known : {QStringLiteral("Zoo Print"), QStringLiteral("Across"), QStringLiteral("Down")})
        rest.remove(known);
    for (int i = 0; i < puzzle.WordCount; ++i)
        rest.remove(QString::fromLatin1(puzzle.Clues[std::size_t(i)].text()));
    const QString plainCapitals = CapitalLetters(rest);
    EXPECT_TRUE(plainCapitals.isEmpty()) << plainCapitals.toStdString();

    // Printed with the key: the same text plus every letter of the grid.
    const QString key = PdfText(keyPdf);
    EXPECT_TRUE(key.contains(firstClue));
    QString keyLetters = CapitalLetters(key);
    int cells = 0;
    for (int r = 1; r <= puzzle.GridHeight; ++r)
        for (int c = 1; c <= puzzle.GridWidth; ++c)
            if (const char letter = EngineTest::At(puzzle, r, c); letter >= 'A' && letter <= 'Z') {
                ++cells;
                EXPECT_GE(keyLetters.count(QLatin1Char(letter)), 1) << letter;
            }
    EXPECT_EQ(keyLetters.size() - CapitalLetters(plain).size(), cells) << key.toStdString();

    // The pictures open in other readers with the chosen widths.
    EXPECT_TRUE(RunProgram(QStringLiteral("file"), {QStringLiteral("-b"), bmp}).startsWith(QStringLiteral("PC bitmap")));
    EXPECT_TRUE(RunProgram(QStringLiteral("file"), {QStringLiteral("-b"), jpeg}).startsWith(QStringLiteral("JPEG image data")));
    for (const auto& [path, width] : {std::pair{bmp, 640}, std::pair{jpeg, 400}}) {
        QImageReader reader(path);
        const QImage image = reader.read();
        EXPECT_FALSE(image.isNull()) << path.toStdString() << reader.errorString().toStdString();
        EXPECT_EQ(image.width(), width);
    }
    EXPECT_EQ(window->Context().settings.JPegCompressionQuality, 60);

    // The WMF converts with libwmf; the EMF's records walk to its end.
    const QString svg = startPath(QStringLiteral("page.svg"));
    RunProgram(QStringLiteral("wmf2svg"), {QStringLiteral("-o"), svg, wmf});
    EXPECT_TRUE(EmfTest::svgShownText(ReadAll(svg)).contains(QStringLiteral("Zoo Print")));
    const EmfTest::EmfWalk walk = EmfTest::walkEmf(ReadAll(emf));
    EXPECT_TRUE(walk.WellFormed);
    EXPECT_NE(EmfTest::findText(walk.Texts, QStringLiteral("Zoo Print")), nullptr);
    EXPECT_NE(EmfTest::findText(walk.Texts, firstClue), nullptr);

    // The web page names its picture, which is beside it and opens.
    const QByteArray document = ReadAll(html);
    EXPECT_TRUE(document.contains("<IMG SRC=\"web.JPG\"")) << document.toStdString();
    QImageReader picture(startPath(QStringLiteral("web.JPG")));
    EXPECT_EQ(picture.read().width(), 300);

    // The clue text lists the clues under their headings.
    const QByteArray text = ReadAll(clues);
    EXPECT_TRUE(text.startsWith("ACROSS\r\n"));
    EXPECT_TRUE(text.contains(QByteArray::number(puzzle.ClueNumber[0]) + ". " + puzzle.Clues[0].text() + "\r\n"));
}
