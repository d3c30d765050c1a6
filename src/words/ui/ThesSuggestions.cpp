#include "words/ui/ThesSuggestions.h"

#include "ui/AppContext.h"
#include "ui/MessageService.h"
#include "ui/WindowSetup.h"
#include "store/Ansi.h"
#include "words/Thesaurus.h"
#include "words/ui/Thes2Sugs.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int DesignWidth = 560;
constexpr int DesignHeight = 360;
/** Most opposite categories listed. */
constexpr int MaxAntonyms = 25;

QListWidget* makeList(const char* name, QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(QLatin1String(name));
    return list;
}

} // namespace

TThesSuggestions::TThesSuggestions(AppContext& context, int thesaurus, const QString& word, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_code(thesaurus)
{
    setObjectName(QStringLiteral("TThesSuggestions"));
    setWindowTitle(QStringLiteral("Thesaurus Lookup"));
    setModal(true);

    m_word = new QLineEdit(Ansi::trimSpaces(word), this);
    m_word->setObjectName(QStringLiteral("TheWord"));
    auto* lookUp = MakeDialogButton("&Look Up", "LookUpButton", this);
    lookUp->setDefault(true);
    // Made in the order Tab goes through them: the word, the lists, then the buttons below them.
    m_categories = makeList("CategoryList", this);
    m_antonyms = makeList("AntonymList", this);
    m_synonyms = makeList("SynonymList", this);
    auto* suggest = MakeDialogButton("&Suggest", "SuggestButton", this);
    m_accept = MakeDialogButton("&Accept", "AcceptButton", this);
    auto* abort = MakeDialogButton("A&bort", "AbortButton", this);

    connect(lookUp, &QPushButton::clicked, this, &TThesSuggestions::LookUpClick);
    connect(suggest, &QPushButton::clicked, this, &TThesSuggestions::SuggestClick);
    connect(m_accept, &QPushButton::clicked, this, &TThesSuggestions::AcceptClick);
    connect(abort, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_categories, &QListWidget::itemClicked, this, &TThesSuggestions::categoryClicked);
    connect(m_antonyms, &QListWidget::itemClicked, this, &TThesSuggestions::antonymClicked);
    connect(m_synonyms, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        m_word->setText(item->text());
        LookUpClick();
    });

    auto* wordLabel = new QLabel(QStringLiteral("&Word"), this);
    wordLabel->setBuddy(m_word);
    auto* top = new QHBoxLayout;
    top->addWidget(wordLabel);
    top->addWidget(m_word, 1);
    top->addWidget(lookUp);
    auto* lists = new QGridLayout;
    const std::pair<const char*, QListWidget*> columns[] = {
        {"&Categories", m_categories}, {"A&ntonyms", m_antonyms}, {"S&ynonyms", m_synonyms}};
    for (int c = 0; c < 3; ++c) {
        auto* label = new QLabel(QLatin1String(columns[c].first), this);
        label->setBuddy(columns[c].second);
        lists->addWidget(label, 0, c);
        lists->addWidget(columns[c].second, 1, c);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(suggest);
    buttons->addStretch(1);
    buttons->addWidget(m_accept);
    buttons->addWidget(abort);
    auto* root = new QVBoxLayout(this);
    root->addLayout(top);
    root->addLayout(lists, 1);
    root->addLayout(buttons);
    m_accept->setEnabled(false);
    resize(DesignWidth, DesignHeight);
}

TThesSuggestions::~TThesSuggestions() = default;

void TThesSuggestions::showEvent(QShowEvent* event)
{
    const bool first = !m_shown;
    m_shown = true;
    PrepareDialog(this, m_context);
    QDialog::showEvent(event);
    if (!first)
        return;
    m_thesaurus = m_context.SpellingOpen.ThesaurusFor(m_context.Spelling, m_code);
    if (!m_thesaurus) {
        MessageService::error(this, QStringLiteral("Could not find the Thesaurus file."));
        return;
    }
    LookUpClick();
}

void TThesSuggestions::done(int result)
{
    m_thesaurus = nullptr;
    QDialog::done(result);
}

void TThesSuggestions::LookUpClick()
{
    m_categories->clear();
    m_antonyms->clear();
    m_synonyms->clear();
    m_accept->setEnabled(false);
    if (!m_thesaurus)
        return;
    const QStringList categories = m_thesaurus->Categories(Ansi::trimSpaces(m_word->text()));
    if (categories.isEmpty()) {
        MessageService::warning(
            this, QStringLiteral("Word not found in Thesaurus.  Click on \"suggest\" for possible substitute words."));
        return;
    }
    QStringList antonyms;
    for (const QString& category : categories) {
        for (const QString& antonym : m_thesaurus->Antonyms(category)) {
            const QString shown = Thesaurus::ShownName(antonym);
            if (antonyms.size() < MaxAntonyms && !antonyms.contains(shown))
                antonyms.append(shown);
        }
        m_categories->addItem(Thesaurus::ShownName(category));
    }
    m_antonyms->addItems(antonyms);
    m_categories->setCurrentRow(0);
    loadSynonyms(m_categories->item(0)->text());
}

void TThesSuggestions::loadSynonyms(const QString& shown)
{
    m_accept->setEnabled(true);
    m_synonyms->clear();
    if (m_thesaurus)
        m_synonyms->addItems(m_thesaurus->Synonyms(Thesaurus::CategoryName(shown)));
    if (m_synonyms->count() > 0)
        m_synonyms->setCurrentRow(0);
    else
        m_accept->setEnabled(false);
}

void TThesSuggestions::categoryClicked(QListWidgetItem* item)
{
    m_antonyms->clearSelection();
    m_antonyms->setCurrentItem(nullptr);
    loadSynonyms(item->text());
}

void TThesSuggestions::antonymClicked(QListWidgetItem* item)
{
    m_categories->clearSelection();
    m_categories->setCurrentItem(nullptr);
    loadSynonyms(item->text());
}

void TThesSuggestions::SuggestClick()
{
    if (!m_thesaurus)
        return;
    const QString word = Ansi::trimSpaces(m_word->text());
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QStringList suggestions = m_thesaurus->Suggestions(word);
    QApplication::restoreOverrideCursor();
    if (suggestions.isEmpty()) {
        MessageService::error(this, QStringLiteral("No suggestions found for the word ") + word + QLatin1Char('.'));
        return;
    }
    TThes2Sugs choose(m_context, word, suggestions, this);
    if (choose.exec() != QDialog::Accepted || choose.Chosen().isEmpty())
        return;
    m_word->setText(choose.Chosen());
    LookUpClick();
}

void TThesSuggestions::AcceptClick()
{
    const QListWidgetItem* chosen = m_synonyms->currentItem();
    if (!chosen || !chosen->isSelected()) {
        MessageService::error(this, QStringLiteral("No replacement word has been selected.  Please choose a replacement first."));
        return;
    }
    m_result = chosen->text();
    accept();
}
