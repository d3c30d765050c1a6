#include "words/ui/MyExport.h"

#include "store/Ansi.h"
#include "store/RecordFile.h"
#include "ui/AppContext.h"
#include "ui/MessageService.h"
#include "ui/WindowSetup.h"
#include "words/WordListText.h"
#include "words/ui/WordListModeBox.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

/** Design size before scaling. */
constexpr int DesignWidth = 560;
constexpr int DesignHeight = 380;
/** The separator of pairs when the field is blank. */
constexpr char DefaultSeparator = ':';

} // namespace

TMyExport::TMyExport(AppContext& context, const QList<WordListTransfer::GridRow>& rows, bool newPuzzle, QWidget* parent)
    : QDialog(parent), m_context(context), m_rows(rows)
{
    setObjectName(QStringLiteral("TMyExport"));
    setWindowTitle(QStringLiteral("Export"));
    setModal(true);

    m_list = MakeWordListBox(this);
    m_save = MakeListButton("Save &File", "SaveFileButton", this);
    auto* selectAll = MakeListButton("&Select All", "SelectAllButton", this);
    auto* clear = MakeListButton("C&lear", "ClearButton", this);
    auto* selectUsed = MakeListButton("Select &Used", "SelectUsedButton", this);
    m_mode = std::make_unique<WordListModeBox>(this, std::array<const char*, 3>{"&Words", "&Clues", "Words &And Clues"},
                                               std::array<const char*, 3>{"ExportWords", "ExportClues", "ExportWordsAndClues"});
    auto* exit = MakeListButton("&Exit", "ExitButton", this);

    auto* side = new QVBoxLayout;
    for (QPushButton* b : {m_save, selectAll, clear, selectUsed})
        side->addWidget(b);
    side->addWidget(m_mode->Box);
    side->addStretch(1);
    side->addWidget(exit);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(side);

    connect(m_save, &QPushButton::clicked, this, &TMyExport::SaveFileClick);
    connect(selectAll, &QPushButton::clicked, m_list, &QListWidget::selectAll);
    connect(clear, &QPushButton::clicked, m_list, &QListWidget::clearSelection);
    connect(selectUsed, &QPushButton::clicked, this, [this] { SelectFlagged(m_list); });
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &TMyExport::UpdateSaveButton);
    m_mode->OnChange(
        this,
        [this] {
            m_context.settings.ExportOption = m_mode->Mode();
            BuildList();
        },
        [this] {
            if (const char c = m_mode->Separator())
                m_context.settings.SepChar = c;
            if (m_mode->Mode() == WordListTransfer::WordsAndClues)
                BuildList();
        });

    // What showing does: the separator and the mode of the setting (which builds the list).
    m_mode->SepChar->setText(Ansi::toUnicode(QByteArray(1, m_context.settings.SepChar)));
    m_mode->Select(WordListTransfer::ModeOf(m_context.settings.ExportOption, WordListTransfer::WordsAndClues));
    BuildList();
    selectUsed->setEnabled(!newPuzzle);
    resize(DesignWidth, DesignHeight);
}

TMyExport::~TMyExport() = default;

void TMyExport::showEvent(QShowEvent* event)
{
    PrepareDialog(this, m_context);
    QDialog::showEvent(event);
}

void TMyExport::BuildList()
{
    const char typed = m_mode->Separator();
    const auto items = WordListTransfer::ExportItems(m_rows, m_mode->Mode(), typed ? typed : DefaultSeparator);
    QList<QByteArray> texts;
    QList<bool> used;
    for (const auto& item : items) {
        texts.append(item.Text);
        used.append(item.Used);
    }
    FillWordListBox(m_list, texts, used);
    UpdateSaveButton();
}

void TMyExport::UpdateSaveButton()
{
    m_save->setEnabled(AnySelected(m_list));
}

void TMyExport::SaveFileClick()
{
    const QList<QByteArray> selected = SelectedTexts(m_list);
    if (selected.isEmpty()) {
        MessageService::error(
            this, QStringLiteral("No words/clues selected for output.  Please select the desired words/clues."));
        return;
    }
    FileDialogRequest request;
    request.title = QStringLiteral("Save Word/Clue List");
    request.filter = QStringLiteral("text (*.txt)");
    request.defaultSuffix = QStringLiteral("txt");
    request.initialPath = m_context.settings.LastExportWordFile;
    request.confirmOverwrite = true;
    const QString path = MessageService::instance().saveFileName(this, request);
    if (path.isEmpty())
        return;
    m_context.settings.LastExportWordFile = path;
    if (!RecordFile::replaceWhole(path, WordListText::FileBytes(selected))) {
        MessageService::error(this, QStringLiteral("Unable to create export file."));
        return;
    }
    accept();
}
