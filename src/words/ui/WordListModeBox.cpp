#include "words/ui/WordListModeBox.h"

#include "store/Ansi.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int TextRole = Qt::UserRole;
constexpr int FlagRole = Qt::UserRole + 1;

} // namespace

WordListModeBox::WordListModeBox(QWidget* parent, const std::array<const char*, 3>& captions,
                                 const std::array<const char*, 3>& names)
{
    Box = new QGroupBox(parent);
    auto* layout = new QVBoxLayout(Box);
    for (std::size_t i = 0; i < Buttons.size(); ++i) {
        Buttons[i] = new QRadioButton(QString::fromLatin1(captions[i]), Box);
        Buttons[i]->setObjectName(QLatin1String(names[i]));
        layout->addWidget(Buttons[i]);
    }
    auto* row = new QHBoxLayout;
    SepChar = new QLineEdit(Box);
    SepChar->setObjectName(QStringLiteral("SepChar"));
    SepChar->setMaxLength(1);
    SepChar->setFixedWidth(32);
    auto* label = new QLabel(QStringLiteral("Separator Char"), Box);
    label->setObjectName(QStringLiteral("SepCharLabel"));
    label->setBuddy(SepChar);
    row->addWidget(label);
    row->addWidget(SepChar);
    row->addStretch(1);
    layout->addLayout(row);
}

WordListTransfer::Mode WordListModeBox::Mode() const
{
    if (Buttons[0]->isChecked())
        return WordListTransfer::Words;
    return Buttons[1]->isChecked() ? WordListTransfer::Clues : WordListTransfer::WordsAndClues;
}

void WordListModeBox::Select(WordListTransfer::Mode mode)
{
    Buttons[std::size_t(mode - 1)]->setChecked(true);
    const bool pairs = mode == WordListTransfer::WordsAndClues;
    SepChar->setVisible(pairs);
    SepChar->setEnabled(pairs);
    if (auto* label = Box->findChild<QLabel*>(QStringLiteral("SepCharLabel")))
        label->setVisible(pairs);
}

char WordListModeBox::Separator() const
{
    const QByteArray text = Ansi::trimSpaces(Ansi::fromUnicode(SepChar->text()));
    return text.isEmpty() ? '\0' : text.at(0);
}

void WordListModeBox::OnChange(QObject* owner, std::function<void()> modeChanged, std::function<void()> separatorEdited)
{
    for (std::size_t i = 0; i < Buttons.size(); ++i) {
        const auto mode = WordListTransfer::Mode(i + 1);
        QObject::connect(Buttons[i], &QRadioButton::clicked, owner, [this, mode, modeChanged] {
            Select(mode);
            modeChanged();
        });
    }
    QObject::connect(SepChar, &QLineEdit::textEdited, owner, [separatorEdited] { separatorEdited(); });
}

QPushButton* MakeListButton(const char* caption, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

QListWidget* MakeWordListBox(QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(QStringLiteral("WordListBox"));
    list->setSelectionMode(QAbstractItemView::MultiSelection);
    return list;
}

void FillWordListBox(QListWidget* list, const QList<QByteArray>& texts, const QList<bool>& flags)
{
    QList<QString> shown;
    for (const QByteArray& text : texts)
        shown.append(Ansi::toUnicode(text));
    list->clear();
    for (const int i : WordListTransfer::SortedOrder(shown)) {
        auto* item = new QListWidgetItem(shown[i], list);
        item->setData(TextRole, texts[i]);
        item->setData(FlagRole, i < flags.size() && flags[i]);
    }
}

QList<QByteArray> SelectedTexts(const QListWidget* list)
{
    QList<QByteArray> texts;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->isSelected())
            texts.append(list->item(i)->data(TextRole).toByteArray());
    return texts;
}

bool SelectFlagged(QListWidget* list)
{
    bool any = false;
    for (int i = 0; i < list->count(); ++i) {
        const bool flagged = list->item(i)->data(FlagRole).toBool();
        list->item(i)->setSelected(flagged);
        any = any || flagged;
    }
    return any;
}

bool AnySelected(const QListWidget* list)
{
    return !list->selectedItems().isEmpty();
}
