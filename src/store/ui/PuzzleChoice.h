#pragma once
// The puzzle list of the import and export dialogs: the titles of a collection, sorted, several
// selectable at once, with "&Select All" and "C&lear All".

#include <QWidget>
#include <vector>

class QListWidget;
class QPushButton;

/**
 * Lists the titles of a collection (read-only, sorted case-insensitively), each carrying its record
 * number; a file that cannot be opened lists nothing. "&Select All" selects every title and
 * "C&lear All" none. AnySelectedChanged tells the dialog when its command button should follow.
 */
class TPuzzleChoice : public QWidget {
    Q_OBJECT
public:
    explicit TPuzzleChoice(const QString& collection, QWidget* parent = nullptr);

    /** Record numbers of the selected titles, in list order. */
    std::vector<qint64> SelectedRecords() const;
    /** Whether at least one title is selected. */
    bool AnySelected() const;

    QPushButton* SelectAllButton() const { return m_selectAll; }
    QPushButton* ClearAllButton() const { return m_clearAll; }

signals:
    /** The selection changed; the argument tells whether anything is selected now. */
    void AnySelectedChanged(bool anySelected);

private:
    QListWidget* m_list = nullptr;
    QPushButton* m_selectAll = nullptr;
    QPushButton* m_clearAll = nullptr;
};
