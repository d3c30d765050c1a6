#include "store/ui/PuzzleChoice.h"

#include "store/Ansi.h"
#include "store/PuzzleTransfer.h"

#include <QListWidget>
#include <QPushButton>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

constexpr int RecordRole = Qt::UserRole;

} // namespace

TPuzzleChoice::TPuzzleChoice(const QString& collection, QWidget* parent)
    : QWidget(parent)
{
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("PuzzleList"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    for (const TTitleItem& title : SortedTitles(collection)) {
        auto* item = new QListWidgetItem(Ansi::toUnicode(title.Title), m_list);
        item->setData(RecordRole, title.Record);
    }

    m_selectAll = new QPushButton(QStringLiteral("&Select All"), this);
    m_selectAll->setObjectName(QStringLiteral("SelectAllButton"));
    m_clearAll = new QPushButton(QStringLiteral("C&lear All"), this);
    m_clearAll->setObjectName(QStringLiteral("ClearAllButton"));

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_selectAll);
    buttons->addWidget(m_clearAll);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);

    connect(m_selectAll, &QPushButton::clicked, m_list, &QListWidget::selectAll);
    connect(m_clearAll, &QPushButton::clicked, m_list, &QListWidget::clearSelection);
    connect(m_list, &QListWidget::itemSelectionChanged, this, [this] { emit AnySelectedChanged(AnySelected()); });
}

std::vector<qint64> TPuzzleChoice::SelectedRecords() const
{
    std::vector<qint64> records;
    for (int row = 0; row < m_list->count(); ++row) {
        const QListWidgetItem* item = m_list->item(row);
        if (item->isSelected())
            records.push_back(item->data(RecordRole).toLongLong());
    }
    return records;
}

bool TPuzzleChoice::AnySelected() const
{
    return !m_list->selectedItems().isEmpty();
}
