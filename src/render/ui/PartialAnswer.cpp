#include "render/ui/PartialAnswer.h"

#include "ui/WindowSetup.h"
#include "store/Ansi.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

TPartialAnswer::TPartialAnswer(AppContext& context, const TPuzzleRecord& puzzle, const Flags& flags, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("PartialAnswer"));
    setWindowTitle(QStringLiteral("Partial Answer"));
    setModal(true);

    auto* label = new QLabel(QStringLiteral("Select those words you would like filled in the puzzle."), this);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("WordList"));
    m_list->setSelectionMode(QAbstractItemView::MultiSelection);
    const int count = std::clamp<int>(puzzle.WordCount, 0, Limits::WordSlots);
    for (int i = 0; i < count; ++i) {
        auto* item = new QListWidgetItem(Ansi::toUnicode(puzzle.Words[std::size_t(i)].text()), m_list);
        item->setSelected(flags[std::size_t(i)]);
    }

    QHBoxLayout* buttons = OkCancelRow(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    resize(340, 360);
}

TPartialAnswer::Flags TPartialAnswer::flags() const
{
    Flags out{};
    for (int i = 0; i < m_list->count() && i < Limits::WordSlots; ++i)
        out[std::size_t(i)] = m_list->item(i)->isSelected();
    return out;
}

void TPartialAnswer::showEvent(QShowEvent* event)
{
    PrepareDialog(this, m_context);
    QDialog::showEvent(event);
}
