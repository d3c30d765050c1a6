#include "words/ui/MyEditBox.h"

#include "ui/AppContext.h"
#include "ui/MessageService.h"
#include "ui/WindowSetup.h"
#include "store/Ansi.h"
#include "words/SpellLanguages.h"
#include "words/UserWordList.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int DesignWidth = 380;
constexpr int DesignHeight = 340;

} // namespace

TMyEditBox::TMyEditBox(AppContext& context, ListKind kind, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_kind(kind)
{
    setObjectName(QStringLiteral("TMyEditBox"));
    setWindowTitle(QStringLiteral("Dictionary Maintenance"));
    setModal(true);

    const QString name = QLatin1String(Spelling::Language(context.Spelling.UserListLanguage).Name);
    const QString headingText =
        kind == ListKind::Inclusion
            ? QStringLiteral("These words will be added to the ") + name + QStringLiteral(" dictionary and counted as valid.")
            : QStringLiteral("These words will be excluded from the  ") + name
                  + QStringLiteral(" dictionary and will be invalid.");
    auto* heading = new QLabel(headingText, this);
    heading->setObjectName(QStringLiteral("Heading"));
    heading->setWordWrap(true);
    m_words = new QListWidget(this);
    m_words->setObjectName(QStringLiteral("WordBox"));
    m_addInfo = new QLineEdit(this);
    m_addInfo->setObjectName(QStringLiteral("AddInfo"));
    auto* add = MakeDialogButton("&Add", "AddButton", this);
    auto* remove = MakeDialogButton("&Delete", "DeleteButton", this);
    auto* ok = MakeDialogButton("&Ok", "OkButton", this);
    auto* cancel = MakeDialogButton("&Cancel", "CancelButton", this);
    connect(add, &QPushButton::clicked, this, &TMyEditBox::AddClick);
    connect(remove, &QPushButton::clicked, this, &TMyEditBox::DeleteClick);
    connect(ok, &QPushButton::clicked, this, &TMyEditBox::OkClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    // Return in the entry field adds the word rather than closing the dialog.
    connect(m_addInfo, &QLineEdit::returnPressed, this, &TMyEditBox::AddClick);

    auto* entry = new QHBoxLayout;
    entry->addWidget(m_addInfo, 1);
    entry->addWidget(add);
    entry->addWidget(remove);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* root = new QVBoxLayout(this);
    root->addWidget(heading);
    root->addWidget(m_words, 1);
    root->addLayout(entry);
    root->addLayout(buttons);

    UserWordList::List list;
    m_loaded = UserWordList::Load(listPath(), list);
    m_utf8 = list.Utf8;
    m_read = list.Words;
    m_words->addItems(list.Words);
    if (m_words->count() > 0)
        m_words->setCurrentRow(0);
    resize(DesignWidth, DesignHeight);
}

QString TMyEditBox::listPath() const
{
    return m_kind == ListKind::Inclusion ? m_context.Spelling.InclusionListPath() : m_context.Spelling.ExclusionListPath();
}

QStringList TMyEditBox::Words() const
{
    QStringList words;
    for (int i = 0; i < m_words->count(); ++i)
        words.append(m_words->item(i)->text());
    return words;
}

void TMyEditBox::AddClick()
{
    const QString word = Ansi::trimSpaces(m_addInfo->text());
    if (!word.isEmpty())
        m_words->addItem(word);
    m_addInfo->clear();
    m_addInfo->setFocus();
}

void TMyEditBox::DeleteClick()
{
    const int row = m_words->currentRow();
    if (row < 0 || !m_words->currentItem()->isSelected())
        return;
    delete m_words->takeItem(row);
    if (m_words->count() > 0)
        m_words->setCurrentRow(std::min(row, m_words->count() - 1));
}

void TMyEditBox::OkClick()
{
    // A list that could not be read is never written: it would lose the words it holds.
    if (!m_loaded) {
        MessageService::error(this, QStringLiteral("The dictionary list could not be read, so it was left as it is.  ")
                                        + m_loaded.systemError,
                              QStringLiteral("Disk Error"));
        return;
    }
    const IoResult written = UserWordList::Write(listPath(), {Words(), m_utf8});
    if (!written) {
        MessageService::error(this, QStringLiteral("The dictionary list could not be written.  ") + written.systemError,
                              QStringLiteral("Disk Error"));
        return;
    }
    accept();
}

void TMyEditBox::showEvent(QShowEvent* event)
{
    PrepareDialog(this, m_context);
    m_typed.Take(this);
    QDialog::showEvent(event);
}

void TMyEditBox::reject()
{
    if (m_typed.MayClose(this, Words() != m_read))
        QDialog::reject();
}
