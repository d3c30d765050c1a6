// The page designer's object menu and property dialogs.
#include "pages/ui/DoPagesTestSupport.h"
#include "ui/TypedTextGuard.h"

#include "pages/PageDesign.h"
#include "pages/ui/BorderInfo.h"
#include "pages/ui/FillInfo.h"
#include "pages/ui/ObjectProperties.h"
#include "pages/ui/ObjectText.h"
#include "pages/ui/PuzzleProperties.h"
#include "pages/ui/SizePosition.h"
#include "shapes/ui/ShapeUiSupport.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <string>
#include <vector>

namespace {

QPushButton* okButton(QDialog* dialog)
{
    return dialog->findChild<QPushButton*>(QStringLiteral("OkButton"));
}

QLineEdit* box(QDialog* dialog, const char* name)
{
    auto* found = dialog->findChild<QLineEdit*>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// A layout holding one object of every kind, in kind order.
TPageLayout everyKind()
{
    TPageLayout layout = BuiltInDefaultLayout();
    layout.ObjectCount = 0;
    for (int kind = 1; kind <= 13; ++kind)
        PageDesign::AddObject(layout, PageDesign::NewPageObject(layout, kind, {10 + (kind - 1) % 3 * 130, 10 + (kind - 1) / 3 * 110},
                                                                48, "Across", "Down"));
    return layout;
}

TEST_F(DoPagesTest, ObjectMenuEnablesTheItemsOfTheKind)
{
    const std::vector<std::string> always{"MenuSizePosition", "MenuDelete", "MenuBringToFront", "MenuSendToBack"};
    const std::vector<std::string> kindItems{"MenuProperties", "MenuBorder", "MenuFill", "MenuChangeText", "MenuTextAlignment",
                                "MenuTextFont", "MenuClueNumberFont", "MenuLoadBitmap"};
    const std::vector<std::string> expected[14] = {
        {},
        {"MenuProperties", "MenuBorder", "MenuTextAlignment", "MenuTextFont"},
        {"MenuProperties", "MenuTextFont", "MenuClueNumberFont"},
        {"MenuProperties", "MenuBorder", "MenuChangeText", "MenuTextAlignment", "MenuTextFont"},
        {"MenuProperties", "MenuBorder", "MenuChangeText", "MenuTextAlignment", "MenuTextFont"},
        {"MenuProperties", "MenuBorder", "MenuTextFont"},
        {"MenuProperties", "MenuBorder", "MenuTextFont"},
        {"MenuProperties", "MenuBorder", "MenuTextFont"},
        {"MenuProperties", "MenuBorder", "MenuTextAlignment", "MenuTextFont"},
        {"MenuProperties", "MenuBorder", "MenuTextFont"},
        {"MenuProperties", "MenuBorder", "MenuChangeText", "MenuTextAlignment", "MenuTextFont"},
        {"MenuBorder", "MenuLoadBitmap"},
        {"MenuBorder", "MenuFill"},
        {"MenuBorder", "MenuFill"},
    };
    auto window = open(everyKind(), TDoPages::DesignMode::Modify, 0);
    ShapeUi::SaveScreenshot(window.get(), QStringLiteral("PageDesignerEveryKind"));
    for (int kind = 1; kind <= 13; ++kind) {
        window->PrepareObjectMenu(kind - 1);
        std::vector<std::string> enabled;
        for (const std::string& name : kindItems)
            if (action(*window, name.c_str())->isEnabled())
                enabled.push_back(name);
        EXPECT_EQ(enabled, expected[kind]) << kind;
        for (const std::string& name : always)
            EXPECT_TRUE(action(*window, name.c_str())->isEnabled()) << kind;
        EXPECT_EQ(action(*window, "MenuTextFont")->text(),
                  kind == ObjectKind::Puzzle ? QStringLiteral("Answer Key Font") : QStringLiteral("Text &Font"));
        const std::int16_t alignment = window->layout().Objects[std::size_t(kind - 1)].Alignment;
        EXPECT_EQ(action(*window, "MenuAlignLeft")->isChecked(), alignment == TextAlignment::Left) << kind;
        EXPECT_EQ(action(*window, "MenuAlignCenter")->isChecked(), alignment == TextAlignment::Center) << kind;
    }
}

TEST_F(DoPagesTest, SizeAndPositionChecksConvertsAndAsksBeforeLeavingThePage)
{
    auto window = open();
    place(*window, ObjectKind::Rectangle, {100, 50});
    QStringList refusals;
    onDialog<TSizePosition>([&](TSizePosition* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Size & Location of Rectangle 1"));
        EXPECT_EQ(dialog->findChild<QGroupBox*>()->title(), QStringLiteral("Values In Inches"));
        EXPECT_EQ(box(dialog, "LeftBox")->text(), QStringLiteral("2.083"));
        EXPECT_EQ(box(dialog, "WidthBox")->text(), QStringLiteral("2.000"));
        // Each check in its order; the dialog stays open after a refusal.
        const struct {
            const char *left, *top, *width, *height;
        } wrong[] = {{"-1", "-1", "0", "0"}, {"x", "0", "1", "1"}, {"0", "-0.1", "0", "0"},
                     {"0", "0", "0", "-1"}, {"0", "0", "1", ""}};
        for (const auto& w : wrong) {
            box(dialog, "LeftBox")->setText(QLatin1String(w.left));
            box(dialog, "TopBox")->setText(QLatin1String(w.top));
            box(dialog, "WidthBox")->setText(QLatin1String(w.width));
            box(dialog, "HeightBox")->setText(QLatin1String(w.height));
            QTest::mouseClick(okButton(dialog), Qt::LeftButton);
            refusals.append(messages.last().text);
            EXPECT_TRUE(dialog->isVisible());
        }
        box(dialog, "LeftBox")->setText(QStringLiteral("0"));
        box(dialog, "TopBox")->setText(QStringLiteral("0"));
        box(dialog, "WidthBox")->setText(QStringLiteral("1"));
        box(dialog, "HeightBox")->setText(QStringLiteral("1"));
        QTest::mouseClick(okButton(dialog), Qt::LeftButton);
    });
    menu(*window, 0, "MenuSizePosition");
    EXPECT_EQ(refusals, (QStringList{QStringLiteral("Invalid left position entered."), QStringLiteral("Invalid left position entered."),
                                     QStringLiteral("Invalid top position entered."), QStringLiteral("Invalid width entered."),
                                     QStringLiteral("Invalid height entered.")}));
    EXPECT_EQ(bounds(*window, 0), (TObjectBounds{0, 0, 48, 48}));

    // Off the page: Yes aborts (the dialog stays, nothing applied), No applies.
    messages.clear();
    messages.answers = {MessageService::Button::Yes, MessageService::Button::No};
    onDialog<TSizePosition>([&](TSizePosition* dialog) {
        box(dialog, "LeftBox")->setText(QStringLiteral("8.5")); // 408, the page's width
        QTest::mouseClick(okButton(dialog), Qt::LeftButton);
        EXPECT_TRUE(dialog->isVisible());
        QTest::mouseClick(okButton(dialog), Qt::LeftButton);
    });
    menu(*window, 0, "MenuSizePosition");
    EXPECT_EQ(messages.texts(),
              QStringList(2, QStringLiteral("The location you have specified will place the object off the page.  Do you wish abort your changes?")));
    EXPECT_EQ(bounds(*window, 0), (TObjectBounds{408, 0, 456, 48}));
    EXPECT_EQ(window->undoStack().count(), 3);
}

TEST_F(DoPagesTest, PropertyDialogsCheckTheirValuesAndApplyOnlyOnOk)
{
    auto window = open(everyKind(), TDoPages::DesignMode::Modify, 0);
    const int combined = ObjectKind::CombinedClues - 1;
    onDialog<TObjectProperties>([&](TObjectProperties* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Properties for Combined Clues"));
        auto* split = dialog->findChild<QCheckBox*>(QStringLiteral("SplitColumns"));
        box(dialog, "ColumnsBox")->setText(QStringLiteral("3"));
        split->click();
        EXPECT_EQ(box(dialog, "ColumnsBox")->text(), QStringLiteral("2"));
        split->click(); // off
        box(dialog, "ColumnsBox")->setText(QStringLiteral("1"));
        split->click();
        EXPECT_EQ(box(dialog, "ColumnsBox")->text(), QStringLiteral("2"));
        box(dialog, "ColumnsBox")->setText(QStringLiteral("5"));
        dialog->findChild<QCheckBox*>(QStringLiteral("Transparent"))->click();
        QTest::mouseClick(okButton(dialog), Qt::LeftButton);
    });
    menu(*window, combined, "MenuProperties");
    const TPageObject& object = window->layout().Objects[std::size_t(combined)];
    EXPECT_EQ(object.Columns, 5);
    EXPECT_TRUE(object.SplitColumns);
    EXPECT_FALSE(object.Transparent);

    // Refusals keep the dialog open; Cancel then changes nothing and leaves no edit to undo.
    const int undoCount = window->undoStack().count();
    const TPageLayout before = window->layout();
    const struct {
        int index;
        const char* field;
        const char* value;
        const char* item;
        const char* message;
    } refusals[] = {
        {ObjectKind::AcrossClues - 1, "ColumnsBox", "0", "MenuProperties", "Invalid columns entered."},
        {ObjectKind::Puzzle - 1, "LineWidthBox", "0", "MenuProperties", "Invalid width entered."},
        {ObjectKind::Title - 1, "WidthBox", "x", "MenuBorder", "Invalid width entered."},
    };
    for (const auto& r : refusals) {
        messages.clear();
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            box(dialog, r.field)->setText(QLatin1String(r.value));
            QTest::mouseClick(okButton(dialog), Qt::LeftButton);
            EXPECT_TRUE(dialog->isVisible());
            messages.answers.push_back(MessageService::Button::Yes); // drop the typed value
            dialog->reject();
        });
        menu(*window, r.index, r.item);
        EXPECT_EQ(messages.texts(), (QStringList{QLatin1String(r.message), TypedTextGuard::Question()})) << r.item;
        EXPECT_EQ(messages.shown.first().caption, QStringLiteral("Error"));
    }
    EXPECT_EQ(window->layout(), before);
    EXPECT_EQ(window->undoStack().count(), undoCount);

    // Title properties have no column box; the puzzle's skeleton disables its fill colour.
    onDialog<TObjectProperties>([&](TObjectProperties* dialog) {
        EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("ColumnsBox")), nullptr);
        dialog->reject();
    });
    menu(*window, ObjectKind::Title - 1, "MenuProperties");
    onDialog<TPuzzleProperties>([&](TPuzzleProperties* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Properties for Puzzle"));
        auto* fill = dialog->findChild<QPushButton*>(QStringLiteral("ChangeFill"));
        EXPECT_TRUE(fill->isEnabled());
        dialog->findChild<QCheckBox*>(QStringLiteral("Skeleton"))->click();
        EXPECT_FALSE(fill->isEnabled());
        box(dialog, "LineWidthBox")->setText(QStringLiteral("3"));
        QTest::mouseClick(okButton(dialog), Qt::LeftButton);
    });
    menu(*window, ObjectKind::Puzzle - 1, "MenuProperties");
    EXPECT_EQ(window->layout().Objects[1].LineWidth, 3);
    EXPECT_TRUE(window->layout().Objects[1].Transparent);

    // Border and fill.
    onDialog<TBorderInfo>([&](TBorderInfo* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Border Info for Circle 1"));
        dialog->findChild<QCheckBox*>(QStringLiteral("UseBorder"))->click();
        EXPECT_FALSE(box(dialog, "WidthBox")->isEnabled());
        EXPECT_FALSE(dialog->findChild<QPushButton*>(QStringLiteral("ChangeColor"))->isEnabled());
        QTest::mouseClick(okButton(dialog), Qt::LeftButton);
    });
    menu(*window, ObjectKind::Circle - 1, "MenuBorder");
    EXPECT_FALSE(window->layout().Objects[12].UseBorder);
    onDialog<TFillInfo>([&](TFillInfo* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Fill Info for Rectangle 1"));
        dialog->findChild<QCheckBox*>(QStringLiteral("Filled"))->click();
        QTest::mouseClick(okButton(dialog), Qt::LeftButton);
    });
    menu(*window, ObjectKind::Rectangle - 1, "MenuFill");
    EXPECT_TRUE(window->layout().Objects[11].Filled);
}

TEST_F(DoPagesTest, ChangeTextCutsHeadingsAndTexts)
{
    auto window = open(everyKind(), TDoPages::DesignMode::Modify, 0);
    onDialog<TObjectText>([&](TObjectText* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Across Header"));
        EXPECT_EQ(box(dialog, "HeaderBox")->text(), QStringLiteral("Across"));
        EXPECT_EQ(box(dialog, "HeaderBox")->maxLength(), 25);
        box(dialog, "HeaderBox")->setText(QStringLiteral("  Sideways  "));
        QTest::mouseClick(okButton(dialog), Qt::LeftButton);
    });
    menu(*window, ObjectKind::AcrossHeader - 1, "MenuChangeText");
    EXPECT_EQ(window->layout().Objects[3].text(), QByteArray("Sideways"));

    onDialog<TObjectText>([&](TObjectText* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Text"));
        auto* text = dialog->findChild<QPlainTextEdit*>(QStringLiteral("TextBox"));
        text->setPlainText(QStringLiteral("one\ntwo"));
        QTest::mouseClick(okButton(dialog), Qt::LeftButton);
    });
    menu(*window, ObjectKind::Text - 1, "MenuChangeText");
    EXPECT_EQ(window->layout().Objects[9].text(), QByteArray("one\r\ntwo"));

    onDialog<TObjectText>([&](TObjectText* dialog) {
        auto* text = dialog->findChild<QPlainTextEdit*>(QStringLiteral("TextBox"));
        text->setPlainText(QString(1200, QLatin1Char('a')));
        EXPECT_EQ(text->toPlainText().size(), 1000);
        QTest::mouseClick(okButton(dialog), Qt::LeftButton);
    });
    menu(*window, ObjectKind::Text - 1, "MenuChangeText");
    EXPECT_EQ(window->layout().Objects[9].text(), QByteArray(999, 'a'));
}

TEST_F(DoPagesTest, BitmapsWarnWhenMissingShowAPlaceholderAndLoadOnlyBmp)
{
    TPageLayout layout = BuiltInDefaultLayout();
    layout.ObjectCount = 0;
    TPageObject bitmap = PageDesign::NewPageObject(layout, ObjectKind::Bitmap, {100, 100}, 48, {}, {});
    bitmap.BitmapFile.setText(QFile::encodeName(startPath(QStringLiteral("gone.bmp"))));
    PageDesign::AddObject(layout, bitmap);
    auto window = open(layout, TDoPages::DesignMode::Modify, 0);
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("A bitmap for this layout could not be located.")});
    EXPECT_EQ(messages.last().caption, QStringLiteral("Warning"));
    // The placeholder: a white picture with a black frame.
    const QImage& page = window->canvas()->picture();
    EXPECT_EQ(page.pixel(100, 150), qRgb(0, 0, 0));
    EXPECT_EQ(page.pixel(195, 150), qRgb(0, 0, 0));
    EXPECT_EQ(page.pixel(110, 110), qRgb(255, 255, 255));

    QImage red(8, 8, QImage::Format_RGB32);
    red.fill(Qt::red);
    const QString bmp = startPath(QStringLiteral("red.BMP"));
    ASSERT_TRUE(red.save(bmp, "BMP"));
    const QString png = startPath(QStringLiteral("red.png"));
    ASSERT_TRUE(red.save(png, "PNG"));
    const QString fake = startPath(QStringLiteral("fake.bmp"));
    {
        QFile file(fake);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not a picture");
    }
    messages.clear();
    messages.files = {png, fake, bmp};
    for (int i = 0; i < 3; ++i)
        menu(*window, 0, "MenuLoadBitmap");
    EXPECT_EQ(messages.texts(), QStringList(2, QStringLiteral("The file selected is not a valid bitmap file.")));
    EXPECT_EQ(messages.fileRequests[0].title, QStringLiteral("Load Bitmap File"));
    EXPECT_EQ(window->layout().Objects[0].BitmapFile.text(), QFile::encodeName(bmp));
    EXPECT_EQ(window->canvas()->picture().pixel(150, 150), qRgb(255, 0, 0));
    window->undoStack().undo();
    EXPECT_EQ(window->layout().Objects[0].BitmapFile.text(), QFile::encodeName(startPath(QStringLiteral("gone.bmp"))));
    EXPECT_EQ(window->canvas()->picture().pixel(110, 110), qRgb(255, 255, 255));
}

} // namespace
