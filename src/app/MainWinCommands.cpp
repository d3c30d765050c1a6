// The main window's collection and puzzle commands.
#include "app/MainWin.h"

#include "ui/MessageService.h"
#include "pages/PageFile.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QListWidget>

namespace {

const QString CollectionFilter = QStringLiteral("QORVX Files (*.QV3)");
const QString CollectionSuffix = QStringLiteral("QV3");

} // namespace

void TMainWin::NewGroup()
{
    FileDialogRequest request;
    request.title = QStringLiteral("Create New Puzzle Group");
    request.filter = CollectionFilter;
    request.defaultSuffix = CollectionSuffix;
    request.initialPath = QFileInfo(m_context.Working.CurrentCollection).absolutePath();
    request.confirmOverwrite = true;
    const QString path = MessageService::instance().saveFileName(this, request);
    if (path.isEmpty())
        return;

    // A collection that cannot be made stays unopened: the old one remains the open collection.
    const IoResult created = CreateCollection(path);
    if (!created) {
        MessageService::error(this, created.describe(QStringLiteral("Unable to create ") + path + QLatin1Char('.')),
                              QStringLiteral("Disk Error"));
        return;
    }
    const QString oldPath = m_context.Working.CurrentCollection;
    SetCurrentCollection(path);
    ClearLists();
    DoLastFiles(oldPath, path);
    DoCaption();
    EnableDisable();
    if (MessageService::askYesNo(this,
                                 QStringLiteral("Would you like to create your first puzzle now for this new puzzle collection?"),
                                 QStringLiteral("New Puzzle")))
        MakeNewPuzzle();
}

void TMainWin::OpenGroup()
{
    FileDialogRequest request;
    request.title = QStringLiteral("Open Puzzle Group");
    request.filter = CollectionFilter;
    request.defaultSuffix = CollectionSuffix;
    request.initialPath = m_context.Working.CurrentCollection;
    request.confirmOverwrite = false;
    const QString path = MessageService::instance().openFileName(this, request);
    if (path.isEmpty()) {
        EnableDisable();
        return;
    }
    OpenCollection(path);
}

void TMainWin::OpenCollection(const QString& path)
{
    if (QFileInfo(path).suffix().compare(CollectionSuffix, Qt::CaseInsensitive) != 0) {
        MessageService::error(this, QStringLiteral("The file selected is not a valid Crossword file."));
        return;
    }
    if (!QFileInfo(path).isFile()) {
        MessageService::error(this, QStringLiteral("The puzzle collection file ") + path + QStringLiteral(" does not exist."));
        return;
    }
    const QString oldPath = m_context.Working.CurrentCollection;
    SetCurrentCollection(path);
    DoCaption();
    LoadInPuzzles();
    DoLastFiles(oldPath, path);
    EnableDisable();
}

namespace {

/** The one local collection file a drag carries, or an empty string. */
QString droppedCollection(const QMimeData* data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1 || !data->urls().constFirst().isLocalFile())
        return {};
    const QString path = data->urls().constFirst().toLocalFile();
    return QFileInfo(path).suffix().compare(CollectionSuffix, Qt::CaseInsensitive) == 0 ? path : QString();
}

} // namespace

void TMainWin::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedCollection(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TMainWin::dropEvent(QDropEvent* event)
{
    const QString path = droppedCollection(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    OpenCollection(QFileInfo(path).absoluteFilePath());
}

void TMainWin::OpenSaveFile(int entry)
{
    if (entry < 1 || entry > int(m_context.settings.RecentFiles.size()))
        return;
    const QString path = m_context.settings.RecentFiles[std::size_t(entry - 1)];
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    DoLastFiles(m_context.Working.CurrentCollection, path);
    SetCurrentCollection(path);
    LoadInPuzzles();
    DoCaption();
    EnableDisable();
}

void TMainWin::MakeNewPuzzle()
{
    if (!m_hooks.WordList)
        return;
    ClearForNewPuzzle(m_context.Working);
    TPageLayout layout;
    const IoResult loaded = LoadDefaultLayout(m_context.PageFilePath(), m_context.settings.DefaultPage, layout);
    if (loaded.status == IoResult::IoError)
        MessageService::error(this, loaded.systemError);
    SetLayoutOfPuzzle(m_context.Working.CurrentPuzzle, layout);
    m_hooks.WordList(QStringLiteral("Create New Puzzle"));
}

bool TMainWin::ReadListedPuzzle(int row, TPuzzleRecord& record, const QString& openFailure)
{
    const TRecordName listed = ListedName(row);
    const IoResult read = ReadPuzzle(m_context.Working.CurrentCollection,
                                     m_puzzleBox->item(row)->data(NumberRole).toInt(), record, &listed);
    if (read)
        return true;
    if (read.status != IoResult::Refused) {
        MessageService::error(this, read.status == IoResult::OpenFailed ? openFailure : read.systemError);
        return false;
    }
    // Another program has deleted or changed puzzles since the listing: this one is elsewhere or gone.
    MessageService::error(this, openFailure + QLatin1Char('\n') + CollectionMessages::ListOutdated);
    RelistKeepingSelection();
    return false;
}

TRecordName TMainWin::ListedName(int row) const
{
    return {m_categoryBox->item(m_shownCategory)->data(StoredTextRole).toByteArray(),
            m_puzzleBox->item(row)->data(StoredTextRole).toByteArray()};
}

bool TMainWin::ReadSelectedForEditing(int row)
{
    WorkingPuzzle& working = m_context.Working;
    working.IsNewPuzzle = false;
    working.CurrentRecordNumber = m_puzzleBox->item(row)->data(NumberRole).toInt();
    TPuzzleRecord record;
    if (!ReadListedPuzzle(row, record, QStringLiteral("Unable to access Word List file.")))
        return false;
    working.CurrentPuzzle = record;
    working.ReadAs = TRecordName::of(record);
    return true;
}

void TMainWin::ModifyPuzzle()
{
    const int row = SelectedPuzzle(true);
    if (row < 0 || !m_hooks.WordList || !ReadSelectedForEditing(row))
        return;
    m_hooks.WordList(QStringLiteral("Modify Existing Puzzle"));
}

void TMainWin::CopyPuzzle()
{
    const int row = SelectedPuzzle(true);
    if (row < 0 || !m_hooks.WordList || !ReadSelectedForEditing(row))
        return;
    MakePuzzleCopy(m_context.Working);
    m_hooks.WordList(QStringLiteral("Create New Puzzle (copy of existing puzzle)"));
}

void TMainWin::AddWords()
{
    const int row = SelectedPuzzle(true);
    if (row < 0 || !m_hooks.AddWords || !ReadSelectedForEditing(row))
        return;
    m_hooks.AddWords();
}

void TMainWin::DeletePuzzle()
{
    const int row = SelectedPuzzle(true);
    if (row < 0)
        return;
    // Everything the delete needs is taken from the list before the question, whose window may let
    // the list change beneath it.
    const QListWidgetItem* item = m_puzzleBox->item(row);
    const TRecordName listed = ListedName(row);
    const QByteArray& category = listed.Category;
    const int number = item->data(NumberRole).toInt();
    // The title listed just above the deleted one; the first puzzle keeps its own title, which
    // selects a remaining puzzle of that title if there is one; an emptied category selects none.
    QByteArray title;
    if (m_puzzleBox->count() > 1)
        title = m_puzzleBox->item(row > 0 ? row - 1 : row)->data(StoredTextRole).toByteArray();
    if (!MessageService::askYesNo(this, QStringLiteral("Are you sure you want to delete ") + item->text() + QLatin1Char('?'),
                                  QStringLiteral("Delete")))
        return;

    const IoResult removed = RemoveRecord(m_context.Working.CurrentCollection, number, &listed);
    if (!removed)
        MessageService::error(this, removed.describe(QStringLiteral("Unable to delete puzzle.")));
    RequestSelection(category, title);
    LoadInPuzzles();
}

void TMainWin::PrintPuzzle()
{
    const int row = SelectedPuzzle(true);
    if (row < 0)
        return;
    TPuzzleRecord record;
    if (!ReadListedPuzzle(row, record, QString(CollectionMessages::UnableToLoad)))
        return;
    m_context.Working.CurrentPuzzle = record;
    if (record.Generated != 1) {
        MessageService::warning(this, CollectionMessages::NeverGenerated);
        return;
    }
    if (m_hooks.Report)
        m_hooks.Report(record);
}

void TMainWin::PrintBooklet()
{
    std::vector<qint64> shown;
    for (int row = 0; row < m_puzzleBox->count(); ++row)
        shown.push_back(m_puzzleBox->item(row)->data(NumberRole).toLongLong());
    if (m_hooks.Booklet)
        m_hooks.Booklet(shown);
}

void TMainWin::SelectShapes()
{
    if (m_hooks.SelectShapes)
        m_hooks.SelectShapes();
}

void TMainWin::PageLayouts()
{
    if (m_hooks.PageLayouts)
        m_hooks.PageLayouts();
}
