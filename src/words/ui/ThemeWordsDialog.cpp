#include "words/ui/ThemeWordsDialog.h"

#include "store/Limits.h"
#include "store/Settings.h"
#include "ui/AppContext.h"
#include "ui/MessageService.h"
#include "ui/TypedTextGuard.h"
#include "ui/WindowSetup.h"
#include "ui/Windows1252Text.h"
#include "words/ThemeWords.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int DesignWidth = 640;
constexpr int DesignHeight = 440;
/** Words listed unless the user asks for another number. */
constexpr int DefaultCount = 25;
/** The engine's shortest word. */
constexpr int ShortestWord = 3;

QSpinBox* makeSpin(const char* name, int low, int high, int value, QWidget* parent)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QLatin1String(name));
    spin->setRange(low, high);
    spin->setValue(value);
    return spin;
}

} // namespace

TThemeWords::TThemeWords(AppContext& context, const LexicalSource& source, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_source(source)
{
    setObjectName(QStringLiteral("TThemeWords"));
    setWindowTitle(QStringLiteral("Theme Words"));
    setModal(true);

    m_topicField = new QLineEdit(this);
    m_topicField->setObjectName(QStringLiteral("Topic"));
    AcceptWindows1252Only(m_topicField);
    // Return looks the typed topic up; in a clue list it only ends the typing, so no pick is lost.
    auto* lookUp = MakeDialogButton("&Look Up", "LookUpButton", this);
    connect(m_topicField, &QLineEdit::returnPressed, this, &TThemeWords::LookUpClick);
    m_meaning = new QComboBox(this);
    m_meaning->setObjectName(QStringLiteral("Meaning"));
    m_meaning->setEnabled(false);
    m_count = makeSpin("WordCount", 1, Limits::WordSlots, DefaultCount, this);
    m_shortest = makeSpin("Shortest", 1, Limits::WordLength, ShortestWord, this);
    m_longest = makeSpin("Longest", 1, Limits::WordLength, Limits::WordLength, this);
    m_found = new QLabel(this);
    m_found->setObjectName(QStringLiteral("FoundLabel"));
    m_rarer = new QCheckBox(QStringLiteral("Show &rarer words"), this);
    m_rarer->setObjectName(QStringLiteral("RarerBox"));
    m_classroom = new QCheckBox(QStringLiteral("Classroom words o&nly"), this);
    m_classroom->setObjectName(QStringLiteral("ClassroomBox"));
    m_classroom->setChecked(m_context.settings.ClassroomWords);
    m_related = new QLabel(this);
    m_related->setObjectName(QStringLiteral("RelatedLabel"));
    m_related->setWordWrap(true);
    m_table = new ClueChoiceTable(this);
    auto* tickAll = MakeDialogButton("Tick &All", "TickAllButton", this);
    m_add = MakeDialogButton("A&dd", "AddButton", this);
    m_add->setEnabled(false);
    auto* cancel = MakeDialogButton("&Cancel", "CancelButton", this);

    connect(lookUp, &QPushButton::clicked, this, &TThemeWords::LookUpClick);
    connect(m_meaning, &QComboBox::activated, this, &TThemeWords::listWords);
    connect(m_rarer, &QCheckBox::toggled, this, &TThemeWords::listWords);
    connect(m_classroom, &QCheckBox::toggled, this, [this](bool on) {
        m_context.settings.ClassroomWords = on;
        listWords();
    });
    connect(m_related, &QLabel::linkActivated, this, [this](const QString& topic) {
        m_topicField->setText(topic);
        LookUpClick();
    });
    connect(tickAll, &QPushButton::clicked, this, [this] { m_table->tickAll(true); });
    connect(m_table, &ClueChoiceTable::choicesChanged, this, [this] { m_add->setEnabled(!m_table->choices().isEmpty()); });
    connect(m_add, &QPushButton::clicked, this, [this] {
        m_chosen = m_table->choices();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* form = new QGridLayout;
    const auto label = [this](const char* caption, QWidget* buddy) {
        auto* l = new QLabel(QLatin1String(caption), this);
        l->setBuddy(buddy);
        return l;
    };
    form->addWidget(label("&Topic", m_topicField), 0, 0);
    form->addWidget(m_topicField, 0, 1, 1, 5);
    form->addWidget(lookUp, 0, 6);
    form->addWidget(label("&Meaning", m_meaning), 1, 0);
    form->addWidget(m_meaning, 1, 1, 1, 6);
    form->addWidget(label("&Words", m_count), 2, 0);
    form->addWidget(m_count, 2, 1);
    form->addWidget(label("&Shortest", m_shortest), 2, 2);
    form->addWidget(m_shortest, 2, 3);
    form->addWidget(label("L&ongest", m_longest), 2, 4);
    form->addWidget(m_longest, 2, 5);
    form->addWidget(m_rarer, 3, 1, 1, 3);
    form->addWidget(m_classroom, 3, 4, 1, 3);
    form->setColumnStretch(6, 1);
    auto* root = new QVBoxLayout(this);
    root->addLayout(form);
    root->addWidget(m_table, 1);
    root->addWidget(m_related);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_found, 1);
    buttons->addWidget(tickAll);
    buttons->addWidget(m_add);
    buttons->addWidget(cancel);
    root->addLayout(buttons);
    resize(DesignWidth, DesignHeight);
}

void TThemeWords::LookUpClick()
{
    m_topic = m_topicField->text().trimmed();
    m_meaning->clear();
    m_table->setEntries({});
    m_found->clear();
    m_related->clear();
    if (m_topic.isEmpty()) {
        m_topicField->setFocus();
        MessageService::error(this, QStringLiteral("No topic specified.  Please correct."));
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_senses = m_source.TopicSenses(m_topic);
    const LexicalSense preferred = ThemeWords::DefaultSense(m_source, m_senses);
    QApplication::restoreOverrideCursor();
    if (m_senses.isEmpty()) {
        m_topicField->setFocus();
        MessageService::error(this, QStringLiteral("\"%1\" was not found in the dictionary.  Please try another topic.").arg(m_topic));
        return;
    }
    for (qsizetype i = 0; i < m_senses.size(); ++i) {
        m_meaning->addItem(QStringLiteral("%1. %2").arg(i + 1).arg(m_senses[i].Definition));
        if (m_senses[i].Id == preferred.Id)
            m_meaning->setCurrentIndex(int(i));
    }
    m_meaning->setEnabled(m_senses.size() > 1);
    listWords();
}

void TThemeWords::listWords()
{
    const int sense = m_meaning->currentIndex();
    if (sense < 0 || sense >= m_senses.size())
        return;
    ThemeRequest request;
    request.Topic = m_topic;
    request.TopicSense = m_senses[sense];
    request.Count = m_count->value();
    request.MinLength = m_shortest->value();
    request.MaxLength = std::max(m_shortest->value(), m_longest->value());
    request.Rarer = m_rarer->isChecked();
    request.Classroom = m_classroom->isChecked();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const ThemeWords theme = ThemeWords::Find(m_source, request);
    QApplication::restoreOverrideCursor();
    QList<ClueChoiceTable::Entry> entries;
    for (const ThemeWord& word : theme.Words)
        entries.append({word.Word.toUpper(), word.Clues});
    m_table->setEntries(entries);
    QStringList links;
    for (const QString& topic : theme.Related)
        links.append(QStringLiteral("<a href=\"%1\">%1</a>").arg(topic.toHtmlEscaped()));
    m_related->setText(links.isEmpty() ? QString() : QStringLiteral("Related topics: ") + links.join(QStringLiteral(", ")));
    m_found->setText(theme.Found == 0 ? QStringLiteral("No words were found for this meaning.")
                                      : QStringLiteral("%1 words found, %2 listed.").arg(theme.Found).arg(theme.Words.size()));
}

void TThemeWords::showEvent(QShowEvent* event)
{
    const bool first = !m_shown;
    if (first) {
        m_shown = true;
        PrepareDialog(this, m_context);
    }
    QDialog::showEvent(event);
    if (first)
        m_topicField->setFocus();
}

void TThemeWords::reject()
{
    // Only clues typed count: the drafts shown and a topic looked up are nothing to lose.
    if (TypedTextGuard().MayClose(this, m_table->typed()))
        QDialog::reject();
}
