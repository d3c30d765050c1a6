#include "words/ui/Import.h"

#include "store/Ansi.h"
#include "store/Limits.h"
#include "store/TextInput.h"
#include "ui/AppContext.h"
#include "ui/MessageService.h"
#include "ui/WindowSetup.h"
#include "words/WordListText.h"
#include "words/ui/WordListModeBox.h"

#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

/** Design size before scaling. */
constexpr int DesignWidth = 520;
constexpr int DesignHeight = 380;
/** Lines named one by one when lines of a file could not be listed; the rest are counted. */
constexpr int ProblemsNamed = 10;

/** The message naming the lines of a file that were left out, or an empty text. */
QString skippedLinesText(const QList<WordListText::LineProblem>& problems)
{
    if (problems.isEmpty())
        return {};
    QStringList lines{QStringLiteral("Some lines of the file were not listed:")};
    for (qsizetype i = 0; i < problems.size() && i < ProblemsNamed; ++i) {
        QString text = WordListText::ProblemText(problems[i]);
        text[0] = text[0].toUpper();
        lines.append(text + QLatin1Char('.'));
    }
    if (problems.size() > ProblemsNamed)
        lines.append(QStringLiteral("%1 more lines were left out.").arg(problems.size() - ProblemsNamed));
    return lines.join(QLatin1Char('\n'));
}

} // namespace

TImport::TImport(AppContext& context, QList<WordListTransfer::GridRow> rows, QWidget* parent)
    : QDialog(parent), m_context(context), m_rows(std::move(rows))
{
    setObjectName(QStringLiteral("TImport"));
    setWindowTitle(QStringLiteral("Import"));
    setModal(true);

    m_list = MakeWordListBox(this);
    auto* open = MakeListButton("&Open File", "OpenFileButton", this);
    m_selectAll = MakeListButton("Select &All", "SelectAllButton", this);
    m_clear = MakeListButton("C&lear", "ClearButton", this);
    m_mode = std::make_unique<WordListModeBox>(this, std::array<const char*, 3>{"As &Words", "As &Clues", "&As Words and Clues"},
                                               std::array<const char*, 3>{"AsWords", "AsClues", "AsWordsAndClues"});
    m_ok = MakeListButton("&Ok", "OkButton", this);
    auto* cancel = MakeListButton("&Cancel", "CancelButton", this);
    auto* help = MakeListButton("&Help", "HelpButton", this);

    auto* side = new QVBoxLayout;
    side->addWidget(open);
    side->addWidget(m_selectAll);
    side->addWidget(m_clear);
    side->addWidget(m_mode->Box);
    side->addStretch(1);
    side->addWidget(m_ok);
    side->addWidget(cancel);
    side->addWidget(help);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(side);

    connect(open, &QPushButton::clicked, this, &TImport::OpenFileClick);
    connect(m_selectAll, &QPushButton::clicked, m_list, &QListWidget::selectAll);
    connect(m_clear, &QPushButton::clicked, m_list, &QListWidget::clearSelection);
    connect(m_ok, &QPushButton::clicked, this, &TImport::OkClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &QDialog::reject);
    m_mode->OnChange(
        this, [this] { m_context.settings.ImportOption = m_mode->Mode(); },
        [this] {
            if (const char c = m_mode->Separator())
                m_context.settings.SepChar = c;
        });

    // What showing does: the mode of the setting (words for any other value), the separator,
    // and nothing to select or accept until a file is read.
    m_mode->Select(WordListTransfer::ModeOf(m_context.settings.ImportOption, WordListTransfer::Words));
    m_mode->SepChar->setText(Ansi::toUnicode(QByteArray(1, m_context.settings.SepChar)));
    for (QPushButton* b : {m_selectAll, m_clear, m_ok})
        b->setEnabled(false);
    resize(DesignWidth, DesignHeight);
}

TImport::~TImport() = default;

void TImport::showEvent(QShowEvent* event)
{
    PrepareDialog(this, m_context);
    QDialog::showEvent(event);
}

void TImport::OpenFileClick()
{
    FileDialogRequest request;
    request.title = QStringLiteral("Import Word/Clue List");
    request.filter = QStringLiteral("text (*.txt);;all files (*.*)");
    request.defaultSuffix = QStringLiteral("txt");
    request.initialPath = m_context.settings.LastImportWordFile;
    request.confirmOverwrite = false;
    const QString path = MessageService::instance().openFileName(this, request);
    if (path.isEmpty())
        return;
    m_context.settings.LastImportWordFile = path;
    QByteArray bytes;
    if (const IoResult read = TextInput::Read(path, bytes); !read) {
        // A file that is no word file at all (a FIFO, a device, far too large) is named with the reason.
        const QString message = QStringLiteral("Unable to open import file.");
        MessageService::error(this, read.status == IoResult::Refused ? read.describe(message) : message);
        return;
    }
    const WordListText::WordFile words = WordListText::ReadWordFile(bytes, WordListText::Unmappable::Skip);
    FillWordListBox(m_list, words.items);
    for (QPushButton* b : {m_selectAll, m_clear, m_ok})
        b->setEnabled(true);
    if (const QString skipped = skippedLinesText(words.problems); !skipped.isEmpty())
        MessageService::notice(this, skipped);
}

void TImport::OkClick()
{
    const WordListTransfer::Mode mode = m_mode->Mode();
    const char separator = m_mode->Separator();
    if (mode == WordListTransfer::WordsAndClues && separator == '\0') {
        MessageService::error(this, QStringLiteral("No word/clue seperator character specified."));
        m_mode->SepChar->setFocus();
        return;
    }
    const QList<QByteArray> selected = SelectedTexts(m_list);
    const int excess = WordListTransfer::WordCount(m_rows) + int(selected.size()) - Limits::WordSlots;
    if (excess > 0 && !MessageService::askYesNo(this, WordListTransfer::ExcessQuestion(excess), QStringLiteral("Warning")))
        return;
    m_changed = WordListTransfer::Fill(m_rows, selected, mode, separator);
    accept();
}
