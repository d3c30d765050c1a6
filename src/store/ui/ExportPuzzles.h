#pragma once
// The dialog that writes chosen puzzles of the open collection to a new collection file.

#include "store/ui/PuzzleChoiceDialog.h"

/**
 * "Export Crossword Puzzles": lists the titles of the open collection, sorted; "Save &File" asks
 * for the target file and writes the selected puzzles, in list order, as its whole content, then
 * closes the dialog (also when the file dialog was cancelled). A target that is the open
 * collection itself is refused and the dialog stays open. "&Exit" closes it.
 */
class TExportPuzzles : public TPuzzleChoiceDialog {
    Q_OBJECT
public:
    explicit TExportPuzzles(AppContext& context, QWidget* parent = nullptr);

private:
    void CommandClick() override;
};
