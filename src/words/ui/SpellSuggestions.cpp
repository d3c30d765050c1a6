#include "words/ui/SpellSuggestions.h"

#include "ui/AppContext.h"
#include "ui/MessageService.h"
#include "ui/WindowSetup.h"
#include "words/UserWordList.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int DesignWidth = 420;
constexpr int DesignHeight = 300;

} // namespace

TSpellSuggestions::TSpellSuggestions(AppContext& context, const QString& languageName, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("TSpellSuggestions"));
    setWindowTitle(QStringLiteral("Spelling Suggestions"));
    setModal(true);

    auto* heading = new QLabel(QStringLiteral("The following word was not found in the ") + languageName
                                   + QStringLiteral(" dictionary.  Suggestions are listed below."),
                               this);
    heading->setObjectName(QStringLiteral("Heading"));
    heading->setWordWrap(true);
    m_word = new QLineEdit(this);
    m_word->setObjectName(QStringLiteral("NotFoundWord"));
    m_word->setReadOnly(true);
    m_suggestions = new QListWidget(this);
    m_suggestions->setObjectName(QStringLiteral("SuggestionList"));

    auto* replace = MakeDialogButton("&Replace", "ReplaceButton", this);
    replace->setDefault(true);
    auto* ignore = MakeDialogButton("&Ignore", "IgnoreButton", this);
    auto* add = MakeDialogButton("&Add", "AddButton", this);
    auto* abort = MakeDialogButton("A&bort", "AbortButton", this);
    connect(replace, &QPushButton::clicked, this, &TSpellSuggestions::ReplaceClick);
    connect(ignore, &QPushButton::clicked, this, &TSpellSuggestions::IgnoreClick);
    connect(add, &QPushButton::clicked, this, &TSpellSuggestions::AddClick);
    connect(abort, &QPushButton::clicked, this, &TSpellSuggestions::AbortClick);
    connect(m_suggestions, &QListWidget::itemDoubleClicked, this, &TSpellSuggestions::ReplaceClick);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {replace, ignore, add, abort})
        buttons->addWidget(b);
    buttons->addStretch(1);
    auto* body = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(m_word);
    left->addWidget(m_suggestions, 1);
    body->addLayout(left, 1);
    body->addLayout(buttons);
    auto* root = new QVBoxLayout(this);
    root->addWidget(heading);
    root->addLayout(body, 1);
    resize(DesignWidth, DesignHeight);
}

SpellDecision TSpellSuggestions::Ask(const QString& text, const QStringList& suggestions)
{
    m_decision = {SpellDecision::Abort, {}};
    m_word->setText(text);
    m_suggestions->clear();
    m_suggestions->addItems(suggestions);
    if (m_suggestions->count() > 0)
        m_suggestions->setCurrentRow(0);
    m_suggestions->setFocus();
    exec();
    return m_decision;
}

void TSpellSuggestions::ReplaceClick()
{
    const QListWidgetItem* chosen = m_suggestions->currentItem();
    if (!chosen || !chosen->isSelected()) {
        MessageService::error(this, QStringLiteral("No replacement word has been selected.  Please choose a replacement first."));
        return;
    }
    finish({SpellDecision::Replace, chosen->text()});
}

void TSpellSuggestions::IgnoreClick()
{
    finish({SpellDecision::Ignore, {}});
}

void TSpellSuggestions::AddClick()
{
    const IoResult written = UserWordList::Add(m_context.Spelling.InclusionListPath(), m_word->text());
    if (!written) {
        MessageService::error(this, QStringLiteral("The word could not be added to the dictionary.  ") + written.systemError,
                              QStringLiteral("Disk Error"));
        return;
    }
    finish({SpellDecision::Add, {}});
}

void TSpellSuggestions::AbortClick()
{
    finish({SpellDecision::Abort, {}});
}

void TSpellSuggestions::reject()
{
    finish({SpellDecision::Abort, {}});
}

void TSpellSuggestions::finish(SpellDecision decision)
{
    m_decision = std::move(decision);
    done(QDialog::Accepted);
}

void TSpellSuggestions::showEvent(QShowEvent* event)
{
    PrepareDialog(this, m_context);
    QDialog::showEvent(event);
}
