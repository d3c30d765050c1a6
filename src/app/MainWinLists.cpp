// The main window's category and puzzle lists, the selection rules, the recent-file list and the caption.
#include "app/MainWin.h"

#include "ui/MessageService.h"
#include "app/RecentFiles.h"
#include "store/Ansi.h"
#include "store/ListOrder.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QListWidget>
#include <algorithm>

namespace {

struct ListedItem {
    QString Text;
    QByteArray Stored;
    int Number = 0;
};

/** Fills a list in the program's list order; equal texts keep their file order. */
void fillSorted(QListWidget* list, std::vector<ListedItem> items, int numberRole, int storedTextRole)
{
    std::stable_sort(items.begin(), items.end(),
                     [](const ListedItem& a, const ListedItem& b) { return ListOrder::Less(a.Text, b.Text); });
    for (const ListedItem& listed : items) {
        auto* item = new QListWidgetItem(listed.Text);
        item->setData(numberRole, listed.Number);
        item->setData(storedTextRole, listed.Stored);
        list->addItem(item);
    }
}

/** The first row whose whole text equals the given text, ignoring case; -1 when none. */
int findWhole(const QListWidget* list, const QByteArray& stored)
{
    const QString wanted = Ansi::toUnicode(stored);
    for (int row = 0; row < list->count(); ++row)
        if (QString::compare(list->item(row)->text(), wanted, Qt::CaseInsensitive) == 0)
            return row;
    return -1;
}

} // namespace

void TMainWin::ClearLists()
{
    m_filling = true;
    m_puzzleBox->clear();
    m_categoryBox->clear();
    m_index = {};
    m_filling = false;
}

void TMainWin::LoadInPuzzles()
{
    ClearLists();
    IoResult result;
    m_listedStamp = StampOf(m_context.Working.CurrentCollection);
    m_index = ListCollection(m_context.Working.CurrentCollection, &result);
    if (result.status == IoResult::IoError)
        MessageService::error(this, result.systemError);

    std::vector<ListedItem> categories;
    categories.reserve(m_index.Categories.size());
    for (std::size_t c = 0; c < m_index.Categories.size(); ++c)
        categories.push_back({Ansi::toUnicode(m_index.Categories[c]), m_index.Categories[c], int(c)});
    m_filling = true;
    fillSorted(m_categoryBox, std::move(categories), NumberRole, StoredTextRole);
    if (m_categoryBox->count() > 0)
        m_categoryBox->setCurrentRow(0);
    m_filling = false;
    SetCategory(0);
    EnableDisable();
}

TMainWin::FileStamp TMainWin::StampOf(const QString& path)
{
    const QFileInfo file(path);
    if (!file.exists())
        return {};
    // A delete elsewhere renames a new file into place, which changes the inode's change time too.
    return {file.size(), file.lastModified(), file.fileTime(QFileDevice::FileMetadataChangeTime)};
}

void TMainWin::RelistIfChanged()
{
    // A window of a command is still open over this one: its rows must stay as they are.
    if (QApplication::activeModalWidget() || !isActiveWindow())
        return;
    if (StampOf(m_context.Working.CurrentCollection) != m_listedStamp)
        RelistKeepingSelection();
}

void TMainWin::SetCategory(int position)
{
    if (m_categoryBox->count() == 0)
        return;
    m_filling = true;
    int shown = std::clamp(position, 0, m_categoryBox->count() - 1);
    if (m_pendingSelection) {
        const int found = findWhole(m_categoryBox, m_selectCategory);
        shown = found >= 0 ? found : 0;
    }
    m_categoryBox->setCurrentRow(shown);

    const int category = m_categoryBox->item(shown)->data(NumberRole).toInt();
    m_puzzleBox->clear();
    std::vector<ListedItem> titles;
    for (const CollectionEntry& entry : m_index.Entries)
        if (entry.categoryIndex() == category)
            titles.push_back({Ansi::toUnicode(entry.Title), entry.Title, entry.recordNumber()});
    fillSorted(m_puzzleBox, std::move(titles), NumberRole, StoredTextRole);
    m_shownCategory = shown;

    if (m_pendingSelection) {
        const int title = findWhole(m_puzzleBox, m_selectTitle);
        if (title >= 0)
            m_puzzleBox->setCurrentRow(title);
        m_pendingSelection = false;
    }
    m_filling = false;
}

void TMainWin::CategoryRowChanged(int row)
{
    if (m_filling || row < 0 || row == m_shownCategory)
        return;
    SetCategory(row);
    EnableDisable();
}

void TMainWin::RequestSelection(const QByteArray& category, const QByteArray& title)
{
    m_pendingSelection = true;
    m_selectCategory = category.left(Limits::PathLength);
    m_selectTitle = title.left(Limits::PathLength);
}

int TMainWin::SelectedPuzzle(bool complain)
{
    const QList<QListWidgetItem*> selected = m_puzzleBox->selectedItems();
    if (!selected.isEmpty())
        return m_puzzleBox->row(selected.constFirst());
    if (complain)
        MessageService::error(this, QStringLiteral("No puzzle selected.  Please select a puzzle first."));
    return -1;
}

void TMainWin::EnableDisable()
{
    const bool selected = SelectedPuzzle(false) >= 0;
    const bool wordList = bool(m_hooks.WordList);
    m_actions.value(QStringLiteral("MenuNewPuzzle"))->setEnabled(wordList);
    m_actions.value(QStringLiteral("MenuModify"))->setEnabled(selected && wordList);
    m_actions.value(QStringLiteral("MenuCopy"))->setEnabled(selected && wordList);
    m_actions.value(QStringLiteral("MenuDelete"))->setEnabled(selected);
    m_actions.value(QStringLiteral("MenuPrint"))->setEnabled(selected);
    m_actions.value(QStringLiteral("MenuPrintBooklet"))->setEnabled(!m_index.Entries.empty() && bool(m_hooks.Booklet));
    m_actions.value(QStringLiteral("MenuPuzzleWords"))->setEnabled(selected && bool(m_hooks.AddWords));
    m_actions.value(QStringLiteral("MenuPuzzleShape"))->setEnabled(bool(m_hooks.SelectShapes));
    m_actions.value(QStringLiteral("MenuPageLayout"))->setEnabled(bool(m_hooks.PageLayouts));
}

void TMainWin::DoCaption()
{
    setWindowTitle(QStringLiteral("Quorvex 98 (") + m_groupName + QLatin1Char(')'));
}

void TMainWin::SetCurrentCollection(const QString& path)
{
    m_context.Working.CurrentCollection = path;
    m_context.settings.LastGroup = path;
    m_groupName = GroupNameOf(path);
}

void TMainWin::DoLastFiles(const QString& oldPath, const QString& newPath)
{
    UpdateRecentFiles(m_context.settings.RecentFiles, oldPath, newPath);
    SetMenuLastFiles();
}

void TMainWin::SetMenuLastFiles()
{
    const RecentFileList& files = m_context.settings.RecentFiles;
    const bool any = std::any_of(files.begin(), files.end(), [](const QString& f) { return !f.isEmpty(); });
    m_lastFileSeparator->setVisible(any);
    for (std::size_t i = 0; i < files.size(); ++i) {
        QAction* item = m_lastFileItems[i];
        item->setVisible(!files[i].isEmpty());
        if (!files[i].isEmpty())
            item->setText(RecentFileCaption(int(i) + 1, files[i]));
    }
}
