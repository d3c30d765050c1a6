#pragma once

#include "pages/ui/ObjectDialog.h"

class QRadioButton;

/** "Numbers In Puzzle": the direction of the clue numbers in the grid and their font. */
class TNumbersInPuzzle : public TObjectDialog {
    Q_OBJECT
public:
    TNumbersInPuzzle(AppContext& context, const TPageObject& object, QWidget* parent = nullptr);

    void accept() override;

private:
    void ChangeFontClick();

    QRadioButton* m_horizontal = nullptr;
    QRadioButton* m_vertical = nullptr;
};
