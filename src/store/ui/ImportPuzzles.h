#pragma once
// The dialog that appends chosen puzzles of another collection to the open collection.

#include <QDialog>

class AppContext;
class QPushButton;
class TPuzzleChoice;

/**
 * "Import Crossword Puzzles": shows the chosen file's name and its titles, sorted; "&Ok" appends
 * the selected puzzles, in list order, to the open collection and closes the dialog accepted when
 * anything was appended (the caller re-lists the collection); "&Cancel" closes it.
 */
class TImportPuzzles : public QDialog {
    Q_OBJECT
public:
    TImportPuzzles(AppContext& context, const QString& importPath, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OkButtonClick();

    AppContext& m_context;
    QString m_importPath;
    bool m_shown = false;
    TPuzzleChoice* m_choice = nullptr;
    QPushButton* m_ok = nullptr;
};
