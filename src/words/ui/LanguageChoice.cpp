#include "words/ui/LanguageChoice.h"

#include "ui/AppContext.h"
#include "ui/WindowSetup.h"
#include "words/SpellLanguages.h"

#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

/** Design width of the choice dialogs; the height follows the number of buttons. */
constexpr int DesignWidth = 240;
constexpr int DesignRowHeight = 26;
constexpr int DesignFrameHeight = 70;

QList<TLanguageChoice::Option> spellingOptions(const AppContext& context)
{
    QList<TLanguageChoice::Option> options;
    for (int code = Spelling::FirstLanguage; code <= Spelling::LastLanguage; ++code)
        options.append({code, QLatin1String(Spelling::Language(code).Caption), context.Spelling.LanguageAvailable(code)});
    return options;
}

QList<TLanguageChoice::Option> thesaurusOptions(const AppContext& context)
{
    QList<TLanguageChoice::Option> options;
    for (int code : {Spelling::AmericanThesaurus, Spelling::BritishThesaurus})
        options.append({code, Spelling::ThesaurusCaption(code), context.Spelling.ThesaurusAvailable(code)});
    return options;
}

} // namespace

TLanguageChoice::TLanguageChoice(AppContext& context, const QString& caption, const QList<Option>& options,
                                 int& remembered, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
{
    setWindowTitle(caption);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    int preset = 0;
    for (const Option& option : options) {
        if (option.Enabled && (preset == 0 || option.Code == remembered))
            preset = option.Code;
    }
    for (const Option& option : options) {
        auto* button = new QRadioButton(option.Caption, this);
        button->setObjectName(QStringLiteral("Language%1").arg(option.Code));
        button->setEnabled(option.Enabled);
        button->setChecked(option.Code == preset);
        const int code = option.Code;
        connect(button, &QRadioButton::clicked, this, [&remembered, code] { remembered = code; });
        layout->addWidget(button);
        m_buttons.append({option.Code, button});
    }
    layout->addLayout(OkCancelRow(this));
    resize(DesignWidth, DesignFrameHeight + DesignRowHeight * int(options.size()));
}

int TLanguageChoice::Chosen() const
{
    for (const auto& [code, button] : m_buttons)
        if (button->isChecked())
            return code;
    return 0;
}

void TLanguageChoice::showEvent(QShowEvent* event)
{
    PrepareDialog(this, m_context);
    QDialog::showEvent(event);
}

TChooseSpellCheck::TChooseSpellCheck(AppContext& context, QWidget* parent)
    : TLanguageChoice(context, QStringLiteral("Spell Check"), spellingOptions(context), context.settings.UserDictionary,
                      parent)
{
    setObjectName(QStringLiteral("TChooseSpellCheck"));
}

TChooseThesCheck::TChooseThesCheck(AppContext& context, QWidget* parent)
    : TLanguageChoice(context, QStringLiteral("Thesaurus"), thesaurusOptions(context), context.settings.UserThesaurus,
                      parent)
{
    setObjectName(QStringLiteral("TChooseThesCheck"));
}
