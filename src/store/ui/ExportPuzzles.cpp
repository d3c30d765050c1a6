#include "store/ui/ExportPuzzles.h"

#include "store/PuzzleTransfer.h"
#include "store/ui/PuzzleChoice.h"
#include "ui/AppContext.h"
#include "ui/MessageService.h"
#include "ui/WindowSetup.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TExportPuzzles::TExportPuzzles(AppContext& context, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("ExportPuzzles"));
    setWindowTitle(QStringLiteral("Export Crossword Puzzles"));
    setModal(true);
    resize(420, 320);

    m_choice = new TPuzzleChoice(m_context.Working.CurrentCollection, this);
    m_choice->setObjectName(QStringLiteral("PuzzleChoice"));

    m_saveFile = new QPushButton(QStringLiteral("Save &File"), this);
    m_saveFile->setObjectName(QStringLiteral("SaveFileButton"));
    m_saveFile->setEnabled(false);
    m_saveFile->setDefault(true);
    auto* exit = new QPushButton(QStringLiteral("&Exit"), this);
    exit->setObjectName(QStringLiteral("ExitButton"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_saveFile);
    buttons->addWidget(exit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_choice, 1);
    layout->addLayout(buttons);

    connect(m_choice, &TPuzzleChoice::AnySelectedChanged, m_saveFile, &QPushButton::setEnabled);
    connect(m_saveFile, &QPushButton::clicked, this, &TExportPuzzles::SaveFileClick);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
}

void TExportPuzzles::showEvent(QShowEvent* event)
{
    if (!m_shown) {
        m_shown = true;
        PrepareDialog(this, m_context);
    }
    QDialog::showEvent(event);
}

void TExportPuzzles::SaveFileClick()
{
    const std::vector<qint64> records = m_choice->SelectedRecords();
    if (records.empty()) {
        MessageService::error(this, TransferMessages::NothingToExport.text(), TransferMessages::NothingToExport.caption());
        return;
    }
    FileDialogRequest request;
    request.title = QLatin1String(TransferMessages::ExportDialogTitle);
    request.filter = QLatin1String(TransferMessages::CollectionFilter);
    request.defaultSuffix = QLatin1String(TransferMessages::DefaultExtension);
    request.initialPath = m_context.settings.LastExportPuzzleFile;
    request.confirmOverwrite = true;
    const QString target = MessageService::instance().saveFileName(this, request);
    if (target.isEmpty()) {
        reject();
        return;
    }
    m_context.settings.LastExportPuzzleFile = target;
    // Exporting onto the open collection would lose it: refused, and another name may be chosen.
    if (IsSameCollection(target, m_context.Working.CurrentCollection)) {
        MessageService::error(this, TransferMessages::ExportSameAsOpen.text(), TransferMessages::ExportSameAsOpen.caption());
        return;
    }
    const TTransferReport report = ExportPuzzles(m_context.Working.CurrentCollection, records, target);
    if (!report.Text.isEmpty())
        MessageService::error(this, report.Text, report.Caption);
    accept();
}
