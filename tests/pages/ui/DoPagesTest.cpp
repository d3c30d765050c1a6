// The page designer with the mouse: placing, handles, zoom, palette, undo, paper and saving.
#include "pages/ui/DoPagesTestSupport.h"
#include "ui/HelpWindow.h"

#include <QScreen>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>

namespace {

TEST_F(DoPagesTest, PlacingAnObjectPutsItsDefaultSizeAtTheClickedPoint)
{
    const struct {
        int zoom;
        int kind;
        QPoint at;
        TObjectBounds expected;
        const char* name;
    } cases[] = {
        {1, ObjectKind::Title, {50, 60}, {50, 60, 146, 72}, "Title"},       // 2 x 0.25 inches at 48
        {2, ObjectKind::Title, {50, 60}, {50, 60, 194, 78}, "Title"},       // at 72
        {3, ObjectKind::Puzzle, {10, 20}, {10, 20, 298, 308}, "Puzzle"},    // 3 x 3 inches at 96
        {1, ObjectKind::AcrossHeader, {1, 1}, {1, 1, 97, 13}, "Across Header"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        context->settings.Zoom = c.zoom;
        auto window = open();
        place(*window, c.kind, c.at);
        ASSERT_EQ(window->layout().ObjectCount, 1);
        EXPECT_EQ(bounds(*window, 0), c.expected);
        EXPECT_EQ(window->layout().Objects[0].Name.text(), QByteArray(c.name));
        EXPECT_EQ(window->armedKind(), 0);
        EXPECT_FALSE(window->paletteButton(c.kind)->isEnabled());
        EXPECT_EQ(window->canvas()->selected(), 0);
        ASSERT_EQ(window->objectsMenu()->actions().size(), 1);
        EXPECT_EQ(window->objectsMenu()->actions()[0]->text(), QString::fromLatin1(c.name));
        // The page shows the object's colour inside it and white beside it.
        const QImage& page = window->canvas()->picture();
        EXPECT_NE(page.pixel(c.at + QPoint(20, 5)), qRgb(255, 255, 255));
        EXPECT_EQ(page.pixel(c.expected.Right + 5, c.expected.Bottom + 5), qRgb(255, 255, 255));
    }
    // The headings take their texts from the settings.
    context->settings.AcrossLabel = QStringLiteral("Horizontal");
    auto window = open();
    place(*window, ObjectKind::AcrossHeader, {5, 5});
    EXPECT_EQ(window->layout().Objects[0].text(), QByteArray("Horizontal"));
}

TEST_F(DoPagesTest, PaletteEntryArmsAndDisarms)
{
    auto window = open();
    QToolButton* text = window->paletteButton(ObjectKind::Text);
    QTest::mouseClick(text, Qt::LeftButton);
    EXPECT_EQ(window->armedKind(), ObjectKind::Text);
    EXPECT_TRUE(text->isChecked());
    QTest::mouseClick(window->paletteButton(ObjectKind::Circle), Qt::LeftButton);
    EXPECT_EQ(window->armedKind(), ObjectKind::Circle);
    EXPECT_FALSE(text->isChecked());
    QTest::mouseClick(window->paletteButton(ObjectKind::Circle), Qt::LeftButton);
    EXPECT_EQ(window->armedKind(), 0);
    // A click with nothing armed places nothing.
    QTest::mouseClick(window->canvas(), Qt::LeftButton, {}, QPoint(40, 40));
    EXPECT_EQ(window->layout().ObjectCount, 0);
}

TEST_F(DoPagesTest, RightClickAndTheObjectsMenuOpenTheObjectMenuOnTheirObject)
{
    auto window = open();
    place(*window, ObjectKind::Title, {50, 60});
    place(*window, ObjectKind::Rectangle, {50, 200});
    QTest::mouseClick(window->canvas(), Qt::RightButton, {}, QPoint(70, 230));
    EXPECT_TRUE(window->objectMenu()->isVisible());
    EXPECT_TRUE(action(*window, "MenuFill")->isEnabled()) << "the rectangle's menu";
    window->objectMenu()->hide();
    // A right click on empty page opens nothing.
    QTest::mouseClick(window->canvas(), Qt::RightButton, {}, QPoint(300, 30));
    EXPECT_FALSE(window->objectMenu()->isVisible());

    ASSERT_EQ(window->objectsMenu()->actions().size(), 2);
    EXPECT_EQ(window->objectsMenu()->actions()[1]->text(), QStringLiteral("Rectangle 1"));
    window->objectsMenu()->actions()[0]->trigger();
    EXPECT_TRUE(window->objectMenu()->isVisible());
    EXPECT_FALSE(action(*window, "MenuFill")->isEnabled()) << "the title's menu";
    action(*window, "MenuDelete")->trigger();
    EXPECT_EQ(window->layout().Objects[0].Name.text(), QByteArray("Rectangle 1"));
    window->objectMenu()->hide();

    // On the page, Delete removes the selected object and Escape never closes the window.
    QTest::mouseClick(window->canvas(), Qt::LeftButton, {}, QPoint(70, 230));
    QTest::keyClick(window->canvas(), Qt::Key_Escape);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->canvas()->selected(), std::nullopt);
    QTest::mouseClick(window->canvas(), Qt::LeftButton, {}, QPoint(70, 230));
    QTest::keyClick(window->canvas(), Qt::Key_Delete);
    EXPECT_EQ(window->layout().ObjectCount, 0);
    window->undoStack().undo();
    EXPECT_EQ(window->layout().ObjectCount, 1);
}

TEST_F(DoPagesTest, DraggingMovesAndResizesWithNormalisedBoundsAndLeavesThePictureAlone)
{
    auto window = open();
    place(*window, ObjectKind::Rectangle, {100, 100}); // 100, 100, 196, 196, selected
    const QImage before = window->canvas()->picture();

    // The top-left handle dragged past the bottom-right corner.
    QTest::mousePress(window->canvas(), Qt::LeftButton, {}, QPoint(101, 101));
    QTest::mouseMove(window->canvas(), QPoint(251, 261));
    EXPECT_EQ(window->canvas()->picture(), before) << "the outline is drawn over the picture, not into it";
    EXPECT_EQ(bounds(*window, 0), (TObjectBounds{100, 100, 196, 196}));
    QTest::mouseRelease(window->canvas(), Qt::LeftButton, {}, QPoint(251, 261));
    EXPECT_EQ(bounds(*window, 0), (TObjectBounds{196, 196, 250, 260}));
    EXPECT_EQ(window->canvas()->selected(), 0);

    // A press inside the object moves it; the bottom-middle handle moves only the bottom edge.
    drag(*window, {220, 220}, {200, 250});
    EXPECT_EQ(bounds(*window, 0), (TObjectBounds{176, 226, 230, 290}));
    drag(*window, {176 + 27, 290}, {0, 300});
    EXPECT_EQ(bounds(*window, 0), (TObjectBounds{176, 226, 230, 300}));

    // A press on empty page clears the selection and drags nothing.
    drag(*window, {600, 20}, {620, 40});
    EXPECT_EQ(window->canvas()->selected(), std::nullopt);
    EXPECT_EQ(bounds(*window, 0), (TObjectBounds{176, 226, 230, 300}));
    EXPECT_EQ(window->undoStack().count(), 4); // place, resize, move, resize
}

TEST_F(DoPagesTest, ZoomRescalesOnOpeningAndWhenChanged)
{
    TPageLayout saved = BuiltInDefaultLayout(); // drawn at zoom Small
    saved.Objects[0].Bounds = {33, 47, 101, 200};
    const struct {
        int zoom;
        TObjectBounds title;
        TObjectBounds puzzle;
        QSize page;
    } cases[] = {
        {1, {33, 47, 101, 200}, {96, 76, 312, 292}, {408, 528}},
        {2, {49, 70, 151, 300}, {144, 114, 468, 438}, {612, 792}},
        {3, {66, 94, 202, 400}, {192, 152, 624, 584}, {816, 1056}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.zoom);
        context->settings.Zoom = c.zoom;
        auto window = open(saved, TDoPages::DesignMode::Modify, 0);
        EXPECT_EQ(bounds(*window, 0), c.title);
        EXPECT_EQ(bounds(*window, 1), c.puzzle);
        EXPECT_EQ(window->canvas()->picture().size(), c.page);
        EXPECT_EQ(QSize(window->layout().PixelWidth, window->layout().PixelHeight), c.page);
    }
    // Small -> Large doubles, Large -> Medium takes three quarters; the setting follows.
    context->settings.Zoom = 1;
    auto window = open(saved, TDoPages::DesignMode::Modify, 0);
    action(*window, "MenuLarge")->trigger();
    EXPECT_EQ(window->zoom(), 3);
    EXPECT_EQ(context->settings.Zoom, 3);
    EXPECT_EQ(bounds(*window, 0), (TObjectBounds{66, 94, 202, 400}));
    // Scrolled to its far corner, the large page keeps its rulers in sight and beside it.
    window->resize(500, 400);
    QTest::qWait(20);
    auto* scroll = window->findChild<QScrollArea*>(QStringLiteral("PageScroll"));
    scroll->ensureVisible(window->canvas()->width(), window->canvas()->height());
    const QPoint corner = window->canvas()->mapFrom(scroll->viewport(), QPoint(5, 5)); // far from the page's origin
    const auto* top = window->findChild<QWidget*>(QStringLiteral("TopRuler"));
    const auto* left = window->findChild<QWidget*>(QStringLiteral("LeftRuler"));
    EXPECT_TRUE(corner.x() > 100 && !top->visibleRegion().isEmpty() && !left->visibleRegion().isEmpty());
    EXPECT_EQ(top->mapTo(window.get(), corner).x(), window->canvas()->mapTo(window.get(), corner).x());
    EXPECT_EQ(left->mapTo(window.get(), corner).y(), window->canvas()->mapTo(window.get(), corner).y());
    action(*window, "MenuMedium")->trigger();
    EXPECT_EQ(bounds(*window, 0), (TObjectBounds{49, 70, 151, 300}));
    EXPECT_EQ(window->layout().DesignZoom, 2);
}

TEST_F(DoPagesTest, PaletteClosesAtTwentyObjectsAndReopensAfterADelete)
{
    auto window = open();
    place(*window, ObjectKind::Title, {0, 0});
    for (int i = 1; i < PageLimits::Objects; ++i)
        place(*window, ObjectKind::Rectangle, {10 * i, 10 * i + 20});
    ASSERT_EQ(window->layout().ObjectCount, 20);
    EXPECT_EQ(window->layout().Objects[19].Name.text(), QByteArray("Rectangle 19"));
    for (int kind = 1; kind <= 13; ++kind)
        EXPECT_FALSE(window->paletteButton(kind)->isEnabled()) << kind;
    // A click on an entry of a full page arms nothing.
    QTest::mouseClick(window->paletteButton(ObjectKind::Text), Qt::LeftButton);
    EXPECT_EQ(window->armedKind(), 0);

    menu(*window, 7, "MenuDelete");
    EXPECT_EQ(window->layout().ObjectCount, 19);
    EXPECT_EQ(window->objectsMenu()->actions().size(), 19);
    for (int kind = 2; kind <= 13; ++kind)
        EXPECT_TRUE(window->paletteButton(kind)->isEnabled()) << kind;
    EXPECT_FALSE(window->paletteButton(ObjectKind::Title)->isEnabled());
    menu(*window, 0, "MenuDelete");
    EXPECT_TRUE(window->paletteButton(ObjectKind::Title)->isEnabled());
}

TEST_F(DoPagesTest, CombinedCluesAndTheSeparateListsExcludeEachOther)
{
    const std::vector<int> separate{ObjectKind::AcrossHeader, ObjectKind::DownHeader, ObjectKind::AcrossClues,
                                    ObjectKind::DownClues};
    auto window = open();
    place(*window, ObjectKind::CombinedClues, {10, 10});
    for (int kind : separate)
        EXPECT_FALSE(window->paletteButton(kind)->isEnabled()) << kind;
    EXPECT_TRUE(window->paletteButton(ObjectKind::WordList)->isEnabled());
    menu(*window, 0, "MenuDelete");
    for (int kind : separate)
        EXPECT_TRUE(window->paletteButton(kind)->isEnabled()) << kind;

    place(*window, ObjectKind::DownClues, {10, 10});
    EXPECT_FALSE(window->paletteButton(ObjectKind::CombinedClues)->isEnabled());
    // Undoing the placement opens Combined Clues again; redoing closes it.
    window->undoStack().undo();
    EXPECT_TRUE(window->paletteButton(ObjectKind::CombinedClues)->isEnabled());
    window->undoStack().redo();
    EXPECT_FALSE(window->paletteButton(ObjectKind::CombinedClues)->isEnabled());
}

TEST_F(DoPagesTest, UndoAndRedoRestoreEveryKindOfEdit)
{
    auto window = open();
    place(*window, ObjectKind::Title, {50, 60});
    place(*window, ObjectKind::Circle, {200, 200});
    const TPageLayout placed = window->layout();
    drag(*window, {60, 65}, {90, 105}); // select and move the title
    EXPECT_EQ(bounds(*window, 0), (TObjectBounds{80, 100, 176, 112}));

    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(bounds(*window, 0), (TObjectBounds{50, 60, 146, 72}));
    EXPECT_EQ(window->layout(), placed);
    QTest::keyClick(window.get(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(bounds(*window, 0), (TObjectBounds{80, 100, 176, 112}));

    // Front and back, delete and a property change undo in turn.
    menu(*window, 0, "MenuBringToFront");
    EXPECT_EQ(window->layout().Objects[1].Kind, ObjectKind::Title);
    menu(*window, 1, "MenuAlignRight");
    EXPECT_EQ(window->layout().Objects[1].Alignment, TextAlignment::Right);
    menu(*window, 0, "MenuDelete");
    EXPECT_EQ(window->layout().ObjectCount, 1);
    for (int i = 0; i < 3; ++i)
        window->undoStack().undo();
    EXPECT_EQ(window->layout().ObjectCount, 2);
    EXPECT_EQ(window->layout().Objects[0].Kind, ObjectKind::Title);
    EXPECT_EQ(window->layout().Objects[0].Alignment, TextAlignment::Center);
    EXPECT_EQ(window->objectsMenu()->actions()[0]->text(), QStringLiteral("Title"));

    // An edit made at Small is undone at the zoom now shown.
    action(*window, "MenuLarge")->trigger();
    window->undoStack().undo(); // the move
    EXPECT_EQ(bounds(*window, 0), (TObjectBounds{100, 120, 292, 144}));
    window->undoStack().undo();
    window->undoStack().undo();
    EXPECT_EQ(window->layout().ObjectCount, 0);
    EXPECT_FALSE(QFileInfo::exists(context->PageFilePath())) << "nothing reaches the page file before Save";
}

TEST_F(DoPagesTest, SaveAppendsOrOverwritesAndReadsBackByteForByte)
{
    for (const char* name : {"First", "Second", "Third"}) {
        TPageLayout layout = BuiltInDefaultLayout();
        layout.LayoutName.setText(name);
        ASSERT_TRUE(AppendLayout(context->PageFilePath(), layout).isOk());
    }
    const auto record = [this](qint64 n) {
        TPageLayout layout;
        EXPECT_TRUE(LoadLayout(context->PageFilePath(), n, layout).isOk());
        return layout.toBytes();
    };
    const QByteArray first = record(0);
    const QByteArray third = record(2);

    auto window = open();
    window->findChild<QLineEdit*>(QStringLiteral("NameBox"))->setText(QStringLiteral("  Weekly Page  "));
    place(*window, ObjectKind::Title, {48, 48});
    place(*window, ObjectKind::Text, {48, 100});
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("SaveButton")), Qt::LeftButton);
    EXPECT_TRUE(window->saved());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(QFileInfo(context->PageFilePath()).size(), 4 * 28868);
    EXPECT_EQ(record(3), window->layout().toBytes());
    EXPECT_EQ(window->layout().LayoutName.text(), QByteArray("Weekly Page"));
    EXPECT_EQ(window->layout().DesignZoom, 1);
    EXPECT_EQ(window->layout().PixelWidth, 408);

    TPageLayout second;
    ASSERT_TRUE(LoadLayout(context->PageFilePath(), 1, second).isOk());
    context->settings.Zoom = 2;
    auto modify = open(second, TDoPages::DesignMode::Modify, 1);
    drag(*modify, {100, 100}, {110, 100}); // the default title, now at 72 per inch
    action(*modify, "MenuSave")->trigger();
    EXPECT_TRUE(modify->saved());
    EXPECT_EQ(QFileInfo(context->PageFilePath()).size(), 4 * 28868);
    EXPECT_EQ(record(1), modify->layout().toBytes());
    EXPECT_EQ(modify->layout().DesignZoom, 2);
    EXPECT_EQ(record(0), first);
    EXPECT_EQ(record(2), third);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(DoPagesTest, SaveThatCannotWriteKeepsTheDesignerOpen)
{
    QDir(programDir.path()).mkdir(QStringLiteral("QVFPAGE.DAT")); // a folder where the page file should be
    auto window = open();
    place(*window, ObjectKind::Title, {48, 48});
    action(*window, "MenuSave")->trigger();
    EXPECT_FALSE(window->saved());
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(messages.shown.size(), 1);
    // The program's message, then the system's reason on the next line.
    EXPECT_TRUE(messages.last().text.startsWith(QStringLiteral("Unable to add page layout.\n"))) << messages.last().text.toStdString();
    EXPECT_EQ(messages.last().caption, QStringLiteral("Disk Error"));
    EXPECT_EQ(window->layout().ObjectCount, 1);
}

TEST_F(DoPagesTest, CancelExitAndCloseBoxAskBeforeDroppingChangesAndRememberTheWindow)
{
    context->settings.PageDesignerWindowWidth = 600;
    context->settings.PageDesignerWindowHeight = 500;
    const QString question = QStringLiteral("Page layout has been modified.  Save changes?");
    {   // Unchanged, or changed only in zoom, or changed and undone: closes without a question.
        auto window = open();
        window->SetZoom(3);
        place(*window, ObjectKind::Title, {48, 48});
        window->undoStack().undo();
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("CancelButton")), Qt::LeftButton);
        EXPECT_FALSE(window->isVisible());
        EXPECT_TRUE(messages.shown.isEmpty());
    }
    // Back to the window that fits the screen beside its remembered place (the large zoom grew it).
    context->settings.Zoom = 2;
    context->settings.PageDesignerWindowWidth = 600;
    context->settings.PageDesignerWindowHeight = 500;
    auto window = open();
    place(*window, ObjectKind::Title, {48, 48});
    window->move(30, 40);
    // Cancel keeps designing, whichever way the window was asked to close.
    messages.answers = {MessageService::Button::Cancel, MessageService::Button::Cancel, MessageService::Button::Cancel};
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("CancelButton")), Qt::LeftButton);
    action(*window, "MenuExit")->trigger();
    window->close();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(messages.texts(), QStringList(3, question));
    EXPECT_EQ(messages.last().caption, QStringLiteral("Warning"));
    EXPECT_EQ(window->layout().ObjectCount, 1);
    // A new name alone is a change; No discards without writing.
    window->undoStack().undo();
    window->findChild<QLineEdit*>(QStringLiteral("NameBox"))->setText(QStringLiteral("Quiz"));
    messages.clear();
    messages.answers = {MessageService::Button::No};
    window->close();
    EXPECT_EQ(messages.texts(), QStringList{question});
    EXPECT_FALSE(window->saved());
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(QFileInfo::exists(context->PageFilePath()));
    EXPECT_EQ(context->settings.PageDesignerWindowLeft, 30);
    EXPECT_EQ(context->settings.PageDesignerWindowWidth, window->width());
    // Opened again, it comes back where it was left, not moved by its frame; Yes saves.
    auto again = open();
    // The designer grew to show the whole page, so it comes back at its place kept within the screen.
    const QRect screen = again->screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(again->geometry())) << again->width() << "x" << again->height();
    if (30 + again->width() <= screen.right() + 1 && 40 + again->height() <= screen.bottom() + 1) {
        EXPECT_EQ(again->pos(), QPoint(30, 40));
    }
    EXPECT_EQ(again->size(), window->size());
    place(*again, ObjectKind::Text, {48, 48});
    messages.answers = {MessageService::Button::Yes};
    QTest::mouseClick(again->findChild<QPushButton*>(QStringLiteral("CancelButton")), Qt::LeftButton);
    EXPECT_TRUE(again->saved());
    EXPECT_FALSE(again->isVisible());
    EXPECT_EQ(QFileInfo(context->PageFilePath()).size(), 28868);
}

TEST_F(DoPagesTest, PaperSizeOrientationAndCustomSizes)
{
    auto window = open();
    auto* paper = window->findChild<QComboBox*>(QStringLiteral("PaperBox"));
    auto* width = window->findChild<QLineEdit*>(QStringLiteral("WidthBox"));
    auto* height = window->findChild<QLineEdit*>(QStringLiteral("HeightBox"));
    auto* inches = window->findChild<QCheckBox*>(QStringLiteral("InchesBox"));
    EXPECT_FALSE(width->isVisible());

    QTest::mouseClick(window->findChild<QRadioButton*>(QStringLiteral("LandscapeButton")), Qt::LeftButton);
    EXPECT_EQ(QSizeF(window->layout().PaperWidth, window->layout().PaperHeight), QSizeF(11, 8.5));
    paper->setCurrentText(QStringLiteral("A4")); // landscape A4 in centimetres, no warning
    EXPECT_EQ(QSizeF(window->layout().PaperWidth, window->layout().PaperHeight), QSizeF(29.7, 21));
    EXPECT_FALSE(window->layout().UseInches);
    EXPECT_EQ(window->canvas()->picture().size(), QSize(594, 420));
    EXPECT_TRUE(messages.shown.isEmpty());

    paper->setCurrentText(QStringLiteral("Custom"));
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Some printers do not support odd sized pages.  Printed results may vary.")});
    EXPECT_TRUE(width->isVisible());
    EXPECT_EQ(width->text(), QStringLiteral("29.70"));
    EXPECT_EQ(height->text(), QStringLiteral("21.00"));
    EXPECT_FALSE(inches->isChecked());

    messages.clear();
    height->setText(QStringLiteral("8"));
    emit height->editingFinished();
    EXPECT_EQ(messages.last().text, QStringLiteral("Height must be between 10 and 46 centimeters.  Please re-enter height."));
    EXPECT_EQ(messages.last().caption, QStringLiteral("Error"));
    EXPECT_EQ(window->layout().PaperHeight, 21);
    action(*window, "MenuSave")->trigger();
    EXPECT_FALSE(window->saved()) << "an invalid custom size stops the save";
    EXPECT_FALSE(QFileInfo::exists(context->PageFilePath()));

    height->setText(QStringLiteral("20"));
    emit height->editingFinished();
    EXPECT_EQ(window->layout().PaperHeight, 20);
    EXPECT_EQ(window->canvas()->picture().height(), 400);

    place(*window, ObjectKind::Circle, {100, 100}); // 2 x 2 cm: 100, 100, 140, 140
    QTest::mouseClick(inches, Qt::LeftButton);
    EXPECT_TRUE(window->layout().UseInches);
    EXPECT_DOUBLE_EQ(window->layout().PaperWidth, 11.69);
    EXPECT_DOUBLE_EQ(window->layout().PaperHeight, 7.87);
    EXPECT_EQ(width->text(), QStringLiteral("11.69"));
    EXPECT_EQ(bounds(*window, 0), (TObjectBounds{94, 94, 132, 132}));

    // Going back to a standard paper needs no valid custom size to save.
    width->setText(QStringLiteral("99"));
    paper->setCurrentText(QStringLiteral("Letter"));
    messages.clear();
    action(*window, "MenuSave")->trigger();
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_TRUE(window->saved());
    EXPECT_EQ(window->layout().PaperName.text(), QByteArray("Letter"));
}

} // namespace

TEST_F(DoPagesTest, HelpOpensTheCrosswordObjectsTopic)
{
    const QDir built(QStringLiteral(QUORVEX_BUILD_DIR "/help"));
    ASSERT_TRUE(QDir().mkpath(programPath(QStringLiteral("help"))));
    for (const QString& page : built.entryList({QStringLiteral("*.html")}, QDir::Files))
        ASSERT_TRUE(QFile::copy(built.filePath(page), programPath(QStringLiteral("help/")) + page));
    auto window = open();
    QAction* help = action(*window, "MenuHelp");
    ASSERT_TRUE(help->isEnabled());
    help->trigger();
    // The help window belongs to the designer, so it can be read while the designer is open.
    auto* helpWindow = window->findChild<THelpWindow*>();
    ASSERT_NE(helpWindow, nullptr);
    EXPECT_TRUE(helpWindow->isVisible());
    const QString shown = QFileInfo(helpWindow->CurrentPage().toLocalFile()).fileName();
    EXPECT_EQ(shown, QStringLiteral("designer.html"));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(DoPagesTest, CtrlXCutsInTheNameBoxAndExitsElsewhere)
{
    auto window = open();
    place(*window, ObjectKind::Title, {48, 48});
    auto* name = window->findChild<QLineEdit*>(QStringLiteral("NameBox"));
    name->setText(QStringLiteral("Quiz Sheet"));
    name->setFocus();
    name->setSelection(4, 6);
    QTest::keyClick(name, Qt::Key_X, Qt::ControlModifier);
    EXPECT_TRUE(window->isVisible()) << "cutting text must not discard the design";
    EXPECT_EQ(name->text(), QStringLiteral("Quiz"));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral(" Sheet"));

    window->findChild<QWidget*>(QStringLiteral("PageScroll"))->setFocus();
    QTest::keyClick(window.get(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->saved());
}
