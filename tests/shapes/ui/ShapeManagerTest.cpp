// The shape manager and the shape list panel in its three hosts, driven through their buttons.
#include "ui/AppContext.h"
#include "shapes/ShapeRecord.h"
#include "shapes/ShapeTestSupport.h"
#include "shapes/ui/DoShapes.h"
#include "shapes/ui/SelectShapes.h"
#include "shapes/ui/ShapeListPanel.h"
#include "shapes/ui/ShapeUiSupport.h"
#include "store/RecordFile.h"
#include "uisupport/UiTestEnvironment.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using ShapeTest::FileBytes;
using ShapeTest::HandRecord;
using ShapeTest::WriteBytes;

namespace {

class ShapeManagerTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        context = std::make_unique<AppContext>(startDir.path(), programDir.path());
        // Three shapes whose list order is their record order.
        records = {HandRecord("Alpha", 10, 10, {{1, 1}, {2, 2}}), HandRecord("Beta", 12, 12, {{3, 3}}),
                   HandRecord("Gamma", 15, 15, {{1, 15}})};
        WriteLibrary(records);
    }

    void WriteLibrary(const QList<QByteArray>& shapes)
    {
        QByteArray bytes;
        for (const QByteArray& s : shapes)
            bytes += s;
        ASSERT_TRUE(WriteBytes(context->ShapeLibraryPath(), bytes));
    }

    QStringList ListTexts(ShapeListPanel* panel)
    {
        QStringList texts;
        auto* list = panel->findChild<QListWidget*>(QStringLiteral("ShapeBox"));
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text();
        return texts;
    }

    QPushButton* Button(QWidget* parent, const char* name)
    {
        auto* button = parent->findChild<QPushButton*>(QLatin1String(name));
        EXPECT_NE(button, nullptr) << name;
        return button;
    }

    std::unique_ptr<AppContext> context;
    QList<QByteArray> records;
};

TEST_F(ShapeManagerTest, OpensOnTheFirstEntryAndDrawsItsShape)
{
    TSelectShapes manager(*context);
    manager.show();
    ShapeListPanel* panel = manager.panel();
    EXPECT_EQ(ListTexts(panel), (QStringList{QStringLiteral("10x10 Alpha"), QStringLiteral("12x12 Beta"), QStringLiteral("15x15 Gamma")}));
    EXPECT_EQ(panel->selectedPosition(), 0);
    EXPECT_EQ(context->CurrentShape.toBytes(), records[0]);
    EXPECT_TRUE(messages.shown.isEmpty());

    // 240 / 10 = 24 pixels a cell: cell (2, 2) is black inside its lines, cell (1, 2) white.
    const QImage preview = ShapeUi::Picture(panel->findChild<QWidget*>(QStringLiteral("LayoutImage")));
    EXPECT_EQ(preview.size(), QSize(240, 240));
    EXPECT_EQ(preview.pixelColor(24 + 12, 24 + 12), QColor(Qt::black));
    EXPECT_EQ(preview.pixelColor(24 + 12, 12), QColor(Qt::white));
    EXPECT_EQ(preview.pixelColor(24, 5), QColor(Qt::black)); // a grid line

    // Clicking another entry loads it; the manager never touches "Last Shape".
    auto* list = panel->findChild<QListWidget*>(QStringLiteral("ShapeBox"));
    list->setCurrentRow(2);
    EXPECT_EQ(context->CurrentShape.toBytes(), records[2]);
    EXPECT_EQ(context->settings.LastShape, 1);
    ShapeUi::SaveScreenshot(&manager, QStringLiteral("SelectShapes"));
}

TEST_F(ShapeManagerTest, DeletingRecordZeroOfThreeMovesTheOthersDownAndKeepsThePosition)
{
    TSelectShapes manager(*context);
    ShapeListPanel* panel = manager.panel();

    // No keeps everything.
    Button(panel, "DeleteShape")->click();
    EXPECT_EQ(messages.last().text, QStringLiteral("Are you sure you want to delete \"10x10 Alpha\"?"));
    EXPECT_EQ(messages.last().caption, QStringLiteral("Delete?"));
    EXPECT_EQ(FileBytes(context->ShapeLibraryPath()).size(), 3 * 2555);

    messages.answers.push_back(MessageService::Button::Yes);
    Button(panel, "DeleteShape")->click();
    EXPECT_EQ(FileBytes(context->ShapeLibraryPath()), records[1] + records[2]);
    EXPECT_EQ(ListTexts(panel), (QStringList{QStringLiteral("12x12 Beta"), QStringLiteral("15x15 Gamma")}));
    EXPECT_EQ(panel->selectedPosition(), 0);
    EXPECT_EQ(panel->selectedNumber(), 0);
    EXPECT_EQ(context->CurrentShape.toBytes(), records[1]);

    // Deleting the last entry selects the new last one.
    panel->findChild<QListWidget*>(QStringLiteral("ShapeBox"))->setCurrentRow(1);
    messages.answers.push_back(MessageService::Button::Yes);
    Button(panel, "DeleteShape")->click();
    EXPECT_EQ(FileBytes(context->ShapeLibraryPath()), records[1]);
    EXPECT_EQ(panel->selectedPosition(), 0);
    EXPECT_EQ(context->CurrentShape.toBytes(), records[1]);
}

TEST_F(ShapeManagerTest, ExportAndImportRoundTripThroughTheDialogs)
{
    TSelectShapes manager(*context);
    ShapeListPanel* panel = manager.panel();
    panel->findChild<QListWidget*>(QStringLiteral("ShapeBox"))->setCurrentRow(1);

    const QString file = startPath(QStringLiteral("beta.LAY"));
    context->settings.LastExportShapeFile = startPath(QStringLiteral("old.LAY"));
    messages.files.push_back(file);
    Button(panel, "ExportShape")->click();
    ASSERT_EQ(messages.fileRequests.size(), 1);
    EXPECT_EQ(messages.fileRequests[0].title, QStringLiteral("Export Puzzle Shape"));
    EXPECT_EQ(messages.fileRequests[0].filter, QStringLiteral("Puzzle Shape (*.LAY)"));
    EXPECT_EQ(messages.fileRequests[0].initialPath, startPath(QStringLiteral("old.LAY")));
    EXPECT_TRUE(messages.fileRequests[0].confirmOverwrite);
    EXPECT_EQ(messages.last().text, QStringLiteral("Puzzle Shape Exported!"));
    EXPECT_EQ(messages.last().caption, QStringLiteral("OK"));
    EXPECT_EQ(FileBytes(file), QByteArray("LAY1.0") + records[1]);
    EXPECT_EQ(context->settings.LastExportShapeFile, file);

    messages.files.push_back(file);
    Button(panel, "ImportShape")->click();
    ASSERT_EQ(messages.fileRequests.size(), 2);
    EXPECT_EQ(messages.fileRequests[1].title, QStringLiteral("Import Puzzle Shape"));
    EXPECT_EQ(messages.fileRequests[1].filter, QStringLiteral("Puzzle Shapes (*.LAY)"));
    EXPECT_EQ(context->settings.LastImportShapeFile, file);
    EXPECT_EQ(FileBytes(context->ShapeLibraryPath()), records[0] + records[1] + records[2] + records[1]);
    EXPECT_EQ(ListTexts(panel).count(QStringLiteral("12x12 Beta")), 2);
    EXPECT_EQ(panel->selectedNumber(), 3);
    EXPECT_EQ(context->CurrentShape.toBytes(), records[1]);
}

TEST_F(ShapeManagerTest, ImportRefusesUnreadableAndCorruptFilesWithoutTouchingTheLibrary)
{
    TSelectShapes manager(*context);
    ShapeListPanel* panel = manager.panel();
    const QByteArray before = FileBytes(context->ShapeLibraryPath());

    const QString lowerTag = startPath(QStringLiteral("lower.LAY"));
    ASSERT_TRUE(WriteBytes(lowerTag, QByteArray("lay1.0") + records[0]));
    const QString shortFile = startPath(QStringLiteral("short.LAY"));
    ASSERT_TRUE(WriteBytes(shortFile, QByteArray("LAY1.0") + records[0].left(2554)));
    const struct {
        QString path;
        QString message;
    } cases[] = {
        {startPath(QStringLiteral("missing.LAY")), QStringLiteral("Puzzle shape could not be imported.")},
        {lowerTag, QStringLiteral("Puzzle shape file is corrupt or incompatible.  Import aborted.")},
        {shortFile, QStringLiteral("Puzzle shape file is corrupt or incompatible.  Import aborted.")},
    };
    for (const auto& c : cases) {
        messages.files.push_back(c.path);
        Button(panel, "ImportShape")->click();
        EXPECT_EQ(messages.last().text, c.message) << c.path.toStdString();
        EXPECT_EQ(messages.last().caption, QStringLiteral("Error"));
        EXPECT_EQ(FileBytes(context->ShapeLibraryPath()), before);
    }
}

TEST_F(ShapeManagerTest, EmptyLibraryWarnsAndOffersOnlyNewAndImport)
{
    ASSERT_TRUE(QFile::remove(context->ShapeLibraryPath()));
    TSelectShapes manager(*context);
    ShapeListPanel* panel = manager.panel();
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("No saved shape information could be found.")});
    EXPECT_EQ(messages.last().caption, QStringLiteral("Warning"));
    EXPECT_FALSE(Button(panel, "ModifyShape")->isEnabled());
    EXPECT_FALSE(Button(panel, "DeleteShape")->isEnabled());
    EXPECT_TRUE(Button(panel, "NewShape")->isEnabled());
    EXPECT_TRUE(Button(panel, "ImportShape")->isEnabled());

    Button(panel, "ExportShape")->click();
    EXPECT_EQ(messages.last().text, QStringLiteral("No shape selected."));
    EXPECT_EQ(messages.last().caption, QStringLiteral("Error"));
    EXPECT_TRUE(messages.fileRequests.isEmpty());

    // The preview shows only the background.
    const QImage preview = ShapeUi::Picture(panel->findChild<QWidget*>(QStringLiteral("LayoutImage")));
    EXPECT_EQ(preview.pixelColor(1, 1), preview.pixelColor(120, 120));
    EXPECT_NE(preview.pixelColor(1, 1), QColor(Qt::black));

    // The first save creates the library and selects the new shape.
    ShapeUi::OnModal<TDoShapes>([](TDoShapes* editor) { editor->findChild<QPushButton*>(QStringLiteral("SaveButton"))->click(); });
    Button(panel, "NewShape")->click();
    EXPECT_EQ(FileBytes(context->ShapeLibraryPath()).size(), 2555);
    EXPECT_EQ(ListTexts(panel), QStringList{QStringLiteral("30x30 New Layout")});
    EXPECT_EQ(panel->selectedNumber(), 0);
    EXPECT_TRUE(Button(panel, "ModifyShape")->isEnabled());
}

TEST_F(ShapeManagerTest, NewCopyAndModifyRefreshTheListAndSelectTheSavedShape)
{
    TSelectShapes manager(*context);
    ShapeListPanel* panel = manager.panel();
    auto* list = panel->findChild<QListWidget*>(QStringLiteral("ShapeBox"));

    // Copy of Beta: the editor opens on "Beta (2)" and appends it.
    list->setCurrentRow(1);
    QString copyTitle;
    ShapeUi::OnModal<TDoShapes>([&copyTitle](TDoShapes* editor) {
        copyTitle = editor->findChild<QLineEdit*>(QStringLiteral("Title"))->text();
        editor->findChild<QPushButton*>(QStringLiteral("SaveButton"))->click();
    });
    Button(panel, "CopyShape")->click();
    EXPECT_EQ(copyTitle, QStringLiteral("Beta (2)"));
    EXPECT_EQ(panel->selectedNumber(), 3);
    EXPECT_EQ(list->currentItem()->text(), QStringLiteral("12x12 Beta (2)"));

    // Modify Gamma under a new title: written over record 2, which stays selected.
    list->setCurrentRow(3);
    ASSERT_EQ(panel->selectedNumber(), 2);
    ShapeUi::OnModal<TDoShapes>([](TDoShapes* editor) {
        editor->findChild<QLineEdit*>(QStringLiteral("Title"))->setText(QStringLiteral("  Aardvark  "));
        editor->findChild<QPushButton*>(QStringLiteral("SaveButton"))->click();
    });
    Button(panel, "ModifyShape")->click();
    EXPECT_EQ(RecordFile::count(context->ShapeLibraryPath(), 2555), 4);
    EXPECT_EQ(panel->selectedNumber(), 2);
    EXPECT_EQ(list->currentItem()->text(), QStringLiteral("15x15 Aardvark"));
    EXPECT_EQ(context->CurrentShape.ShapeTitle.text(), QByteArray("Aardvark"));

    // Cancel leaves library and list as they were.
    const QByteArray before = FileBytes(context->ShapeLibraryPath());
    const QStringList texts = ListTexts(panel);
    ShapeUi::OnModal<TDoShapes>([](TDoShapes* editor) { editor->findChild<QPushButton*>(QStringLiteral("CancelButton"))->click(); });
    Button(panel, "NewShape")->click();
    EXPECT_EQ(FileBytes(context->ShapeLibraryPath()), before);
    EXPECT_EQ(ListTexts(panel), texts);
}

TEST_F(ShapeManagerTest, EditorHostsPreselectLastShapeOrTheCurrentPuzzle)
{
    // New puzzle: "Last Shape" is preselected, a number past the end gives position 0.
    context->settings.LastShape = 2;
    {
        ShapeListPanel panel(*context, ShapeListHost::EditorNewPuzzle, QSize(148, 148));
        EXPECT_EQ(panel.selectedNumber(), 2);
        EXPECT_EQ(context->CurrentShape.toBytes(), records[2]);
        panel.findChild<QListWidget*>(QStringLiteral("ShapeBox"))->setCurrentRow(1);
        EXPECT_EQ(context->settings.LastShape, 1);
    }
    context->settings.LastShape = 9;
    {
        ShapeListPanel panel(*context, ShapeListHost::EditorNewPuzzle, QSize(148, 148));
        EXPECT_EQ(panel.selectedPosition(), 0);
        EXPECT_TRUE(panel.findChild<QListWidget*>(QStringLiteral("ShapeBox"))->isEnabled());
    }

    // Stored puzzle: its own shape is listed and selected, and the whole panel is disabled.
    TPuzzleRecord& puzzle = context->Working.CurrentPuzzle;
    puzzle.GridWidth = 7;
    puzzle.GridHeight = 6;
    puzzle.Grid.fill(0);
    puzzle.Grid[0] = 'A';
    puzzle.Grid[51] = ' ';
    context->Working.IsNewPuzzle = false;
    ShapeListPanel panel(*context, ShapeListHost::EditorExistingPuzzle, QSize(148, 148));
    EXPECT_EQ(ListTexts(&panel).first(), QStringLiteral("10x10 Alpha"));
    EXPECT_TRUE(ListTexts(&panel).contains(QStringLiteral("7x6 <Current Puzzle>")));
    EXPECT_EQ(panel.selectedNumber(), 100000);
    EXPECT_EQ(context->CurrentShape.ShapeWidth, 7);
    EXPECT_EQ(context->CurrentShape.ShapeTitle.text(), QByteArray("<Current Puzzle>"));
    EXPECT_EQ(context->CurrentShape.ShapeCells[0], 1);
    EXPECT_EQ(context->CurrentShape.ShapeCells[51], 1);
    EXPECT_EQ(context->CurrentShape.ShapeCells[1], 0);
    EXPECT_FALSE(panel.findChild<QListWidget*>(QStringLiteral("ShapeBox"))->isEnabled());
    for (const char* name : {"NewShape", "CopyShape", "ModifyShape", "DeleteShape", "ImportShape", "ExportShape"})
        EXPECT_FALSE(Button(&panel, name)->isEnabled()) << name;
    EXPECT_EQ(ShapeUi::Picture(panel.findChild<QWidget*>(QStringLiteral("LayoutImage"))).size(), QSize(148, 148));
}

} // namespace
