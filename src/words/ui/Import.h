#pragma once

#include "words/WordListTransfer.h"

#include <QDialog>
#include <memory>

class AppContext;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
struct WordListModeBox;

/**
 * Word list import: reads a text file, lists its lines in alphabetical order and puts the selected
 * ones into free rows of the word list editor's grid as words, as clues, or as word-and-clue pairs.
 * Works on a copy of the grid rows; on OK the caller takes Rows() and writes back ChangedRows().
 * The mode and separator are settings that change the moment they are chosen.
 */
class TImport : public QDialog {
    Q_OBJECT
public:
    TImport(AppContext& context, QList<WordListTransfer::GridRow> rows, QWidget* parent = nullptr);
    ~TImport() override;

    /** The grid rows after OK. */
    const QList<WordListTransfer::GridRow>& Rows() const { return m_rows; }
    /** The rows OK filled, in the order they were filled. */
    const QList<int>& ChangedRows() const { return m_changed; }

    /** "&Open File": chooses a file and lists its lines; lines that cannot be listed are reported. */
    void OpenFileClick();
    /** "&Ok": checks the separator, asks when the grid would pass 200 words, fills the rows and closes. */
    void OkClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ChooseMode(WordListTransfer::Mode mode);
    void ListItems(const QList<QByteArray>& items);

    AppContext& m_context;
    QList<WordListTransfer::GridRow> m_rows;
    QList<int> m_changed;
    QListWidget* m_list = nullptr;
    std::unique_ptr<WordListModeBox> m_mode;
    QPushButton* m_selectAll = nullptr;
    QPushButton* m_clear = nullptr;
    QPushButton* m_ok = nullptr;
};
