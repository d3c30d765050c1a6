// Every field whose text is stored in Windows-1252 (records, layouts, settings) refuses what the code
// page cannot hold as it is typed or pasted, instead of saving it as "?".
#include "MainWinTestSupport.h"

#include "render/ui/BonusQuestion.h"
#include "render/ui/ClueHeaders.h"
#include "pages/ui/DoPages.h"
#include "export/ui/HtmlCreation.h"
#include "render/ui/MyReport.h"
#include "pages/ui/ObjectText.h"
#include "puzzle/ui/AddAClue.h"
#include "shapes/ui/DoShapes.h"
#include "words/ui/WordList.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <functional>
#include <memory>

using TextFieldsTest = MainWinTest;

namespace {

struct Field {
    const char* window;
    const char* name;
    std::function<std::unique_ptr<QWidget>(AppContext&)> make;
};

/** The text a field shows, whatever kind of field it is. */
QString textOf(QWidget* field)
{
    if (auto* line = qobject_cast<QLineEdit*>(field))
        return line->text();
    if (auto* box = qobject_cast<QComboBox*>(field))
        return box->currentText();
    return qobject_cast<QPlainTextEdit*>(field)->toPlainText();
}

/** Types text as a keyboard would, one character a key press (QTest's key clicks know ASCII only). */
void typeText(QWidget* widget, const QString& text)
{
    for (const char32_t c : text.toUcs4()) {
        const QString one = QString::fromUcs4(&c, 1);
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, one);
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, one);
        QApplication::sendEvent(widget, &release);
    }
}

} // namespace

TEST_F(TextFieldsTest, StoredTextFieldsRefuseCharactersWindows1252CannotHold)
{
    const TPuzzleRecord puzzle = MakePuzzle("Animals", "Cats");
    const auto wordList = [](AppContext& c) { return std::make_unique<TWordList>(c); };
    const auto designer = [](AppContext& c) {
        return std::make_unique<TDoPages>(c, TPageLayout{}, TDoPages::DesignMode::New, -1);
    };
    const auto webPage = [](AppContext& c) {
        return std::make_unique<THtmlCreation>(c, [](int width) {
            QImage image(width, width, QImage::Format_RGB32);
            image.fill(Qt::white);
            return image;
        });
    };
    const Field fields[] = {
        {"word list", "Title", wordList},
        {"word list", "Category", wordList},
        {"word list", "BonusQuest", wordList},
        {"shape editor", "Title", [](AppContext& c) { return std::make_unique<TDoShapes>(c, int(TDoShapes::NewShape), 0); }},
        {"added clue", "ClueEdit", [](AppContext& c) { return std::make_unique<TAddAClue>(c, QByteArray("CATS")); }},
        {"clue headers", "AcrossHeader", [](AppContext& c) { return std::make_unique<TClueHeaders>(c, QStringLiteral("Clue Headers")); }},
        {"clue headers", "DownHeader", [](AppContext& c) { return std::make_unique<TClueHeaders>(c, QStringLiteral("Clue Headers")); }},
        {"bonus question", "Question", [](AppContext& c) { return std::make_unique<TBonusQuestion>(c, QString()); }},
        {"report", "Letters", [&](AppContext& c) {
             c.settings.PartialLetters = true;
             return std::make_unique<TMyReport>(c, puzzle);
         }},
        {"designer", "NameBox", designer},
        {"text object", "TextBox", [](AppContext& c) { return std::make_unique<TObjectText>(c, PageObjectOf(ObjectKind::Text)); }},
        {"heading object", "HeaderBox", [](AppContext& c) { return std::make_unique<TObjectText>(c, PageObjectOf(ObjectKind::AcrossHeader)); }},
        {"web page", "WebTitle", webPage},
        {"web page", "FirstHeaderText", webPage},
    };
    for (const Field& f : fields) {
        SCOPED_TRACE(std::string(f.window) + " " + f.name);
        AppContext context(startDir.path(), programDir.path());
        std::unique_ptr<QWidget> window = f.make(context);
        window->show();
        auto* field = window->findChild<QWidget*>(QLatin1String(f.name));
        ASSERT_NE(field, nullptr);
        // Typing: the Hungarian and Greek letters are refused, the accented and euro sign kept.
        if (auto* line = qobject_cast<QLineEdit*>(field))
            line->clear();
        else if (auto* area = qobject_cast<QPlainTextEdit*>(field))
            area->clear();
        else
            qobject_cast<QComboBox*>(field)->setEditText(QString());
        QWidget* typed = qobject_cast<QComboBox*>(field) ? qobject_cast<QComboBox*>(field)->lineEdit() : field;
        typeText(typed, QStringLiteral("aŐé€Ω"));
        EXPECT_EQ(textOf(field), QStringLiteral("aé€"));
        // Pasting into a field keeps the rest of what was pasted.
        if (auto* line = qobject_cast<QLineEdit*>(typed)) {
            line->end(false);
            line->insert(QStringLiteral("Őz"));
            EXPECT_EQ(textOf(field), QStringLiteral("aé€z"));
        }
        // Pasting into a text area drops what it cannot hold and keeps the rest with the line break.
        if (auto* area = qobject_cast<QPlainTextEdit*>(field)) {
            area->moveCursor(QTextCursor::End);
            area->insertPlainText(QStringLiteral("\nŐz\U0001F600"));
            EXPECT_EQ(area->toPlainText(), QStringLiteral("aé€\nz"));
        }
    }
}
