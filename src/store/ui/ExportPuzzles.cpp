#include "store/ui/ExportPuzzles.h"

#include "store/PuzzleTransfer.h"
#include "ui/AppContext.h"
#include "ui/MessageService.h"

TExportPuzzles::TExportPuzzles(AppContext& context, QWidget* parent)
    : TPuzzleChoiceDialog(context, context.Working.CurrentCollection,
                          {"Save &File", "SaveFileButton", "&Exit", "ExitButton"}, parent)
{
    setObjectName(QStringLiteral("ExportPuzzles"));
    setWindowTitle(QStringLiteral("Export Crossword Puzzles"));
}

void TExportPuzzles::CommandClick()
{
    const std::vector<qint64> records = SelectedRecords();
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
    // Exporting onto the open collection would lose it: refused before the file chooser asks to
    // replace it, and the chooser stays open for another name.
    request.refuse = [this](QWidget* chooser, const QString& path) {
        if (!IsSameCollection(path, m_context.Working.CurrentCollection))
            return false;
        MessageService::error(chooser ? chooser : this, TransferMessages::ExportSameAsOpen.text(),
                              TransferMessages::ExportSameAsOpen.caption());
        return true;
    };
    const QString target = MessageService::instance().saveFileName(this, request);
    if (target.isEmpty()) {
        reject();
        return;
    }
    m_context.settings.LastExportPuzzleFile = target;
    if (request.refuse(this, target))
        return;
    const TTransferReport report = ExportPuzzles(m_context.Working.CurrentCollection, records, target);
    if (!report.Text.isEmpty())
        MessageService::error(this, report.Text, report.Caption);
    accept();
}
