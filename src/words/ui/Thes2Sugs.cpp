#include "words/ui/Thes2Sugs.h"

#include "ui/AppContext.h"
#include "ui/WindowSetup.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace {

constexpr int DesignWidth = 260;
constexpr int DesignHeight = 280;

} // namespace

TThes2Sugs::TThes2Sugs(AppContext& context, const QString& word, const QStringList& suggestions, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("TThes2Sugs"));
    setWindowTitle(QStringLiteral("Word Suggestions"));
    setModal(true);
    auto* label = new QLabel(QStringLiteral("Suggestion for"), this);
    auto* wordLabel = new QLabel(word, this);
    wordLabel->setObjectName(QStringLiteral("WordLabel"));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("SuggestionList"));
    m_list->addItems(suggestions);
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    auto* heading = new QHBoxLayout;
    heading->addWidget(label);
    heading->addWidget(wordLabel, 1);
    auto* root = new QVBoxLayout(this);
    root->addLayout(heading);
    root->addWidget(m_list, 1);
    root->addLayout(OkCancelRow(this));
    resize(DesignWidth, DesignHeight);
}

QString TThes2Sugs::Chosen() const
{
    const QListWidgetItem* item = m_list->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void TThes2Sugs::showEvent(QShowEvent* event)
{
    PrepareDialog(this, m_context);
    QDialog::showEvent(event);
}
