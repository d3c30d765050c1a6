#pragma once

#include "pages/ui/ObjectDialog.h"

class QCheckBox;
class QLineEdit;

/**
 * "Properties for <name>" of the text objects: transparent background, make it fit, and for the
 * clue lists, word list and Combined Clues the number of columns (one digit); Combined Clues also
 * splits its columns, which keeps their number even.
 */
class TObjectProperties : public TObjectDialog {
    Q_OBJECT
public:
    TObjectProperties(AppContext& context, const TPageObject& object, QWidget* parent = nullptr);

    void accept() override;

private:
    void SplitColumnsClick(bool checked);

    QCheckBox* m_transparent = nullptr;
    QCheckBox* m_makeFit = nullptr;
    QLineEdit* m_columns = nullptr;
    QCheckBox* m_split = nullptr;
};
