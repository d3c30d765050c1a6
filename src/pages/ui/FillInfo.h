#pragma once

#include "pages/ui/ObjectDialog.h"

class QCheckBox;
class TColorSample;

/** "Fill Info for <name>": whether a rectangle or circle is filled, and its fill colour. */
class TFillInfo : public TObjectDialog {
    Q_OBJECT
public:
    TFillInfo(AppContext& context, const TPageObject& object, QWidget* parent = nullptr);

    void accept() override;

private:
    QCheckBox* m_filled = nullptr;
    TColorSample* m_color = nullptr;
};
