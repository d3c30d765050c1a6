// From the layout list through the designer to a printed page: New, Modify and Copy with the real
// designer, the saved layout chosen for a puzzle and drawn with its objects where they were placed.
#include "pages/ui/DoPagesTestSupport.h"

#include "export/RasterExport.h"
#include "shapes/ui/ShapeUiSupport.h"
#include "store/Collection.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

class DoPagesRoadTest : public DoPagesTest {
protected:
    void SetUp() override
    {
        DoPagesTest::SetUp();
        TListPages::setDesigner(&TDoPages::Run);
        TPageLayout weekly = BuiltInDefaultLayout();
        weekly.LayoutName.setText("Weekly");
        ASSERT_TRUE(AppendLayout(context->PageFilePath(), weekly).isOk());
    }
    void TearDown() override
    {
        TListPages::setDesigner({});
        DoPagesTest::TearDown();
    }

    static QPushButton* button(QWidget* window, const char* name)
    {
        return window->findChild<QPushButton*>(QLatin1String(name));
    }
    static void selectText(TListPages& list, const QString& text)
    {
        auto* widget = list.findChild<QListWidget*>(QStringLiteral("PageList"));
        const auto items = widget->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << text.toStdString();
        widget->setCurrentItem(items[0]);
    }
    qint64 records() const { return QFileInfo(context->PageFilePath()).size() / 28868; }
};

TEST_F(DoPagesRoadTest, NewModifyAndCopyFromTheLayoutListThenPrintThroughTheLayout)
{
    ModalWatchdog watchdog(20000);
    TListPages list(*context, TListPages::Manage, nullptr);
    list.show();
    for (const char* name : {"NewButton", "ModifyButton", "CopyButton"})
        EXPECT_TRUE(button(&list, name)->isEnabled()) << name;

    // New: a title, a grid, two clue lists and a text box.
    onDialog<TDoPages>([&](TDoPages* designer) {
        EXPECT_EQ(designer->windowTitle(), QStringLiteral("Page Creator"));
        designer->findChild<QLineEdit*>(QStringLiteral("NameBox"))->setText(QStringLiteral("Designed"));
        place(*designer, ObjectKind::Title, {48, 24});
        place(*designer, ObjectKind::Puzzle, {120, 60});
        place(*designer, ObjectKind::AcrossClues, {24, 220});
        place(*designer, ObjectKind::DownClues, {216, 220});
        place(*designer, ObjectKind::Text, {24, 400});
        ShapeUi::SaveScreenshot(designer, QStringLiteral("PageDesigner"));
        QTest::mouseClick(button(designer, "SaveButton"), Qt::LeftButton);
    });
    QTest::mouseClick(button(&list, "NewButton"), Qt::LeftButton);
    EXPECT_EQ(records(), 2);
    EXPECT_EQ(list.selectedNumber(), 1);
    ASSERT_TRUE(list.loadedLayout().has_value());
    EXPECT_EQ(list.loadedLayout()->LayoutName.text(), QByteArray("Designed"));
    EXPECT_EQ(list.loadedLayout()->ObjectCount, 5);
    EXPECT_EQ(list.loadedLayout()->Objects[4].Bounds, (TObjectBounds{24, 400, 120, 496}));

    // Modify: the title moves right by 12 pixels; the record is overwritten in place.
    onDialog<TDoPages>([&](TDoPages* designer) {
        drag(*designer, {60, 30}, {72, 30});
        QTest::mouseClick(button(designer, "SaveButton"), Qt::LeftButton);
    });
    QTest::mouseClick(button(&list, "ModifyButton"), Qt::LeftButton);
    EXPECT_EQ(records(), 2);
    EXPECT_EQ(list.selectedNumber(), 1);
    EXPECT_EQ(list.loadedLayout()->Objects[0].Bounds, (TObjectBounds{60, 24, 156, 36}));

    // Copy: a new name, appended; Cancel in the designer writes nothing.
    onDialog<TDoPages>([&](TDoPages* designer) {
        EXPECT_EQ(designer->findChild<QLineEdit*>(QStringLiteral("NameBox"))->text(), QStringLiteral("Designed (2)"));
        QTest::mouseClick(button(designer, "SaveButton"), Qt::LeftButton);
    });
    QTest::mouseClick(button(&list, "CopyButton"), Qt::LeftButton);
    EXPECT_EQ(records(), 3);
    EXPECT_EQ(list.selectedNumber(), 2);
    onDialog<TDoPages>([&](TDoPages* designer) {
        place(*designer, ObjectKind::Circle, {300, 300});
        QTest::mouseClick(button(designer, "CancelButton"), Qt::LeftButton);
    });
    QTest::mouseClick(button(&list, "NewButton"), Qt::LeftButton);
    EXPECT_EQ(records(), 3);
    EXPECT_FALSE(watchdog.fired());

    // Chosen for a puzzle, the layout prints with its objects where the designer put them.
    TPageLayout chosen;
    TListPages chooser(*context, TListPages::ChooseForPuzzle, &chosen);
    chooser.show();
    selectText(chooser, QStringLiteral("Designed (Letter)"));
    QTest::mouseClick(button(&chooser, "SelectButton"), Qt::LeftButton);
    TPageLayout designed;
    ASSERT_TRUE(LoadLayout(context->PageFilePath(), 1, designed).isOk());
    EXPECT_EQ(chosen, designed);
    // With a screenshot folder, the layout is also left there as an export file for other tools.
    if (const QString shots = qEnvironmentVariable("QUORVEX_SCREENSHOTS"); !shots.isEmpty()) {
        EXPECT_TRUE(ExportPageLayout(chosen, QDir(shots).filePath(QStringLiteral("Designed.PAG"))).isOk());
    }

    TPuzzleRecord puzzle;
    ASSERT_TRUE(ReadPuzzle(QStringLiteral(QUORVEX_BUILD_DIR "/SAMPLE.QV3"), 0, puzzle).isOk());
    SetLayoutOfPuzzle(puzzle, chosen);
    // At the design width one image pixel is one design pixel.
    const QImage page = RasterExport::renderPageImage(puzzle, chosen, {}, chosen.PixelWidth,
                                                      RasterExport::PixelFormat::Rgb24).Image;
    ASSERT_EQ(page.size(), QSize(408, 528));
    const auto inked = [&page](QRect area) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += page.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
        return count;
    };
    for (int i = 0; i < chosen.ObjectCount; ++i) {
        const TObjectBounds& b = chosen.Objects[std::size_t(i)].Bounds;
        EXPECT_GT(inked(QRect(QPoint(b.Left, b.Top), QPoint(b.Right - 1, b.Bottom - 1))), 0) << i;
    }
    // Nothing was placed right of the text box or left of the title.
    EXPECT_EQ(inked(QRect(QPoint(130, 400), QPoint(400, 520))), 0);
    EXPECT_EQ(inked(QRect(QPoint(0, 0), QPoint(20, 210))), 0);
}

} // namespace
