#include "pages/ui/ListPages.h"

#include "ui/AppContext.h"
#include "ui/MessageService.h"
#include "ui/WindowSetup.h"
#include "pages/ui/ExtractAPuzzle.h"
#include "pages/ui/LayoutThumbnail.h"
#include "store/Ansi.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <limits>

namespace {

constexpr int RecordRole = Qt::UserRole;

TListPages::Designer& installedDesigner()
{
    static TListPages::Designer designer;
    return designer;
}

// The file chooser filter in Qt's form: the description part of "Page Layouts (*.PAG)|*.PAG".
QString dialogFilter()
{
    return QString::fromLatin1(PageMessages::DialogFilter).section(QLatin1Char('|'), 0, 0);
}

} // namespace

void TListPages::setDesigner(Designer designer)
{
    installedDesigner() = std::move(designer);
}

TListPages::TListPages(AppContext& context, int mode, TPageLayout* target, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_mode(mode)
    , m_target(target)
{
    setObjectName(QStringLiteral("ListPages"));
    setWindowTitle(QStringLiteral("Puzzle Page Layouts"));
    setModal(true);
    buildControls();
    resize(600, 420);
    reloadList();
    m_hasLayouts = !m_entries.empty();
    if (m_hasLayouts)
        selectRow(0);
    EnableDisable();
}

void TListPages::buildControls()
{
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("PageList"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_thumbnail = new TLayoutThumbnail(this);
    m_thumbnail->setFixedSize(170, 220);
    auto* legend = new TThumbnailLegend(this);

    m_select = MakeDialogButton("&Select", "SelectButton", this);
    m_new = MakeDialogButton("&New", "NewButton", this);
    m_modify = MakeDialogButton("&Modify", "ModifyButton", this);
    m_copy = MakeDialogButton("&Copy", "CopyButton", this);
    m_delete = MakeDialogButton("&Delete", "DeleteButton", this);
    m_import = MakeDialogButton("&Import", "ImportButton", this);
    m_export = MakeDialogButton("&Export", "ExportButton", this);
    m_default = MakeDialogButton("Set De&fault", "DefaultButton", this);
    m_extract = MakeDialogButton("Ex&tract", "ExtractButton", this);
    m_exit = MakeDialogButton("E&xit", "ExitButton", this);

    auto* preview = new QVBoxLayout;
    preview->addWidget(m_thumbnail);
    preview->addWidget(legend);
    preview->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addWidget(m_list, 1);
    top->addLayout(preview);

    auto* buttons = new QGridLayout;
    const QList<QPushButton*> order{m_select, m_new, m_modify, m_copy, m_delete,
                                    m_import, m_export, m_default, m_extract, m_exit};
    for (int i = 0; i < order.size(); ++i)
        buttons->addWidget(order[i], i / 5, i % 5);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);

    connect(m_list, &QListWidget::itemSelectionChanged, this, &TListPages::PageListClick);
    connect(m_select, &QPushButton::clicked, this, &TListPages::SelectButtonClick);
    connect(m_new, &QPushButton::clicked, this, &TListPages::NewButtonClick);
    connect(m_modify, &QPushButton::clicked, this, &TListPages::ModifyButtonClick);
    connect(m_copy, &QPushButton::clicked, this, &TListPages::CopyButtonClick);
    connect(m_delete, &QPushButton::clicked, this, &TListPages::DeleteButtonClick);
    connect(m_import, &QPushButton::clicked, this, &TListPages::ImportButtonClick);
    connect(m_export, &QPushButton::clicked, this, &TListPages::ExportButtonClick);
    connect(m_default, &QPushButton::clicked, this, &TListPages::DefaultButtonClick);
    connect(m_extract, &QPushButton::clicked, this, &TListPages::ExtractButtonClick);
    connect(m_exit, &QPushButton::clicked, this, &QDialog::reject);
}

void TListPages::showEvent(QShowEvent* event)
{
    if (!m_shown) {
        m_shown = true;
        PrepareDialog(this, m_context);
        if (!m_hasLayouts)
            MessageService::warning(this, PageMessages::NoLayoutsFound.text(), PageMessages::NoLayoutsFound.caption());
    }
    QDialog::showEvent(event);
}

std::optional<qint64> TListPages::selectedNumber() const
{
    const QListWidgetItem* item = m_list->currentItem();
    if (!item || !item->isSelected())
        return std::nullopt;
    return item->data(RecordRole).toLongLong();
}

bool TListPages::reloadList()
{
    std::vector<TLayoutEntry> entries;
    const IoResult result = LoadLayoutList(m_context.PageFilePath(), m_context.settings.DefaultPage, entries);
    if (result.status == IoResult::IoError) {
        MessageService::error(this, result.systemError, QString::fromLatin1(PageMessages::IoErrorCaption));
        return false;
    }
    // A missing page file lists as an empty one.
    m_entries = std::move(entries);
    const QSignalBlocker blocker(m_list);
    m_list->clear();
    for (const TLayoutEntry& entry : m_entries) {
        auto* item = new QListWidgetItem(entry.Text, m_list);
        item->setData(RecordRole, entry.Number);
    }
    m_hasLayouts = !m_entries.empty();
    return true;
}

void TListPages::selectRow(int row)
{
    {
        const QSignalBlocker blocker(m_list);
        if (row >= m_list->count())
            row = m_list->count() - 1;
        if (row < 0) {
            m_list->setCurrentRow(-1);
            m_list->clearSelection();
        } else {
            m_list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
        }
    }
    loadSelected();
}

void TListPages::selectNumber(qint64 number)
{
    for (int row = 0; row < m_list->count(); ++row) {
        if (m_list->item(row)->data(RecordRole).toLongLong() == number) {
            selectRow(row);
            return;
        }
    }
    selectRow(-1);
}

void TListPages::loadSelected()
{
    m_loaded.reset();
    if (const std::optional<qint64> number = selectedNumber()) {
        TPageLayout layout;
        if (readLayout(*number, layout))
            m_loaded = layout;
    }
    m_thumbnail->setPageLayout(m_loaded);
    EnableDisable();
}

void TListPages::PageListClick()
{
    loadSelected();
}

bool TListPages::readLayout(qint64 number, TPageLayout& layout)
{
    const IoResult result = LoadLayout(m_context.PageFilePath(), number, layout);
    if (result.status == IoResult::IoError)
        MessageService::error(this, result.systemError, QString::fromLatin1(PageMessages::IoErrorCaption));
    return result.isOk();
}

std::optional<TLayoutEntry> TListPages::requireSelection()
{
    const QListWidgetItem* item = m_list->currentItem();
    if (!item || !item->isSelected()) {
        MessageService::error(this, PageMessages::NoPageSelected.text(), PageMessages::NoPageSelected.caption());
        return std::nullopt;
    }
    return TLayoutEntry{item->data(RecordRole).toLongLong(), item->text()};
}

void TListPages::showReport(const TPageFileReport& report)
{
    if (report.Text.isEmpty())
        return;
    if (report.isOk())
        MessageService::notice(this, report.Text, report.Caption);
    else
        MessageService::error(this, report.Text, report.Caption);
}

void TListPages::EnableDisable()
{
    const bool designer = bool(installedDesigner());
    const bool selected = selectedNumber().has_value();
    m_select->setEnabled(m_mode != Manage && m_hasLayouts && selected);
    m_new->setEnabled(designer);
    m_modify->setEnabled(designer && m_hasLayouts);
    m_copy->setEnabled(designer && m_hasLayouts);
    m_delete->setEnabled(m_hasLayouts);
    m_export->setEnabled(m_hasLayouts);
}

void TListPages::SelectButtonClick()
{
    if (m_mode == Manage)
        return;
    if (!selectedNumber() || !m_loaded) {
        MessageService::error(this, PageMessages::NoLayoutSelected.text(), PageMessages::NoLayoutSelected.caption());
        return;
    }
    if (m_target)
        *m_target = *m_loaded;
    accept();
}

void TListPages::designerSaved(std::optional<qint64> number)
{
    if (!reloadList())
        return;
    if (!number) {
        // An appended layout has the highest record number.
        for (const TLayoutEntry& entry : m_entries)
            if (!number || entry.Number > *number)
                number = entry.Number;
    }
    if (number)
        selectNumber(*number);
    else
        selectRow(-1);
}

void TListPages::NewButtonClick()
{
    const Designer& designer = installedDesigner();
    if (!designer)
        return;
    TPageLayout blank;
    if (designer(m_context, this, blank, DesignMode::New, -1))
        designerSaved(std::nullopt);
}

void TListPages::ModifyButtonClick()
{
    const Designer& designer = installedDesigner();
    const std::optional<TLayoutEntry> entry = requireSelection();
    if (!designer || !entry)
        return;
    TPageLayout layout;
    if (!readLayout(entry->Number, layout))
        return;
    if (designer(m_context, this, layout, DesignMode::Modify, entry->Number))
        designerSaved(entry->Number);
}

void TListPages::CopyButtonClick()
{
    const Designer& designer = installedDesigner();
    const std::optional<TLayoutEntry> entry = requireSelection();
    if (!designer || !entry)
        return;
    TPageLayout layout;
    if (!readLayout(entry->Number, layout))
        return;
    layout.LayoutName.setText(MakeCopyName(layout.LayoutName.text()));
    if (designer(m_context, this, layout, DesignMode::Copy, -1))
        designerSaved(std::nullopt);
}

void TListPages::DeleteButtonClick()
{
    const std::optional<TLayoutEntry> entry = requireSelection();
    if (!entry)
        return;
    if (!MessageService::askYesNo(this, PageMessages::deleteQuestion(entry->Text), QString::fromLatin1(PageMessages::DeleteCaption)))
        return;
    const int row = m_list->currentRow();
    const TPageFileReport report = DeleteLayout(m_context.PageFilePath(), entry->Number);
    if (!report) {
        showReport(report);
        return;
    }
    if (!reloadList())
        return;
    selectRow(row);
}

void TListPages::DefaultButtonClick()
{
    const std::optional<TLayoutEntry> entry = requireSelection();
    if (!entry)
        return;
    if (entry->Number > std::numeric_limits<int>::max())
        return;
    m_context.settings.DefaultPage = int(entry->Number);
    const int row = m_list->currentRow();
    if (reloadList())
        selectRow(row);
}

void TListPages::ExportButtonClick()
{
    const std::optional<TLayoutEntry> entry = requireSelection();
    if (!entry)
        return;
    FileDialogRequest request;
    request.title = QString::fromLatin1(PageMessages::ExportDialogTitle);
    request.filter = dialogFilter();
    request.defaultSuffix = QString::fromLatin1(PageMessages::DefaultExtension);
    request.initialPath = m_context.settings.LastExportLayoutFile;
    request.confirmOverwrite = true;
    const QString path = MessageService::instance().saveFileName(this, request);
    if (path.isEmpty())
        return;
    m_context.settings.LastExportLayoutFile = path;
    TPageLayout layout;
    if (!readLayout(entry->Number, layout))
        return;
    showReport(ExportPageLayout(layout, path));
}

void TListPages::ImportButtonClick()
{
    FileDialogRequest request;
    request.title = QString::fromLatin1(PageMessages::ImportDialogTitle);
    request.filter = dialogFilter();
    request.defaultSuffix = QString::fromLatin1(PageMessages::DefaultExtension);
    request.initialPath = m_context.settings.LastImportLayoutFile;
    request.confirmOverwrite = false;
    const QString path = MessageService::instance().openFileName(this, request);
    if (path.isEmpty())
        return;
    m_context.settings.LastImportLayoutFile = path;
    qint64 number = 0;
    const TPageFileReport report = ImportPageLayout(m_context.PageFilePath(), path, nullptr, &number);
    if (!report) {
        showReport(report);
        return;
    }
    if (reloadList())
        selectNumber(number);
}

void TListPages::ExtractButtonClick()
{
    TExtractAPuzzle dialog(m_context, this);
    if (dialog.exec() != QDialog::Accepted || !dialog.newRecordNumber())
        return;
    if (reloadList())
        selectNumber(*dialog.newRecordNumber());
}
