#include "store/ui/PuzzleChoiceDialog.h"

#include "store/Ansi.h"
#include "store/PuzzleTransfer.h"
#include "ui/AppContext.h"
#include "ui/WindowSetup.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int RecordRole = Qt::UserRole;

} // namespace

TPuzzleChoiceDialog::TPuzzleChoiceDialog(AppContext& context, const QString& collection, const Buttons& buttons,
                                         QWidget* parent)
    : QDialog(parent)
    , m_context(context)
{
    setModal(true);
    resize(420, 320);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("PuzzleList"));
    // A plain click adds a title to the choice or takes it out, as in the word list import.
    m_list->setSelectionMode(QAbstractItemView::MultiSelection);
    for (const TTitleItem& title : SortedTitles(collection)) {
        auto* item = new QListWidgetItem(Ansi::toUnicode(title.Title), m_list);
        item->setData(RecordRole, title.Record);
    }
    QPushButton* selectAll = MakeDialogButton("&Select All", "SelectAllButton", this, true);
    QPushButton* clearAll = MakeDialogButton("C&lear All", "ClearAllButton", this, true);
    m_command = MakeDialogButton(buttons.CommandCaption, buttons.CommandName, this, true);
    m_command->setEnabled(false);
    m_command->setDefault(true);
    QPushButton* close = MakeDialogButton(buttons.CloseCaption, buttons.CloseName, this, true);

    auto* listButtons = new QVBoxLayout;
    listButtons->addWidget(selectAll);
    listButtons->addWidget(clearAll);
    listButtons->addStretch(1);
    auto* listRow = new QHBoxLayout;
    listRow->addWidget(m_list, 1);
    listRow->addLayout(listButtons);
    m_chosen = new QLabel(this);
    m_chosen->setObjectName(QStringLiteral("ChosenCount"));
    auto* commandRow = new QHBoxLayout;
    commandRow->addWidget(m_chosen);
    commandRow->addStretch(1);
    commandRow->addWidget(m_command);
    commandRow->addWidget(close);
    m_rows = new QVBoxLayout(this);
    m_rows->addLayout(listRow, 1);
    m_rows->addLayout(commandRow);

    connect(selectAll, &QPushButton::clicked, m_list, &QListWidget::selectAll);
    connect(clearAll, &QPushButton::clicked, m_list, &QListWidget::clearSelection);
    const auto selectionChanged = [this] {
        const qsizetype chosen = m_list->selectedItems().size();
        m_command->setEnabled(chosen > 0);
        m_chosen->setText(QStringLiteral("Selected: %1 of %2").arg(chosen).arg(m_list->count()));
    };
    connect(m_list, &QListWidget::itemSelectionChanged, this, selectionChanged);
    selectionChanged();
    connect(m_command, &QPushButton::clicked, this, [this] { CommandClick(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

std::vector<qint64> TPuzzleChoiceDialog::SelectedRecords() const
{
    std::vector<qint64> records;
    for (int row = 0; row < m_list->count(); ++row) {
        const QListWidgetItem* item = m_list->item(row);
        if (item->isSelected())
            records.push_back(item->data(RecordRole).toLongLong());
    }
    return records;
}

void TPuzzleChoiceDialog::showEvent(QShowEvent* event)
{
    if (!m_shown) {
        m_shown = true;
        PrepareDialog(this, m_context);
    }
    QDialog::showEvent(event);
}
