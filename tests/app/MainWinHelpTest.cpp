// The Help menu: the tip of the day, the help window over the shipped pages, the user manual and
// the product information windows.
#include "MainWinTestSupport.h"

#include "app/ProductInfo.h"
#include "app/TipOfTheDay.h"
#include "ui/HelpKey.h"
#include "ui/HelpWindow.h"
#include "ui/NumberDialog.h"
#include "words/ui/WordList.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QTimer>
#include <functional>

using MainWinHelpTest = MainWinTest;

namespace {

const QString BuiltHelp = QStringLiteral(QUORVEX_BUILD_DIR "/help");

void click(QWidget* dialog, const char* button)
{
    auto* b = dialog->findChild<QPushButton*>(QLatin1String(button));
    ASSERT_NE(b, nullptr) << button;
    QTest::mouseClick(b, Qt::LeftButton);
}

QString fileNameOf(const QUrl& url)
{
    return QFileInfo(url.toLocalFile()).fileName();
}

QString readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

/** A program's standard output and error. */
QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
}

} // namespace

TEST_F(MainWinHelpTest, ThereAre32ShortDistinctTipsAndNextTipWrapsAround)
{
    const auto& tips = TTipOfTheDay::Tips();
    ASSERT_EQ(tips.size(), 32u);
    QSet<QString> distinct;
    for (std::size_t i = 0; i < tips.size(); ++i) {
        SCOPED_TRACE(int(i + 1));
        EXPECT_FALSE(tips[i].trimmed().isEmpty());
        EXPECT_LE(tips[i].size(), TTipOfTheDay::MaxTipLength);
        distinct.insert(tips[i]);
    }
    EXPECT_EQ(distinct.size(), 32);

    AppContext context(startDir.path(), programDir.path());
    TTipOfTheDay window(context);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tip of the Day"));
    EXPECT_GE(window.TipNumber(), 1);
    EXPECT_LE(window.TipNumber(), 32);
    auto* text = window.findChild<QLabel*>(QStringLiteral("TipText"));
    window.ShowTip(31);
    click(&window, "NextTipButton");
    EXPECT_EQ(window.TipNumber(), 32);
    EXPECT_EQ(text->text(), tips[31]);
    click(&window, "NextTipButton");
    EXPECT_EQ(window.TipNumber(), 1);
    EXPECT_EQ(text->text(), tips[0]);
}

TEST_F(MainWinHelpTest, ClosingTheTipWindowKeepsTheShowTipsBoxInTheSetting)
{
    struct Case {
        bool before;
        bool clickBox;
        const char* closeWith; // a button, or nullptr for the Escape key
        bool after;
    } cases[] = {{true, true, "CloseButton", false}, {false, true, "CloseButton", true},
                 {true, false, "CloseButton", true}, {true, true, nullptr, false}};
    for (const Case& c : cases) {
        AppContext context(startDir.path(), programDir.path());
        context.settings.ShowTips = c.before;
        TTipOfTheDay window(context);
        auto* box = window.findChild<QCheckBox*>(QStringLiteral("ShowTipsBox"));
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), QStringLiteral("&Show Tips at Startup"));
        EXPECT_EQ(box->isChecked(), c.before);
        window.show();
        if (c.clickBox)
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
        if (c.closeWith)
            click(&window, c.closeWith);
        else
            QTest::keyClick(&window, Qt::Key_Escape);
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(context.settings.ShowTips, c.after) << c.before << c.clickBox;
    }
}

TEST_F(MainWinHelpTest, TheTipShowsAtTheFirstActivationOnlyAndOnlyWhenShowTipsIsOn)
{
    for (const bool showTips : {true, false}) {
        SCOPED_TRACE(showTips);
        writeSettings([&](Settings& s) { s.ShowTips = showTips; });
        start();
        int shown = 0;
        TMainWinHooks hooks = window->Hooks();
        hooks.TipOfTheDay = [&] { ++shown; };
        window->SetHooks(hooks);
        showWindow();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QTest::qWait(20);
        EXPECT_EQ(shown, showTips ? 1 : 0);

        // Another activation later on shows nothing more.
        QWidget other;
        other.show();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QTest::qWait(20);
        EXPECT_EQ(shown, showTips ? 1 : 0);

        // The menu shows it at any time.
        action("MenuTips")->trigger();
        EXPECT_EQ(shown, showTips ? 2 : 1);
    }
}

TEST_F(MainWinHelpTest, TheReviewTipsItemOpensTheTipWindowWhoseBoxTurnsTheStartTipOff)
{
    start();
    TMainWinHooks hooks = window->Hooks();
    hooks.TipOfTheDay = realTipOfTheDay;
    window->SetHooks(hooks);
    ASSERT_TRUE(action("MenuTips")->isEnabled());
    QString caption;
    onNextDialog([&](QWidget* dialog) {
        caption = dialog->windowTitle();
        dialog->findChild<QCheckBox*>(QStringLiteral("ShowTipsBox"))->setChecked(false);
        click(dialog, "CloseButton");
    });
    action("MenuTips")->trigger();
    EXPECT_EQ(caption, QStringLiteral("Tip of the Day"));
    EXPECT_FALSE(window->Context().settings.ShowTips);
}

TEST_F(MainWinHelpTest, TheShippedHelpPagesAreLinkedFromTheContentsAndCarryTheirTopics)
{
    const QString contents = THelpWindow::ContentsPage(BuiltHelp);
    ASSERT_TRUE(QFileInfo(contents).isFile()) << qPrintable(contents);

    // Every page is reachable from the contents, and every link goes to a page that is there.
    const QDir dir(BuiltHelp);
    const QStringList pages = dir.entryList({QStringLiteral("*.html")}, QDir::Files);
    const QString index = readAll(contents);
    QMap<QString, QString> keywordOwners;
    for (const QString& page : pages) {
        SCOPED_TRACE(qPrintable(page));
        const QString html = readAll(dir.filePath(page));
        if (page != QStringLiteral("index.html")) {
            EXPECT_TRUE(index.contains(QStringLiteral("href=\"") + page + QLatin1Char('"')));
        }
        EXPECT_TRUE(html.contains(QStringLiteral("<title>")));
        const QStringList keywords = THelpWindow::KeywordsOf(html);
        EXPECT_FALSE(keywords.isEmpty());
        for (const QString& keyword : keywords) {
            EXPECT_FALSE(keywordOwners.contains(keyword.toUpper())) << qPrintable(keyword) << " also on "
                                                                     << qPrintable(keywordOwners.value(keyword.toUpper()));
            keywordOwners.insert(keyword.toUpper(), page);
        }
        static const QRegularExpression link(QStringLiteral("href=\"([a-z]+\\.html)\""));
        auto links = link.globalMatch(html);
        while (links.hasNext()) {
            const QString target = links.next().captured(1);
            EXPECT_TRUE(QFileInfo(dir.filePath(target)).isFile()) << qPrintable(target);
        }
    }
    EXPECT_GE(pages.size(), 15);

    const std::pair<const char*, const char*> topics[] = {{"PUZZLE CONNECTION", "connection.html"},
                                                          {"CROSSWORD OBJECTS", "designer.html"},
                                                          {"crossword objects", "designer.html"},
                                                          {"Report Window", "report.html"},
                                                          {"Tip of the Day", "productinfo.html"},
                                                          {"Word List Editor", "wordlist.html"}};
    for (const auto& [keyword, page] : topics)
        EXPECT_EQ(QFileInfo(THelpWindow::PageForKeyword(BuiltHelp, QLatin1String(keyword))).fileName(),
                  QLatin1String(page))
            << keyword;
    EXPECT_TRUE(THelpWindow::PageForKeyword(BuiltHelp, QStringLiteral("PUZZLE")).isEmpty());
    // Every topic that F1 looks for names a page.
    for (const QString& keyword : HelpKeyTopics())
        EXPECT_FALSE(THelpWindow::PageForKeyword(BuiltHelp, keyword).isEmpty()) << qPrintable(keyword);
}

TEST_F(MainWinHelpTest, F1OpensTheTopicOfTheFocusedWindowAndTypesInTheWordListEditor)
{
    writeSettings([](Settings& s) { s.ShowTips = false; });
    ASSERT_TRUE(QDir().mkpath(programPath(QStringLiteral("help"))));
    for (const QString& page : QDir(BuiltHelp).entryList({QStringLiteral("*.html")}, QDir::Files))
        ASSERT_TRUE(QFile::copy(QDir(BuiltHelp).filePath(page), programPath(QStringLiteral("help/")) + page));
    start();
    showWindow();
    QTest::keyClick(window.get(), Qt::Key_F1);
    auto* help = window->findChild<THelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(fileNameOf(help->CurrentPage()), QStringLiteral("mainwindow.html"));
    help->close();

    // A dialog with a topic of its own, and one without, which shows that of the window it came from.
    QStringList shown;
    onNextDialog([&](QWidget* dialog) {
        QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, Qt::Key_F1);
        if (auto* own = dialog->findChild<THelpWindow*>())
            shown.append(fileNameOf(own->CurrentPage()));
        TNumberDialog::Setup setup;
        setup.Caption = QStringLiteral("Copies");
        TNumberDialog number(window->Context(), setup, dialog);
        number.show();
        QTest::keyClick(&number, Qt::Key_F1);
        if (auto* opened = number.findChild<THelpWindow*>())
            shown.append(fileNameOf(opened->CurrentPage()));
        click(dialog, "ExitButton");
    });
    window->ExportPuzzle();
    EXPECT_EQ(shown, (QStringList{QStringLiteral("transfer.html"), QStringLiteral("transfer.html")}));

    // The word list editor keeps F1 for its first international character.
    TWordList editor(window->Context());
    editor.show();
    auto* title = editor.findChild<QLineEdit*>(QStringLiteral("Title"));
    title->setFocus();
    QTest::keyClick(title, Qt::Key_F1);
    EXPECT_EQ(title->text(), QStringLiteral("\u00e1"));
    EXPECT_EQ(editor.findChild<THelpWindow*>(), nullptr);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(MainWinHelpTest, HelpOpensAtItsContentsAndAtTheDataExchangeKeywordWithBackAndForward)
{
    writeSettings([](Settings& s) { s.ShowTips = false; });
    start();
    // Without help pages the window says where it looked and opens nothing.
    action("MenuHelpContents")->trigger();
    EXPECT_EQ(messages.last().caption, QStringLiteral("Error"));
    EXPECT_TRUE(messages.last().text.contains(QStringLiteral("index.html")));

    ASSERT_TRUE(QDir().mkpath(programPath(QStringLiteral("help"))));
    for (const QString& page : QDir(BuiltHelp).entryList({QStringLiteral("*.html")}, QDir::Files))
        ASSERT_TRUE(QFile::copy(QDir(BuiltHelp).filePath(page), programPath(QStringLiteral("help/")) + page));
    messages.clear();
    showWindow();

    // Ctrl+K: the help window opens beside the main window, which stays usable.
    QTest::keyClick(window.get(), Qt::Key_K, Qt::ControlModifier);
    auto* help = window->findChild<THelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_FALSE(help->isModal());
    QStringList visited{fileNameOf(help->CurrentPage())};
    EXPECT_FALSE(help->findChild<QPushButton*>(QStringLiteral("BackButton"))->isEnabled());
    help->Browser()->setSource(help->CurrentPage().resolved(QUrl(QStringLiteral("wordlist.html"))));
    visited.append(fileNameOf(help->CurrentPage()));
    click(help, "BackButton");
    visited.append(fileNameOf(help->CurrentPage()));
    click(help, "ForwardButton");
    visited.append(fileNameOf(help->CurrentPage()));
    help->OpenPage(programPath(QStringLiteral("help/connection.html")));
    click(help, "ContentsButton");
    visited.append(fileNameOf(help->CurrentPage()));
    EXPECT_TRUE(help->Browser()->toPlainText().contains(QStringLiteral("Contents")));
    EXPECT_EQ(visited.join(QLatin1Char(' ')).toStdString(), "index.html wordlist.html index.html wordlist.html index.html");
    click(help, "CloseButton");
    EXPECT_FALSE(help->isVisible());

    // The Data Exchange item opens the same window again, at its topic.
    action("MenuDataExchange")->trigger();
    EXPECT_EQ(window->findChildren<THelpWindow*>().size(), 1);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(fileNameOf(help->CurrentPage()), QStringLiteral("connection.html"));
    EXPECT_TRUE(help->Browser()->toPlainText().contains(QStringLiteral("Import Puzzles")));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(MainWinHelpTest, TheManualIsBuiltFromTheHelpPagesAndTheNoticeOpensIt)
{
    const QString built = QStringLiteral(QUORVEX_BUILD_DIR "/QORVX.PDF");
    QFile pdf(built);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF-"));

    start();
    onNextDialog([](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("User Manual Notice"));
        click(dialog, "CancelButton");
    });
    window->UserManual();
    EXPECT_TRUE(messages.shown.isEmpty());

    onNextDialog([](QWidget* dialog) {
        EXPECT_TRUE(dialog->findChild<QLabel*>(QStringLiteral("NoticeText"))->text().contains(QStringLiteral("QORVX.PDF")));
        click(dialog, "OkButton");
    });
    window->UserManual();
    EXPECT_EQ(messages.last().caption, QStringLiteral("Error"));
    EXPECT_EQ(messages.last().text, QStringLiteral("The User Manual could not be located.  Please make sure the user manual "
                                                   "was installed.  A copy is available at our web site."));
    EXPECT_TRUE(openedUrls.isEmpty());

    ASSERT_TRUE(QFile::copy(built, programPath(QStringLiteral("QORVX.PDF"))));
    messages.clear();
    onNextDialog([](QWidget* dialog) { click(dialog, "OkButton"); });
    window->UserManual();
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(openedUrls, QList<QUrl>({QUrl::fromLocalFile(programPath(QStringLiteral("QORVX.PDF")))}));

    // No viewer opens it: the user is told which file to open.
    TMainWinHooks hooks = window->Hooks();
    hooks.OpenUrl = [](const QUrl&) { return false; };
    window->SetHooks(hooks);
    onNextDialog([](QWidget* dialog) { click(dialog, "OkButton"); });
    window->UserManual();
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("The User Manual could not be opened: no program to view PDF "
                                                           "documents was found.  The manual is the file ")
                                            + programPath(QStringLiteral("QORVX.PDF")) + QLatin1Char('.')});
    EXPECT_EQ(messages.last().caption, QStringLiteral("Error"));
}

TEST_F(MainWinHelpTest, TheManualHasBookmarksAndPageNumbersForEveryTopicAndNamesEveryCommandAndFormat)
{
    const QString reader = QStandardPaths::findExecutable(QStringLiteral("pdftohtml"));
    if (reader.isEmpty())
        GTEST_SKIP() << "poppler's pdftohtml is not installed";
    // Poppler, another reader, gives the text with its links and the outline.
    const QString xml = run(reader, {QStringLiteral("-xml"), QStringLiteral("-i"), QStringLiteral("-q"),
                                     QStringLiteral("-stdout"), QStringLiteral(QUORVEX_BUILD_DIR "/QORVX.PDF")});
    static const QRegularExpression listed(QStringLiteral("<li><a href=\"[a-z]+\\.html\">([^<]+)</a></li>"));
    auto titles = listed.globalMatch(readAll(THelpWindow::ContentsPage(BuiltHelp)));
    int topics = 0;
    while (titles.hasNext()) {
        const QString title = titles.next().captured(1).toHtmlEscaped();
        SCOPED_TRACE(qPrintable(title));
        ++topics;
        // The contents line links to the page it prints, and the bookmark goes there too.
        const auto line = QRegularExpression(QStringLiteral("#(\\d+)\">%1</a></text>\\s*<text[^>]*>(\\d+)</text>")
                                                 .arg(QRegularExpression::escape(title)))
                              .match(xml);
        const auto mark = QRegularExpression(QStringLiteral("<item page=\"(\\d+)\">%1</item>")
                                                 .arg(QRegularExpression::escape(title)))
                              .match(xml);
        ASSERT_TRUE(line.hasMatch());
        ASSERT_TRUE(mark.hasMatch());
        EXPECT_EQ(line.captured(1), line.captured(2));
        EXPECT_EQ(mark.captured(1), line.captured(2));
    }
    EXPECT_GE(topics, 20);

    // Every command and export format that quorvex-cli's usage lists, as the manual shows them.
    QString text = xml;
    text.remove(QRegularExpression(QStringLiteral("<[^>]*>"))).replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    text = text.simplified();
    const QString usage = run(QStringLiteral(QUORVEX_BUILD_DIR "/quorvex-cli"), {});
    QStringList named;
    auto commands = QRegularExpression(QStringLiteral("quorvex-cli ([a-z-]+)")).globalMatch(usage);
    while (commands.hasNext())
        named.append(QStringLiteral("quorvex-cli ") + commands.next().captured(1) + QLatin1Char(' '));
    // The list of formats may wrap onto the next line after a "|".
    const auto formats = QRegularExpression(QStringLiteral("--format ([a-z|]+(?:\\s+[a-z|]+)?)")).match(usage);
    ASSERT_TRUE(formats.hasMatch()) << qPrintable(usage);
    for (const QString& format : formats.captured(1).simplified().remove(QLatin1Char(' ')).split(QLatin1Char('|')))
        named.append(QStringLiteral("--format ") + format + QLatin1Char(' '));
    EXPECT_GE(named.size(), 20);
    for (const QString& name : named)
        EXPECT_TRUE(text.contains(name)) << qPrintable(name);
}

TEST_F(MainWinHelpTest, AboutOtherProductsAndOrderShowTheirInformation)
{
    start();
    struct Case {
        const char* item;
        const char* caption;
        QStringList mustSay;
    } cases[] = {
        {"MenuAbout", "About Quorvex", {QStringLiteral("Quorvex"), QStringLiteral("Version ") + TProductInfo::Version(),
                                        QLatin1String(qVersion()), QStringLiteral("License")}},
        {"MenuOtherProducts", "Other Products", {QStringLiteral("not sold"), QStringLiteral("buy")}},
        {"MenuOrder", "Order", {QStringLiteral("not sold")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        ASSERT_TRUE(action(c.item)->isEnabled());
        QString caption;
        QString text;
        onNextDialog([&](QWidget* dialog) {
            caption = dialog->windowTitle();
            text = dialog->findChild<QLabel*>(QStringLiteral("InfoText"))->text();
            click(dialog, "OkButton");
        });
        action(c.item)->trigger();
        EXPECT_EQ(caption, QLatin1String(c.caption));
        for (const QString& words : c.mustSay)
            EXPECT_TRUE(text.contains(words, Qt::CaseInsensitive)) << qPrintable(words) << "\n" << qPrintable(text);
    }
    EXPECT_FALSE(TProductInfo::Version().isEmpty());
}
