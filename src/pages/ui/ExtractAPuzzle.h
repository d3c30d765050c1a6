#pragma once
// The dialog that copies the page layout of one puzzle of the open collection into the page file.

#include <QDialog>
#include <optional>

class AppContext;
class QPushButton;
class QTreeWidget;

/**
 * "Extract Page Layout From Puzzle": lists the puzzles of the open collection by title (with their
 * category), sorted; "&Extract" appends the chosen puzzle's page layout to the page file and closes
 * the dialog accepted, "&Cancel" closes it.
 */
class TExtractAPuzzle : public QDialog {
    Q_OBJECT
public:
    explicit TExtractAPuzzle(AppContext& context, QWidget* parent = nullptr);

    /** Record number the extracted layout got in the page file, once "&Extract" succeeded. */
    std::optional<qint64> newRecordNumber() const { return m_newNumber; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ExtractButtonClick();
    void PuzzleListClick();

    AppContext& m_context;
    std::optional<qint64> m_newNumber;
    bool m_shown = false;
    QTreeWidget* m_list = nullptr;
    QPushButton* m_extract = nullptr;
    QPushButton* m_cancel = nullptr;
};
