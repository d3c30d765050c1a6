#include "ui/AppContext.h"
#include "pages/DefaultLayout.h"
#include "pages/PageFile.h"
#include "pages/ui/ExtractAPuzzle.h"
#include "pages/ui/ListPages.h"
#include "store/Collection.h"
#include "uisupport/UiTestEnvironment.h"

#include <QApplication>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

// Readable failure output for texts.
static void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

constexpr qint64 LayoutBytes = 28868;

TPageLayout namedLayout(const char* name, const char* paper = "Letter")
{
    TPageLayout layout = BuiltInDefaultLayout();
    layout.LayoutName.setText(QByteArray(name));
    layout.PaperName.setText(QByteArray(paper));
    return layout;
}

class ListPagesTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        context = std::make_unique<AppContext>(startDir.path(), programDir.path());
        QFile::remove(context->PageFilePath());
        context->settings.DefaultPage = 99; // no entry marked unless a test says so
    }
    void TearDown() override
    {
        TListPages::setDesigner({});
        UiTest::TearDown();
    }

    // A page file holding the named layouts in this record order.
    void writeLayouts(std::initializer_list<const char*> names)
    {
        for (const char* name : names)
            ASSERT_TRUE(AppendLayout(context->PageFilePath(), namedLayout(name)).isOk());
    }

    std::unique_ptr<TListPages> open(int mode = TListPages::Manage, TPageLayout* target = nullptr)
    {
        auto window = std::make_unique<TListPages>(*context, mode, target);
        window->show();
        return window;
    }

    static QPushButton* button(QWidget* window, const char* name)
    {
        auto* b = window->findChild<QPushButton*>(QLatin1String(name));
        EXPECT_NE(b, nullptr) << name;
        return b;
    }
    static QListWidget* list(QWidget* window) { return window->findChild<QListWidget*>(QStringLiteral("PageList")); }
    static QStringList listTexts(QWidget* window)
    {
        QStringList out;
        for (int i = 0; i < list(window)->count(); ++i)
            out.append(list(window)->item(i)->text());
        return out;
    }
    static void clickRow(QWidget* window, int row)
    {
        QListWidget* l = list(window);
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(row)).center());
    }
    qint64 pageFileSize() const { return QFileInfo(context->PageFilePath()).size(); }
    QString loadedName(const TListPages& window) const
    {
        return window.loadedLayout() ? QString::fromLatin1(window.loadedLayout()->LayoutName.text()) : QString();
    }

    std::unique_ptr<AppContext> context;
};

TEST_F(ListPagesTest, MissingOrEmptyPageFileWarnsAndDisablesTheRecordCommands)
{
    for (const bool zeroBytes : {false, true}) {
        SCOPED_TRACE(zeroBytes ? "0-byte file" : "missing file");
        messages.clear();
        QFile::remove(context->PageFilePath());
        if (zeroBytes) {
            QFile file(context->PageFilePath());
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        TPageLayout target = namedLayout("Untouched");
        auto window = open(TListPages::ChooseForPuzzle, &target);
        ASSERT_EQ(messages.shown.size(), 1);
        EXPECT_EQ(messages.last().text, QStringLiteral("No saved page layouts could be found."));
        EXPECT_EQ(messages.last().caption, QStringLiteral("Warning"));
        EXPECT_EQ(list(window.get())->count(), 0);
        for (const char* name : {"SelectButton", "DeleteButton", "CopyButton", "ModifyButton", "ExportButton", "NewButton"})
            EXPECT_FALSE(button(window.get(), name)->isEnabled()) << name;
        for (const char* name : {"ImportButton", "DefaultButton", "ExtractButton", "ExitButton"})
            EXPECT_TRUE(button(window.get(), name)->isEnabled()) << name;

        QTest::mouseClick(button(window.get(), "DefaultButton"), Qt::LeftButton);
        EXPECT_EQ(messages.last().text, QStringLiteral("No page layout selected."));
        EXPECT_EQ(messages.last().caption, QStringLiteral("Error"));
        EXPECT_EQ(context->settings.DefaultPage, 99);
        EXPECT_EQ(target.LayoutName.text(), QByteArray("Untouched"));
    }
}

TEST_F(ListPagesTest, ListIsSortedAndSetDefaultMovesTheMark)
{
    writeLayouts({"Zeta", "alpha", "Mid"});
    context->settings.DefaultPage = 2;
    auto window = open();
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Puzzle Page Layouts"));
    EXPECT_EQ(listTexts(window.get()),
              (QStringList{QStringLiteral("alpha (Letter)"), QStringLiteral("Mid (Letter)  <<DEFAULT>>"), QStringLiteral("Zeta (Letter)")}));
    // The first entry is selected, loaded and drawn.
    EXPECT_EQ(window->selectedNumber(), 1);
    EXPECT_EQ(loadedName(*window), QStringLiteral("alpha"));

    clickRow(window.get(), 2);
    EXPECT_EQ(loadedName(*window), QStringLiteral("Zeta"));
    QTest::mouseClick(button(window.get(), "DefaultButton"), Qt::LeftButton);
    EXPECT_EQ(context->settings.DefaultPage, 0);
    EXPECT_EQ(listTexts(window.get()),
              (QStringList{QStringLiteral("alpha (Letter)"), QStringLiteral("Mid (Letter)"), QStringLiteral("Zeta (Letter)  <<DEFAULT>>")}));
    EXPECT_EQ(list(window.get())->currentRow(), 2);
    EXPECT_EQ(window->selectedNumber(), 0);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(ListPagesTest, DeletingTheOnlyLayoutLeavesAnEmptyFileAndList)
{
    writeLayouts({"Only"});
    auto window = open();
    // No keeps the layout; Yes deletes it.
    QTest::mouseClick(button(window.get(), "DeleteButton"), Qt::LeftButton);
    EXPECT_EQ(pageFileSize(), LayoutBytes);
    messages.answers.push_back(MessageService::Button::Yes);
    QTest::mouseClick(button(window.get(), "DeleteButton"), Qt::LeftButton);
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(messages.shown[1].text, QStringLiteral("Are you sure you want to delete \"Only (Letter)\"?"));
    EXPECT_EQ(messages.shown[1].caption, QStringLiteral("Delete?"));
    EXPECT_TRUE(QFileInfo::exists(context->PageFilePath()));
    EXPECT_EQ(pageFileSize(), 0);
    EXPECT_EQ(list(window.get())->count(), 0);
    EXPECT_FALSE(window->loadedLayout().has_value());
    EXPECT_FALSE(button(window.get(), "DeleteButton")->isEnabled());
    EXPECT_FALSE(button(window.get(), "ExportButton")->isEnabled());
}

TEST_F(ListPagesTest, DeleteKeepsThePositionOrTakesTheLastEntry)
{
    struct Case {
        int row;
        QStringList remaining;
        int selectedRow;
        const char* loaded;
    };
    const Case cases[] = {
        {0, {QStringLiteral("B (Letter)"), QStringLiteral("C (Letter)")}, 0, "B"},
        {1, {QStringLiteral("A (Letter)"), QStringLiteral("C (Letter)")}, 1, "C"},
        {2, {QStringLiteral("A (Letter)"), QStringLiteral("B (Letter)")}, 1, "B"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        QFile::remove(context->PageFilePath());
        writeLayouts({"C", "A", "B"});
        auto window = open();
        clickRow(window.get(), c.row);
        messages.answers.push_back(MessageService::Button::Yes);
        QTest::mouseClick(button(window.get(), "DeleteButton"), Qt::LeftButton);
        EXPECT_EQ(pageFileSize(), 2 * LayoutBytes);
        EXPECT_EQ(listTexts(window.get()), c.remaining);
        EXPECT_EQ(list(window.get())->currentRow(), c.selectedRow);
        EXPECT_EQ(loadedName(*window), QLatin1String(c.loaded));
        // The entries carry the record numbers of the shortened file.
        for (const TLayoutEntry& entry : window->entries()) {
            TPageLayout stored;
            ASSERT_TRUE(LoadLayout(context->PageFilePath(), entry.Number, stored).isOk());
            EXPECT_EQ(LayoutDisplayText(stored), entry.Text);
        }
    }
}

TEST_F(ListPagesTest, ExportAndImportRoundTrip)
{
    writeLayouts({"A", "B"});
    TPageLayout custom = namedLayout("Custom One", "Custom");
    custom.PaperWidth = 8.25;
    custom.PaperHeight = 11.75;
    ASSERT_TRUE(AppendLayout(context->PageFilePath(), custom).isOk());
    context->settings.LastExportLayoutFile = startPath(QStringLiteral("before.PAG"));
    auto window = open();
    EXPECT_EQ(listTexts(window.get()).at(2), QStringLiteral("Custom One (Custom 8\" x 12\")"));
    clickRow(window.get(), 2);

    const QString exported = startPath(QStringLiteral("custom.PAG"));
    messages.files.push_back(exported);
    QTest::mouseClick(button(window.get(), "ExportButton"), Qt::LeftButton);
    ASSERT_EQ(messages.fileRequests.size(), 1);
    EXPECT_EQ(messages.fileRequests[0].title, QStringLiteral("Export Page Layouts"));
    EXPECT_EQ(messages.fileRequests[0].filter, QStringLiteral("Page Layouts (*.PAG)"));
    EXPECT_EQ(messages.fileRequests[0].defaultSuffix, QStringLiteral("PAG"));
    EXPECT_EQ(messages.fileRequests[0].initialPath, startPath(QStringLiteral("before.PAG")));
    EXPECT_EQ(messages.last().text, QStringLiteral("Page Layout Exported!"));
    EXPECT_EQ(messages.last().caption, QStringLiteral("OK"));
    EXPECT_EQ(context->settings.LastExportLayoutFile, exported);
    QFile file(exported);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_EQ(bytes.size(), 6 + LayoutBytes);
    EXPECT_EQ(bytes.left(6), QByteArray("PAG1.0"));
    EXPECT_EQ(bytes.mid(6), custom.toBytes());

    messages.clear();
    messages.files.push_back(exported);
    QTest::mouseClick(button(window.get(), "ImportButton"), Qt::LeftButton);
    ASSERT_EQ(messages.fileRequests.size(), 1);
    EXPECT_EQ(messages.fileRequests[0].title, QStringLiteral("Import Page Layouts"));
    EXPECT_EQ(messages.fileRequests[0].filter, QStringLiteral("Page Layouts (*.PAG)"));
    EXPECT_EQ(context->settings.LastImportLayoutFile, exported);
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(pageFileSize(), 4 * LayoutBytes);
    EXPECT_EQ(window->selectedNumber(), 3);
    ASSERT_TRUE(window->loadedLayout().has_value());
    EXPECT_EQ(window->loadedLayout()->toBytes(), custom.toBytes());
    EXPECT_EQ(list(window.get())->currentItem()->text(), QStringLiteral("Custom One (Custom 8\" x 12\")"));

    // A cancelled dialog changes nothing.
    messages.clear();
    QTest::mouseClick(button(window.get(), "ImportButton"), Qt::LeftButton);
    EXPECT_EQ(pageFileSize(), 4 * LayoutBytes);
    EXPECT_EQ(context->settings.LastImportLayoutFile, exported);
}

TEST_F(ListPagesTest, FaultyImportFilesAddNothing)
{
    writeLayouts({"A"});
    const QByteArray record = namedLayout("Imported").toBytes();
    struct Case {
        const char* label;
        QByteArray content; // empty: no file at all
        const char* message;
    };
    const Case cases[] = {
        {"missing", {}, "Page layout could not be imported."},
        {"one byte short", QByteArray("PAG1.0") + record.left(LayoutBytes - 1),
         "Page layout file is corrupt or incompatible.  Import aborted."},
        {"wrong tag", QByteArray("LAY1.0") + record, "Page layout file is corrupt or incompatible.  Import aborted."},
        {"tag only", QByteArray("PA"), "Page layout file is corrupt or incompatible.  Import aborted."},
    };
    auto window = open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const QString path = startPath(QLatin1String(c.label) + QStringLiteral(".PAG"));
        if (!c.content.isEmpty()) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.content);
        }
        messages.clear();
        messages.files.push_back(path);
        QTest::mouseClick(button(window.get(), "ImportButton"), Qt::LeftButton);
        EXPECT_EQ(messages.texts(), QStringList{QLatin1String(c.message)});
        EXPECT_EQ(messages.last().caption, QStringLiteral("Error"));
        EXPECT_EQ(pageFileSize(), LayoutBytes);
        EXPECT_EQ(list(window.get())->count(), 1);
    }
    // Another version with a whole record is accepted.
    const QString other = startPath(QStringLiteral("other.PAG"));
    QFile file(other);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("PAG9.9") + record);
    file.close();
    messages.clear();
    messages.files.push_back(other);
    QTest::mouseClick(button(window.get(), "ImportButton"), Qt::LeftButton);
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(listTexts(window.get()), (QStringList{QStringLiteral("A (Letter)"), QStringLiteral("Imported (Letter)")}));
    EXPECT_EQ(loadedName(*window), QStringLiteral("Imported"));
}

TEST_F(ListPagesTest, SelectCopiesTheLayoutInChoosingModesOnly)
{
    writeLayouts({"First", "Second"});
    for (const int mode : {1, 2, 3}) {
        SCOPED_TRACE(mode);
        TPageLayout target = namedLayout("Before");
        auto window = open(mode, &target);
        clickRow(window.get(), 1);
        QPushButton* select = button(window.get(), "SelectButton");
        EXPECT_EQ(select->isEnabled(), mode != TListPages::Manage);
        QTest::mouseClick(select, Qt::LeftButton);
        if (mode == TListPages::Manage) {
            EXPECT_EQ(target.LayoutName.text(), QByteArray("Before"));
            EXPECT_TRUE(window->isVisible());
        } else {
            EXPECT_EQ(target, namedLayout("Second"));
            EXPECT_EQ(window->result(), QDialog::Accepted);
            EXPECT_FALSE(window->isVisible());
        }
        EXPECT_TRUE(messages.shown.isEmpty());
    }
}

TEST_F(ListPagesTest, ExtractAppendsThePuzzleLayout)
{
    writeLayouts({"Existing"});
    context->Working.CurrentCollection = startPath(QStringLiteral("GROUP.QV3"));
    const struct {
        const char* category;
        const char* title;
        const char* layout;
        const char* paper;
    } puzzles[] = {{"Animals", "Zebras", "Zoo Page", "A4"}, {"Birds", "Albatross", "Sea Page", "Legal"}};
    for (const auto& p : puzzles) {
        TPuzzleRecord puzzle;
        puzzle.Category.setText(QByteArray(p.category));
        puzzle.Title.setText(QByteArray(p.title));
        SetLayoutOfPuzzle(puzzle, namedLayout(p.layout, p.paper));
        ASSERT_TRUE(AppendPuzzle(context->Working.CurrentCollection, puzzle).isOk());
    }
    auto window = open();

    // The dialog lists the titles sorted; the first is preselected. Take the second: Zebras.
    QStringList listed;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<TExtractAPuzzle*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Extract Page Layout From Puzzle"));
        auto* puzzleList = dialog->findChild<QTreeWidget*>(QStringLiteral("PuzzleList"));
        for (int i = 0; i < puzzleList->topLevelItemCount(); ++i)
            listed.append(puzzleList->topLevelItem(i)->text(0) + QLatin1Char('/') + puzzleList->topLevelItem(i)->text(1));
        EXPECT_TRUE(puzzleList->topLevelItem(0)->isSelected());
        puzzleList->setCurrentItem(puzzleList->topLevelItem(1));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("ExtractButton")), Qt::LeftButton);
    });
    QTest::mouseClick(button(window.get(), "ExtractButton"), Qt::LeftButton);

    EXPECT_EQ(listed, (QStringList{QStringLiteral("Albatross/Birds"), QStringLiteral("Zebras/Animals")}));
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(pageFileSize(), 2 * LayoutBytes);
    EXPECT_EQ(listTexts(window.get()), (QStringList{QStringLiteral("Existing (Letter)"), QStringLiteral("Zoo Page (A4)")}));
    EXPECT_EQ(window->selectedNumber(), 1);
    ASSERT_TRUE(window->loadedLayout().has_value());
    EXPECT_EQ(*window->loadedLayout(), namedLayout("Zoo Page", "A4"));
}

TEST_F(ListPagesTest, ExtractFromAnEmptyCollectionOffersNothing)
{
    context->Working.CurrentCollection = startPath(QStringLiteral("NONE.QV3"));
    bool extractEnabled = true;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<TExtractAPuzzle*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        extractEnabled = dialog->findChild<QPushButton*>(QStringLiteral("ExtractButton"))->isEnabled();
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("CancelButton")), Qt::LeftButton);
    });
    auto window = open();
    messages.clear();
    QTest::mouseClick(button(window.get(), "ExtractButton"), Qt::LeftButton);
    EXPECT_FALSE(extractEnabled);
    EXPECT_FALSE(QFileInfo::exists(context->PageFilePath()));
    EXPECT_EQ(list(window.get())->count(), 0);
}

TEST_F(ListPagesTest, DesignerCommandsFollowAnInstalledDesigner)
{
    writeLayouts({"Weekly", "Daily"});
    {
        auto window = open();
        for (const char* name : {"NewButton", "ModifyButton", "CopyButton"})
            EXPECT_FALSE(button(window.get(), name)->isEnabled()) << name;
    }
    // A stand-in designer that saves what it was given as the real one would.
    QList<TListPages::DesignMode> modes;
    QByteArrayList names;
    TListPages::setDesigner([&](AppContext&, QWidget*, const TPageLayout& layout, TListPages::DesignMode mode, qint64 n) {
        modes.append(mode);
        names.append(layout.LayoutName.text());
        TPageLayout saved = layout;
        if (mode == TListPages::DesignMode::Modify) {
            saved.LayoutName.setText(QByteArray("Renamed"));
            return ReplaceLayout(context->PageFilePath(), n, saved).isOk();
        }
        return AppendLayout(context->PageFilePath(), saved).isOk();
    });
    auto window = open();
    clickRow(window.get(), 1); // Weekly, record 0
    QTest::mouseClick(button(window.get(), "CopyButton"), Qt::LeftButton);
    EXPECT_EQ(window->selectedNumber(), 2);
    EXPECT_EQ(loadedName(*window), QStringLiteral("Weekly (2)"));
    QTest::mouseClick(button(window.get(), "ModifyButton"), Qt::LeftButton);
    EXPECT_EQ(window->selectedNumber(), 2);
    EXPECT_EQ(loadedName(*window), QStringLiteral("Renamed"));
    EXPECT_EQ(names, (QByteArrayList{"Weekly (2)", "Weekly (2)"}));
    EXPECT_EQ(modes, (QList<TListPages::DesignMode>{TListPages::DesignMode::Copy, TListPages::DesignMode::Modify}));
    EXPECT_EQ(listTexts(window.get()),
              (QStringList{QStringLiteral("Daily (Letter)"), QStringLiteral("Renamed (Letter)"), QStringLiteral("Weekly (Letter)")}));
}

} // namespace
