#include "store/ui/ImportPuzzles.h"

#include "store/PuzzleTransfer.h"
#include "ui/AppContext.h"
#include "ui/MessageService.h"

#include <QLabel>
#include <QVBoxLayout>

TImportPuzzles::TImportPuzzles(AppContext& context, const QString& importPath, QWidget* parent)
    : TPuzzleChoiceDialog(context, importPath, {"&Ok", "OkButton", "&Cancel", "CancelButton"}, parent)
    , m_importPath(importPath)
{
    setObjectName(QStringLiteral("ImportPuzzles"));
    setWindowTitle(QStringLiteral("Import Crossword Puzzles"));
    auto* fileName = new QLabel(QStringLiteral("File Name: ") + importPath, this);
    fileName->setObjectName(QStringLiteral("FileNameLabel"));
    fileName->setWordWrap(true);
    m_rows->insertWidget(0, fileName);
}

void TImportPuzzles::CommandClick()
{
    const std::vector<qint64> records = SelectedRecords();
    if (records.empty()) {
        MessageService::error(this, TransferMessages::NothingToImport.text(), TransferMessages::NothingToImport.caption());
        return;
    }
    const TTransferReport report = ImportPuzzles(m_importPath, records, m_context.Working.CurrentCollection);
    if (!report.Text.isEmpty())
        MessageService::error(this, report.Text, report.Caption);
    // Records appended before a failure stay, so the collection is re-listed whenever one was.
    done(report.Written > 0 ? QDialog::Accepted : QDialog::Rejected);
}
