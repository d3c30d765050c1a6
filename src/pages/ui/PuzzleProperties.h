#pragma once

#include "pages/ui/ObjectDialog.h"

class QCheckBox;
class QLineEdit;
class TColorSample;

/**
 * "Properties for <name>" of the puzzle grid: skeleton puzzle, the fill, block and line colours
 * and the line width (one digit).
 */
class TPuzzleProperties : public TObjectDialog {
    Q_OBJECT
public:
    TPuzzleProperties(AppContext& context, const TPageObject& object, QWidget* parent = nullptr);

    void accept() override;

private:
    QCheckBox* m_skeleton = nullptr;
    TColorSample* m_fill = nullptr;
    TColorSample* m_block = nullptr;
    TColorSample* m_line = nullptr;
    QLineEdit* m_lineWidth = nullptr;
};
