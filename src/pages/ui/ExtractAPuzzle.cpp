#include "pages/ui/ExtractAPuzzle.h"

#include "ui/AppContext.h"
#include "ui/MessageService.h"
#include "ui/WindowSetup.h"
#include "pages/PageFile.h"
#include "store/Ansi.h"
#include "store/Collection.h"
#include "store/ListOrder.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int RecordRole = Qt::UserRole;

const QString NothingSelected = QStringLiteral("No puzzles have been selected for export.");
const QString UnableToOpen = QStringLiteral("Unable to open puzzle.");

} // namespace

TExtractAPuzzle::TExtractAPuzzle(AppContext& context, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("ExtractAPuzzle"));
    setWindowTitle(QStringLiteral("Extract Page Layout From Puzzle"));
    setModal(true);
    resize(420, 340);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("PuzzleList"));
    m_list->setColumnCount(2);
    m_list->setHeaderLabels({QStringLiteral("Title"), QStringLiteral("Category")});
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->header()->setSectionResizeMode(0, QHeaderView::Stretch);

    m_extract = new QPushButton(QStringLiteral("&Extract"), this);
    m_extract->setObjectName(QStringLiteral("ExtractButton"));
    m_cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("CancelButton"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_extract);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);

    // The collection is read read-only; one that cannot be opened lists nothing.
    const CollectionIndex index = ListCollection(m_context.Working.CurrentCollection);
    std::vector<CollectionEntry> entries(index.Entries.begin(), index.Entries.end());
    std::stable_sort(entries.begin(), entries.end(), [](const CollectionEntry& a, const CollectionEntry& b) {
        return ListOrder::Less(Ansi::toUnicode(a.Title), Ansi::toUnicode(b.Title));
    });
    for (const CollectionEntry& entry : entries) {
        auto* item = new QTreeWidgetItem(m_list);
        item->setText(0, Ansi::toUnicode(entry.Title));
        const int category = entry.categoryIndex();
        if (category >= 0 && std::size_t(category) < index.Categories.size())
            item->setText(1, Ansi::toUnicode(index.Categories[std::size_t(category)]));
        item->setData(0, RecordRole, entry.recordNumber());
    }
    if (m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));
    m_extract->setEnabled(m_list->topLevelItemCount() > 0);

    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &TExtractAPuzzle::PuzzleListClick);
    connect(m_extract, &QPushButton::clicked, this, &TExtractAPuzzle::ExtractButtonClick);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TExtractAPuzzle::showEvent(QShowEvent* event)
{
    if (!m_shown) {
        m_shown = true;
        PrepareDialog(this, m_context);
    }
    QDialog::showEvent(event);
}

void TExtractAPuzzle::PuzzleListClick()
{
    m_extract->setEnabled(!m_list->selectedItems().isEmpty());
}

void TExtractAPuzzle::ExtractButtonClick()
{
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty()) {
        MessageService::error(this, NothingSelected);
        return;
    }
    TPuzzleRecord puzzle;
    const IoResult read = ReadPuzzle(m_context.Working.CurrentCollection, selected.first()->data(0, RecordRole).toLongLong(), puzzle);
    if (!read) {
        MessageService::error(this, read.status == IoResult::IoError ? read.systemError : UnableToOpen);
        reject();
        return;
    }
    qint64 number = 0;
    const TPageFileReport appended = ExtractLayout(m_context.PageFilePath(), puzzle, &number);
    if (!appended) {
        MessageService::error(this, appended.Text, appended.Caption);
        return;
    }
    m_newNumber = number;
    accept();
}
