// Windows that close without keeping what they hold ask before they drop what was typed into them.
#include "uisupport/UiTestEnvironment.h"

#include "render/ui/BonusQuestion.h"
#include "render/ui/ClueHeaders.h"
#include "export/ui/HtmlCreation.h"
#include "pages/ui/ObjectText.h"
#include "shapes/ui/DoShapes.h"
#include "store/Ansi.h"
#include "ui/AppContext.h"
#include "ui/TypedTextGuard.h"
#include "words/ui/MyEditBox.h"

#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <functional>
#include <memory>

using TypedTextGuardTest = UiTest;

TEST_F(TypedTextGuardTest, EscapeAndTheCloseBoxAskBeforeDroppingTypedTextAndCloseAtOnceWithout)
{
    AppContext context(startDir.path(), programDir.path());
    TPageObject text;
    text.Kind = ObjectKind::Text;
    text.setText("Name: ________");
    struct Window {
        const char* name;
        std::function<std::unique_ptr<QDialog>()> make;
        /** Types into the window (a text field, or what else it keeps until Ok). */
        std::function<void(QDialog*)> type;
    };
    const auto typeInto = [](const char* field) {
        return [field](QDialog* window) {
            QWidget* box = window->findChild<QWidget*>(QLatin1String(field));
            ASSERT_NE(box, nullptr) << field;
            box->setFocus();
            QTest::keyClicks(box, QStringLiteral("typed"));
        };
    };
    const Window windows[] = {
        {"bonus question", [&] { return std::make_unique<TBonusQuestion>(context, QStringLiteral("Which?")); },
         typeInto("Question")},
        {"clue headers", [&] { return std::make_unique<TClueHeaders>(context, QStringLiteral("Clue Headers")); },
         typeInto("DownHeader")},
        {"text object", [&] { return std::make_unique<TObjectText>(context, text); }, typeInto("TextBox")},
        {"web page", [&] { return std::make_unique<THtmlCreation>(context, [](int) { return QImage(); }); },
         typeInto("WebTitle")},
        {"shape editor", [&] { return std::make_unique<TDoShapes>(context, TDoShapes::NewShape, -1); }, typeInto("Title")},
        {"dictionary maintenance",
         [&] { return std::make_unique<TMyEditBox>(context, TMyEditBox::ListKind::Inclusion); },
         [](QDialog* window) {
             // A word added to the list is a change too, though the field is empty again.
             auto* field = window->findChild<QLineEdit*>(QStringLiteral("AddInfo"));
             QTest::keyClicks(field, QStringLiteral("zorble"));
             QTest::keyClick(field, Qt::Key_Return);
             ASSERT_TRUE(field->text().isEmpty());
         }},
    };
    for (const Window& w : windows) {
        SCOPED_TRACE(w.name);
        messages.clear();
        const std::unique_ptr<QDialog> untouched = w.make();
        untouched->show();
        QTest::keyClick(untouched.get(), Qt::Key_Escape);
        EXPECT_FALSE(untouched->isVisible());
        EXPECT_TRUE(messages.shown.isEmpty());

        const std::unique_ptr<QDialog> window = w.make();
        window->show();
        w.type(window.get());
        // No keeps the window and its text, whether Escape or the close box asked.
        QTest::keyClick(window.get(), Qt::Key_Escape);
        window->close();
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(messages.texts(), QStringList(2, TypedTextGuard::Question()));
        EXPECT_EQ(messages.last().caption, QStringLiteral("Warning"));
        messages.answers.push_back(MessageService::Button::Yes);
        window->close();
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(window->result(), QDialog::Rejected);
    }
}
