#include "render/ui/PrintBooklet.h"

#include "export/ui/WriteError.h"

#include "export/BookletExport.h"
#include "pages/PageFile.h"
#include "render/ui/BookletPreview.h"
#include "render/ui/PrinterDriver.h"
#include "render/ui/ReportPage.h"
#include "store/Ansi.h"
#include "store/Collection.h"
#include "ui/AppContext.h"
#include "ui/MessageService.h"
#include "ui/WindowSetup.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int RecordRole = Qt::UserRole;
constexpr int CategoryRole = Qt::UserRole + 1;
constexpr int TitleRole = Qt::UserRole + 2;
constexpr int MaxCopies = 999;
constexpr int CoverTitleLength = 60;

const QString NothingChosen = QStringLiteral("No puzzles are selected for the booklet.");

/** Keeps the wait cursor up while a booklet is drawn. */
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

const QStringList TPrintBooklet::AnswerChoices{QStringLiteral("At the back"), QStringLiteral("After each puzzle"),
                                               QStringLiteral("None"), QStringLiteral("Answer key only")};

TPrintBooklet::TPrintBooklet(AppContext& context, const std::vector<qint64>& ticked, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("PrintBooklet"));
    setWindowTitle(QStringLiteral("Print Booklet"));
    setModal(true);
    BuildControls();

    const CollectionIndex index = ListCollection(m_context.Working.CurrentCollection);
    for (const CollectionEntry& entry : index.Entries) {
        const QByteArray& category = index.Categories[std::size_t(entry.categoryIndex())];
        auto* item = new QListWidgetItem(QStringLiteral("%1   (%2)").arg(Ansi::toUnicode(entry.Title), Ansi::toUnicode(category)),
                                         m_list);
        item->setData(RecordRole, entry.recordNumber());
        item->setData(CategoryRole, category);
        item->setData(TitleRole, entry.Title);
        // The tick follows plain clicks (Toggle), not the box alone, so the item is not user-checkable.
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        const bool on = std::find(ticked.begin(), ticked.end(), qint64(entry.recordNumber())) != ticked.end();
        item->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    }
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
    EnableDisable();
}

TPrintBooklet::~TPrintBooklet() = default;

void TPrintBooklet::BuildControls()
{
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("PuzzleList"));
    m_list->installEventFilter(this);
    connect(m_list, &QListWidget::itemClicked, this, &TPrintBooklet::Toggle);
    QPushButton* up = MakeDialogButton("&Up", "UpButton", this, true);
    QPushButton* down = MakeDialogButton("&Down", "DownButton", this, true);
    connect(up, &QPushButton::clicked, this, &TPrintBooklet::UpClick);
    connect(down, &QPushButton::clicked, this, &TPrintBooklet::DownClick);
    m_chosen = new QLabel(this);
    m_chosen->setObjectName(QStringLiteral("ChosenCount"));

    m_ownLayout = new QRadioButton(QStringLiteral("Each puzzle's &own layout"), this);
    m_ownLayout->setObjectName(QStringLiteral("OwnLayout"));
    m_ownLayout->setChecked(true);
    m_oneLayout = new QRadioButton(QStringLiteral("One &layout for all:"), this);
    m_oneLayout->setObjectName(QStringLiteral("OneLayout"));
    m_layoutBox = new QComboBox(this);
    m_layoutBox->setObjectName(QStringLiteral("LayoutBox"));
    std::vector<TLayoutEntry> layouts;
    LoadLayoutList(m_context.PageFilePath(), m_context.settings.DefaultPage, layouts);
    for (const TLayoutEntry& entry : layouts)
        m_layoutBox->addItem(entry.Text, entry.Number);
    m_oneLayout->setEnabled(m_layoutBox->count() > 0);
    connect(m_oneLayout, &QRadioButton::toggled, this, &TPrintBooklet::EnableDisable);

    m_answersBox = new QComboBox(this);
    m_answersBox->setObjectName(QStringLiteral("AnswersBox"));
    m_answersBox->addItems(AnswerChoices);
    m_cover = new QCheckBox(QStringLiteral("&Cover page with contents, titled:"), this);
    m_cover->setObjectName(QStringLiteral("CoverCheck"));
    m_coverTitle = new QLineEdit(this);
    m_coverTitle->setObjectName(QStringLiteral("CoverTitle"));
    m_coverTitle->setMaxLength(CoverTitleLength);
    connect(m_cover, &QCheckBox::toggled, this, &TPrintBooklet::EnableDisable);
    m_pageNumbers = new QCheckBox(QStringLiteral("Page &numbers in the footer"), this);
    m_pageNumbers->setObjectName(QStringLiteral("PageNumbers"));
    m_copies = new QSpinBox(this);
    m_copies->setObjectName(QStringLiteral("Copies"));
    m_copies->setRange(1, MaxCopies);

    QPushButton* print = MakeDialogButton("&Print", "PrintButton", this, true);
    QPushButton* preview = MakeDialogButton("Pre&view", "PreviewButton", this, true);
    QPushButton* pdf = MakeDialogButton("Save P&DF", "PdfButton", this, true);
    QPushButton* close = MakeDialogButton("&Close", "CloseButton", this, true);
    m_outputs = {print, preview, pdf};
    connect(print, &QPushButton::clicked, this, &TPrintBooklet::PrintClick);
    connect(preview, &QPushButton::clicked, this, &TPrintBooklet::PreviewClick);
    connect(pdf, &QPushButton::clicked, this, &TPrintBooklet::PdfClick);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* moveButtons = new QVBoxLayout;
    moveButtons->addWidget(up);
    moveButtons->addWidget(down);
    moveButtons->addStretch(1);
    auto* listRow = new QHBoxLayout;
    listRow->addWidget(m_list, 1);
    listRow->addLayout(moveButtons);

    auto* layoutRow = new QHBoxLayout;
    layoutRow->addWidget(m_oneLayout);
    layoutRow->addWidget(m_layoutBox, 1);
    auto* coverRow = new QHBoxLayout;
    coverRow->addWidget(m_cover);
    coverRow->addWidget(m_coverTitle, 1);
    auto* choices = new QFormLayout;
    choices->addRow(m_ownLayout);
    choices->addRow(layoutRow);
    choices->addRow(QStringLiteral("&Answers:"), m_answersBox);
    choices->addRow(coverRow);
    choices->addRow(m_pageNumbers);
    choices->addRow(QStringLiteral("Co&pies:"), m_copies);
    qobject_cast<QLabel*>(choices->labelForField(m_answersBox))->setBuddy(m_answersBox);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_chosen);
    buttons->addStretch(1);
    for (QWidget* button : m_outputs)
        buttons->addWidget(button);
    buttons->addWidget(close);

    auto* rows = new QVBoxLayout(this);
    rows->addLayout(listRow, 1);
    rows->addLayout(choices);
    rows->addLayout(buttons);
    resize(520, 480);
}

void TPrintBooklet::showEvent(QShowEvent* event)
{
    if (!m_shown) {
        m_shown = true;
        PrepareDialog(this, m_context);
    }
    QDialog::showEvent(event);
}

bool TPrintBooklet::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space && m_list->currentItem()) {
        Toggle(m_list->currentItem());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TPrintBooklet::Toggle(QListWidgetItem* item)
{
    item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    EnableDisable();
}

void TPrintBooklet::EnableDisable()
{
    const std::size_t chosen = ChosenRecords().size();
    m_chosen->setText(QStringLiteral("Selected: %1 of %2").arg(chosen).arg(m_list->count()));
    for (QWidget* button : m_outputs)
        button->setEnabled(chosen > 0);
    m_layoutBox->setEnabled(m_oneLayout->isChecked());
    m_coverTitle->setEnabled(m_cover->isChecked());
}

void TPrintBooklet::MoveCurrent(int step)
{
    const int row = m_list->currentRow();
    const int target = row + step;
    if (row < 0 || target < 0 || target >= m_list->count())
        return;
    QListWidgetItem* item = m_list->takeItem(row);
    m_list->insertItem(target, item);
    m_list->setCurrentRow(target);
}

void TPrintBooklet::UpClick()
{
    MoveCurrent(-1);
}

void TPrintBooklet::DownClick()
{
    MoveCurrent(+1);
}

std::vector<qint64> TPrintBooklet::ChosenRecords() const
{
    std::vector<qint64> records;
    for (int row = 0; row < m_list->count(); ++row) {
        const QListWidgetItem* item = m_list->item(row);
        if (item->checkState() == Qt::Checked)
            records.push_back(item->data(RecordRole).toLongLong());
    }
    return records;
}

std::unique_ptr<TBooklet> TPrintBooklet::MakeBooklet()
{
    std::vector<QByteArray> titles;
    std::vector<std::pair<qint64, TRecordName>> chosen;
    for (int row = 0; row < m_list->count(); ++row) {
        const QListWidgetItem* item = m_list->item(row);
        if (item->checkState() != Qt::Checked)
            continue;
        const TRecordName name{item->data(CategoryRole).toByteArray(), item->data(TitleRole).toByteArray()};
        chosen.emplace_back(item->data(RecordRole).toLongLong(), name);
        titles.push_back(name.Title);
    }
    if (chosen.empty()) {
        MessageService::error(this, NothingChosen);
        return nullptr;
    }
    TBookletOptions options;
    options.Answers = BookletAnswers(std::clamp(m_answersBox->currentIndex(), 0, int(AnswerChoices.size()) - 1));
    options.Cover = m_cover->isChecked();
    options.CoverTitle = Ansi::fromUnicode(Ansi::trimSpaces(m_coverTitle->text()));
    options.PageNumbers = m_pageNumbers->isChecked();
    if (m_oneLayout->isChecked() && m_layoutBox->currentIndex() >= 0) {
        TPageLayout layout;
        const IoResult loaded = LoadLayout(m_context.PageFilePath(), m_layoutBox->currentData().toLongLong(), layout);
        if (!loaded) {
            MessageService::error(this, loaded.describe(QStringLiteral("Unable to load page layout.")));
            return nullptr;
        }
        options.Layout = layout;
    }
    const QString collection = m_context.Working.CurrentCollection;
    // Each puzzle is read when its page is drawn, and only while the record still holds the puzzle listed.
    auto reader = [collection, chosen](int i, TPuzzleRecord& puzzle, QString& error) {
        const auto& [record, name] = chosen[std::size_t(i)];
        const IoResult read = ReadPuzzle(collection, record, puzzle, &name);
        if (!read)
            error = CollectionMessages::loadFailureText(read);
        else if (puzzle.Generated != 1)
            error = QStringLiteral("%1\n%2").arg(Ansi::toUnicode(name.Title), QString(CollectionMessages::NeverGenerated));
        return error.isEmpty();
    };
    auto booklet = std::make_unique<TBooklet>(std::move(titles), options, m_context.settings, std::move(reader));
    if (!booklet->error().isEmpty()) {
        MessageService::error(this, booklet->error());
        return nullptr;
    }
    return booklet;
}

bool TPrintBooklet::Report(const TBookletResult& result)
{
    if (!result.Ok) {
        if (!result.Aborted)
            MessageService::error(this, result.Error);
        return false;
    }
    for (const QString& warning : result.Warnings)
        MessageService::warning(this, warning);
    return true;
}

void TPrintBooklet::PrintClick()
{
    TPrinterDriver& driver = CurrentPrinterDriver();
    if (driver.JobRunning()) {
        MessageService::error(this, JobRunningMessage);
        return;
    }
    std::unique_ptr<TBooklet> booklet = MakeBooklet();
    if (!booklet)
        return;
    // Without a printer the booklet goes to a PDF file, as the preview's pages do.
    const bool toFile = driver.NeedsOutputFile();
    if (toFile) {
        const QString path = AskPrintToPdfFile(this);
        if (path.isEmpty())
            return;
        driver.SetOutputFile(path);
    }
    const int copies = m_copies->value();
    // The driver makes the copies when it can; otherwise each copy is a job of its own.
    const bool driverCopies = copies < driver.MaxCopies();
    TBookletResult result;
    {
        WaitCursor wait;
        for (int job = 0; job < (driverCopies ? 1 : copies); ++job) {
            if (!driver.PrintBooklet(*booklet, driverCopies ? copies : 1, result))
                break;
        }
    }
    if (toFile)
        driver.SetOutputFile({});
    Report(result);
}

void TPrintBooklet::PreviewClick()
{
    std::shared_ptr<TBooklet> booklet = MakeBooklet();
    if (!booklet)
        return;
    TBookletPreview preview(m_context, booklet, this);
    connect(&preview, &TBookletPreview::PrintRequested, this, &TPrintBooklet::PrintClick);
    preview.exec();
}

void TPrintBooklet::PdfClick()
{
    std::unique_ptr<TBooklet> booklet = MakeBooklet();
    if (!booklet)
        return;
    FileDialogRequest request;
    request.title = QStringLiteral("Save Booklet As PDF");
    request.filter = QStringLiteral("PDF (*.pdf)");
    request.defaultSuffix = QStringLiteral("pdf");
    request.initialPath = m_lastPdf;
    request.confirmOverwrite = true;
    const QString path = MessageService::instance().saveFileName(this, request);
    if (path.isEmpty())
        return;
    m_lastPdf = path;
    TBookletResult result;
    IoResult written;
    {
        WaitCursor wait;
        written = BookletExport::writePdf(*booklet, path, result);
    }
    if (!written && result.Error.isEmpty() && !result.Aborted) {
        ReportWriteError(this, written, path);
        return;
    }
    Report(result);
}
