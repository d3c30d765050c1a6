// The main window's puzzle import and export, and the conversion of old-version data at start-up.
#include "app/MainWin.h"

#include "pages/PageFile.h"
#include "store/ImportedPuzzle.h"
#include "store/OldVersion.h"
#include "store/PuzzleTransfer.h"
#include "store/ui/ExportPuzzles.h"
#include "store/ui/ImportPuzzles.h"
#include "ui/MessageService.h"

#include <QFileInfo>
#include <QListWidget>

namespace {

/** The stored bytes of the page layout a new puzzle gets; a page file that fails to read is reported. */
QByteArray DefaultLayoutBytes(QWidget* parent, const AppContext& context)
{
    TPageLayout layout;
    const IoResult loaded = LoadDefaultLayout(context.PageFilePath(), context.settings.DefaultPage, layout);
    if (loaded.status == IoResult::IoError)
        MessageService::error(parent, loaded.systemError);
    return layout.toBytes();
}

void ShowMessage(QWidget* parent, const TFixedMessage& message)
{
    MessageService::error(parent, message.text(), message.caption());
}

/** Shows what a transfer reports: a failure as an error, a success notice as a notice. */
void ShowReport(QWidget* parent, const TTransferReport& report)
{
    if (report.Text.isEmpty())
        return;
    if (report)
        MessageService::notice(parent, report.Text, report.Caption);
    else
        MessageService::error(parent, report.Text, report.Caption);
}

bool AskNotice(QWidget* parent, const TFixedMessage& question)
{
    return MessageService::askYesNo(parent, question.text(), question.caption());
}

QByteArray SelectedOrFirst(const QListWidget* list, int storedTextRole)
{
    if (list->count() == 0)
        return {};
    const auto selected = list->selectedItems();
    const QListWidgetItem* item = selected.isEmpty() ? list->item(0) : selected.constFirst();
    return item->data(storedTextRole).toByteArray();
}

} // namespace

void TMainWin::ImportPuzzle()
{
    FileDialogRequest request;
    request.title = QLatin1String(TransferMessages::ImportDialogTitle);
    request.filter = QStringList{QLatin1String(TransferMessages::CollectionFilter), QLatin1String(TransferMessages::OldPuzzleFilter),
                                 QLatin1String(TransferMessages::AcrossLiteFilter), QLatin1String(TransferMessages::IpuzFilter)}
                         .join(QStringLiteral(";;"));
    request.defaultSuffix = QLatin1String(TransferMessages::DefaultExtension);
    request.initialPath = m_context.settings.LastImportPuzzleFile;
    request.confirmOverwrite = false;
    const QString path = MessageService::instance().openFileName(this, request);
    if (path.isEmpty())
        return;
    m_context.settings.LastImportPuzzleFile = path;

    const ImportKind kind = ImportKindOf(path);
    switch (kind) {
    case ImportKind::OldPuzzle:
    case ImportKind::AcrossLite:
    case ImportKind::Ipuz:
        ImportOnePuzzleFile(path, kind);
        return;
    case ImportKind::NotValid:
        ShowMessage(this, TransferMessages::NotValidFile);
        return;
    case ImportKind::Collection:
        break;
    }
    if (IsSameCollection(path, m_context.Working.CurrentCollection)) {
        ShowMessage(this, TransferMessages::ImportSameAsOpen);
        return;
    }
    TImportPuzzles dialog(m_context, path, this);
    if (dialog.exec() == QDialog::Accepted)
        RelistKeepingSelection();
}

void TMainWin::ImportOnePuzzleFile(const QString& path, ImportKind kind)
{
    TPuzzleRecord& puzzle = m_context.Working.CurrentPuzzle;
    const QByteArray layout = DefaultLayoutBytes(this, m_context);
    const QString& collection = m_context.Working.CurrentCollection;
    const TTransferReport report = kind == ImportKind::OldPuzzle ? Import16Bit(path, collection, layout, puzzle)
                                                                 : ImportOtherPuzzle(path, collection, layout, puzzle);
    if (!report) {
        ShowReport(this, report);
        return;
    }
    if (!report.Warnings.isEmpty())
        MessageService::notice(this, QStringLiteral("The puzzle was imported with these changes:\n")
                                         + report.Warnings.join(QLatin1Char('\n')));
    RequestSelection(puzzle.Category.text(), puzzle.Title.text());
    LoadInPuzzles();
}

void TMainWin::ExportPuzzle()
{
    TExportPuzzles dialog(m_context, this);
    dialog.exec();
}

void TMainWin::RelistKeepingSelection()
{
    RequestSelection(SelectedOrFirst(m_categoryBox, StoredTextRole), SelectedOrFirst(m_puzzleBox, StoredTextRole));
    LoadInPuzzles();
}

void TMainWin::CheckForOldVersions()
{
    const QString oldPuzzles = m_context.StartFile(QLatin1String(OldVersion::OldPuzzleFile));
    if (QFileInfo::exists(oldPuzzles) && AskNotice(this, TransferMessages::OldPuzzlesQuestion)) {
        const TTransferReport report =
            ConvertOldPuzzles(oldPuzzles, m_context.ProgramFile(QLatin1String(OldVersion::ConvertedCollection)),
                              DefaultLayoutBytes(this, m_context), m_context.Working.CurrentPuzzle);
        ShowReport(this, report);
        if (!report)
            return;
    }
    const QString oldShapes = m_context.StartFile(QLatin1String(OldVersion::OldShapeFile));
    if (QFileInfo::exists(oldShapes) && AskNotice(this, TransferMessages::OldShapesQuestion))
        ShowReport(this, ConvertOldShapes(oldShapes, m_context.ShapeLibraryPath()));
}
