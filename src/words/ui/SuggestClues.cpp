#include "words/ui/SuggestClues.h"

#include "ui/TypedTextGuard.h"
#include "ui/WindowSetup.h"
#include "words/ClueDrafter.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int DesignWidth = 600;
constexpr int DesignHeight = 380;

} // namespace

TSuggestClues::TSuggestClues(AppContext& context, const LexicalSource& source, const QStringList& words, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("TSuggestClues"));
    setWindowTitle(QStringLiteral("Suggest Clues"));
    setModal(true);

    QApplication::setOverrideCursor(Qt::WaitCursor);
    QList<ClueChoiceTable::Entry> entries;
    int drafted = 0;
    const ClueDrafter::ListContext list = ClueDrafter::ListContext::Of(source, words);
    for (const QString& word : words) {
        entries.append({word.trimmed(), ClueDrafter::Draft(source, word, ClueDrafter::MostDrafts, list)});
        drafted += entries.last().Clues.isEmpty() ? 0 : 1;
    }
    QApplication::restoreOverrideCursor();

    auto* heading = new QLabel(QStringLiteral("Tick each word whose clue you want, or pick another clue from its list "
                                              "or type one.  Only ticked words get a clue."),
                               this);
    heading->setWordWrap(true);
    m_table = new ClueChoiceTable(this);
    m_table->setEntries(entries);
    auto* count = new QLabel(QStringLiteral("Clues were found for %1 of %2 words.").arg(drafted).arg(words.size()), this);
    count->setObjectName(QStringLiteral("FoundLabel"));
    auto* tickAll = MakeDialogButton("Tick &All", "TickAllButton", this);
    auto* ok = MakeDialogButton("&Ok", "OkButton", this);
    auto* cancel = MakeDialogButton("&Cancel", "CancelButton", this);
    ok->setDefault(true);

    connect(tickAll, &QPushButton::clicked, this, [this] { m_table->tickAll(true); });
    connect(ok, &QPushButton::clicked, this, [this] {
        m_chosen = m_table->choices();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* root = new QVBoxLayout(this);
    root->addWidget(heading);
    root->addWidget(m_table, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(count, 1);
    buttons->addWidget(tickAll);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    root->addLayout(buttons);
    resize(DesignWidth, DesignHeight);
}

void TSuggestClues::showEvent(QShowEvent* event)
{
    if (!m_shown) {
        m_shown = true;
        PrepareDialog(this, m_context);
    }
    QDialog::showEvent(event);
}

void TSuggestClues::reject()
{
    // Only clues typed count: the drafts shown and a topic looked up are nothing to lose.
    if (TypedTextGuard().MayClose(this, m_table->typed()))
        QDialog::reject();
}
