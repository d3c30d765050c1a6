#pragma once
// The dialog that appends chosen puzzles of another collection to the open collection.

#include "store/ui/PuzzleChoiceDialog.h"

/**
 * "Import Crossword Puzzles": shows the chosen file's name and its titles, sorted; "&Ok" appends
 * the selected puzzles, in list order, to the open collection and closes the dialog, accepted when
 * anything was appended (the caller then re-lists the collection); "&Cancel" closes it.
 */
class TImportPuzzles : public TPuzzleChoiceDialog {
    Q_OBJECT
public:
    TImportPuzzles(AppContext& context, const QString& importPath, QWidget* parent = nullptr);

private:
    void CommandClick() override;

    QString m_importPath;
};
