// The Print Booklet window driven as a user drives it: ticks, order, choices, and the booklet read back.
#include "render/ui/BookletPreview.h"
#include "render/ui/PrintBooklet.h"
#include "store/Ansi.h"
#include "ui/AppContext.h"
#include "uisupport/UiTestEnvironment.h"
#include "PreviewTestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRegularExpression>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

using namespace PreviewTest;

namespace {

class PrintBookletTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        context = std::make_unique<AppContext>(startDir.path(), programDir.path());
        collection = startPath(QStringLiteral("SAMPLE.QV3"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(QUORVEX_BUILD_DIR "/SAMPLE.QV3"), collection));
        context->Working.CurrentCollection = collection;
    }
    template <typename T>
    T* child(QWidget& window, const char* name)
    {
        T* widget = window.findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void clickRow(QListWidget* list, int row)
    {
        const QRect rect = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }
    /** The title and first across word of record n of the sample. */
    std::pair<QString, QString> titleAndWord(int n)
    {
        TPuzzleRecord puzzle;
        EXPECT_TRUE(ReadPuzzle(collection, n, puzzle).isOk());
        return {Ansi::toUnicode(puzzle.Title.text()), withoutSpaces(Ansi::toUnicode(puzzle.Words[0].text()).toUpper())};
    }

    std::unique_ptr<AppContext> context;
    QString collection;
};

} // namespace

TEST_F(PrintBookletTest, TicksOrderAndChoicesMakeTheBookletPrintedPreviewedAndSaved)
{
    // The main window passes the puzzles of its category: the two of "Nature", records 0 and 1.
    TPrintBooklet window(*context, {0, 1});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* list = child<QListWidget>(window, "PuzzleList");
    auto* chosen = child<QLabel>(window, "ChosenCount");
    ASSERT_EQ(list->count(), 4);
    EXPECT_EQ(chosen->text(), QStringLiteral("Selected: 2 of 4"));
    EXPECT_TRUE(list->item(0)->text().startsWith(titleAndWord(0).first)); // collection order

    // A plain click ticks and unticks; Space on the current row does the same.
    clickRow(list, 3);
    EXPECT_EQ(chosen->text(), QStringLiteral("Selected: 3 of 4"));
    clickRow(list, 1);
    EXPECT_EQ(chosen->text(), QStringLiteral("Selected: 2 of 4"));
    QTest::keyClick(list, Qt::Key_Space);
    EXPECT_EQ(chosen->text(), QStringLiteral("Selected: 3 of 4"));
    // Up twice moves The Solar System (record 3) to second place.
    list->setCurrentRow(3);
    child<QPushButton>(window, "UpButton")->click();
    child<QPushButton>(window, "UpButton")->click();
    EXPECT_EQ(window.ChosenRecords(), (std::vector<qint64>{0, 3, 1}));

    child<QCheckBox>(window, "CoverCheck")->setChecked(true);
    child<QLineEdit>(window, "CoverTitle")->setText(QStringLiteral("  Term One "));
    child<QCheckBox>(window, "PageNumbers")->setChecked(true);
    const QString book = startPath(QStringLiteral("book.pdf"));
    messages.files.push_back(book);
    child<QPushButton>(window, "PdfButton")->click();
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(QLatin1Char('\n')).toStdString();

    const QString all = pdfText(book);
    if (all.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    // Cover, three puzzles, their three answer pages at the back.
    EXPECT_EQ(all.count(QLatin1Char('\f')), 7);
    const QString cover = pdfText(book, 1);
    EXPECT_TRUE(cover.contains(QStringLiteral("Term One\n")) && cover.contains(QStringLiteral("Contents")));
    const int order[] = {0, 3, 1};
    for (int i = 0; i < 3; ++i) {
        const auto [title, word] = titleAndWord(order[i]);
        const QString page = pdfText(book, 2 + i);
        const QString answers = pdfText(book, 5 + i);
        EXPECT_TRUE(page.startsWith(title)) << page.toStdString();
        EXPECT_FALSE(withoutSpaces(page).contains(word)) << title.toStdString();
        EXPECT_TRUE(answers.startsWith(title)) << answers.toStdString();
        EXPECT_TRUE(withoutSpaces(answers).contains(word)) << title.toStdString();
        EXPECT_TRUE(withoutSpaces(cover).contains(withoutSpaces(title) + QString::number(2 + i))) << cover.toStdString();
        EXPECT_TRUE(answers.trimmed().endsWith(QString::number(5 + i))) << "page number in the footer";
    }
    // Each contents line: the title, its page number and a dot leader between them.
    EXPECT_TRUE(withoutSpaces(cover).contains(QStringLiteral("Answers5")));
    const QRegularExpression leader(QStringLiteral("^\\.{20,}$"));
    EXPECT_EQ(cover.split(QLatin1Char('\n')).filter(leader).size(), 4) << cover.toStdString();

    // The answer key only: the three puzzles, then one page of small solved grids with their titles.
    child<QComboBox>(window, "AnswersBox")->setCurrentIndex(3);
    child<QCheckBox>(window, "CoverCheck")->setChecked(false);
    messages.files.push_back(book);
    child<QPushButton>(window, "PdfButton")->click();
    EXPECT_EQ(pdfText(book).count(QLatin1Char('\f')), 4);
    const QString key = pdfText(book, 4);
    EXPECT_TRUE(key.startsWith(QStringLiteral("Answer Key")));
    for (const int n : order) {
        const auto [title, word] = titleAndWord(n);
        EXPECT_TRUE(key.contains(title) && withoutSpaces(key).contains(word)) << title.toStdString();
    }

    // The preview shows every page in turn.
    int previewed = 0;
    whenShown(QStringLiteral("BookletPreview"), [&](QWidget* w) {
        auto* preview = static_cast<TBookletPreview*>(w);
        auto* label = preview->findChild<QLabel*>(QStringLiteral("PageNumber"));
        EXPECT_EQ(label->text(), QStringLiteral("Page 1 of 4"));
        auto* next = preview->findChild<QPushButton*>(QStringLiteral("NextButton"));
        while (next->isEnabled()) {
            next->click();
            ++previewed;
        }
        EXPECT_EQ(label->text(), QStringLiteral("Page 4 of 4"));
        const QImage& page = preview->PageImage();
        qsizetype inked = 0;
        for (int y = 0; y < page.height(); y += 2)
            for (int x = 0; x < page.width(); x += 2)
                inked += page.pixel(x, y) != QColor(Qt::white).rgb();
        EXPECT_GT(inked * 4, qsizetype(page.width()) * page.height() / 50) << "the key's grids are drawn";
        preview->findChild<QPushButton*>(QStringLiteral("PreviousButton"))->click();
        EXPECT_EQ(preview->CurrentPage(), 2);
        preview->accept();
    });
    child<QPushButton>(window, "PreviewButton")->click();
    EXPECT_EQ(previewed, 3);

    // To the printer, in copies: here a printer that writes a PDF file.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString printed = startPath(QStringLiteral("printed.pdf"));
    printer.setOutputFileName(printed);
    TQtPrinterDriver driver(printer);
    DriverScope scope(&driver);
    child<QSpinBox>(window, "Copies")->setValue(2);
    child<QPushButton>(window, "PrintButton")->click();
    EXPECT_EQ(pdfText(printed).count(QLatin1Char('\f')), 4);

    // Nothing ticked: nothing to print.
    for (int row = 0; row < list->count(); ++row)
        list->item(row)->setCheckState(Qt::Unchecked);
    clickRow(list, 0);
    clickRow(list, 0);
    EXPECT_EQ(chosen->text(), QStringLiteral("Selected: 0 of 4"));
    EXPECT_FALSE(child<QPushButton>(window, "PdfButton")->isEnabled());
}
