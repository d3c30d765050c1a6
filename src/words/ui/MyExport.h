#pragma once

#include "words/WordListTransfer.h"

#include <QDialog>
#include <memory>

class AppContext;
class QListWidget;
class QPushButton;
struct WordListModeBox;

/**
 * Word list export: lists the words, the clues or the word-and-clue pairs of the word list
 * editor's grid in alphabetical order and writes the selected ones to a text file, one a line.
 * "Select &Used" picks the items of rows the construction placed (stored puzzles only).
 */
class TMyExport : public QDialog {
    Q_OBJECT
public:
    /** Lists the rows; newPuzzle disables "Select &Used". */
    TMyExport(AppContext& context, const QList<WordListTransfer::GridRow>& rows, bool newPuzzle,
              QWidget* parent = nullptr);
    ~TMyExport() override;

    /** "Save &File": asks for a file and writes the selected items as Windows-1252 lines ending in CR LF. */
    void SaveFileClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildList();
    void UpdateSaveButton();

    AppContext& m_context;
    QList<WordListTransfer::GridRow> m_rows;
    QListWidget* m_list = nullptr;
    std::unique_ptr<WordListModeBox> m_mode;
    QPushButton* m_save = nullptr;
};
