#pragma once

#include "pages/ui/ObjectDialog.h"

class QCheckBox;
class QLineEdit;
class TColorSample;

/** "Border Info for <name>": whether the object has a border, its width (one digit) and colour. */
class TBorderInfo : public TObjectDialog {
    Q_OBJECT
public:
    TBorderInfo(AppContext& context, const TPageObject& object, QWidget* parent = nullptr);

    void accept() override;

private:
    void EnableDisable();

    QCheckBox* m_useBorder = nullptr;
    QLineEdit* m_width = nullptr;
    TColorSample* m_color = nullptr;
};
