// Every Alt+letter of the word list editor reaches one control only.
#include "words/ui/WordList.h"
#include "words/ui/WordListTestSupport.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMap>

namespace {

/** The mnemonic letter of a caption ("Cate&gory" gives 'G'), or a null character. */
QChar Mnemonic(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] != QLatin1Char('&'))
            return text[i + 1].toUpper();
        ++i;
    }
    return {};
}

} // namespace

TEST_F(WordListUiTest, EveryMnemonicOfTheEditorIsItsOwn)
{
    TWordList editor(*context);
    editor.show();
    QMap<QChar, QStringList> owners;
    const auto note = [&owners](const QString& text) {
        if (const QChar letter = Mnemonic(text); !letter.isNull())
            owners[letter].append(text);
    };
    for (const QLabel* label : editor.findChildren<QLabel*>())
        note(label->text());
    for (const QAbstractButton* button : editor.findChildren<QAbstractButton*>())
        note(button->text());
    for (const QGroupBox* box : editor.findChildren<QGroupBox*>())
        note(box->title());
    ASSERT_FALSE(owners.isEmpty());
    for (auto it = owners.cbegin(); it != owners.cend(); ++it)
        EXPECT_EQ(it.value().size(), 1) << "Alt+" << it.key().toLatin1() << ": " << it.value().join(QStringLiteral(", ")).toStdString();
}
