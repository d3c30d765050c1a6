#pragma once

#include "pages/ui/ObjectDialog.h"

class QLineEdit;

/**
 * "Size & Location of <name>": left, top, width and height of an object in the layout's unit
 * with 3 decimals. Ok checks them, converts them to pixels (rounded, halves to even) and asks
 * before placing the object's corner off the page.
 */
class TSizePosition : public TObjectDialog {
    Q_OBJECT
public:
    TSizePosition(AppContext& context, const TPageObject& object, int pixelsPerUnit, bool useInches,
                  QSize pageSize, QWidget* parent = nullptr);

    void accept() override;

private:
    int m_pixelsPerUnit;
    QSize m_pageSize;
    QLineEdit* m_left = nullptr;
    QLineEdit* m_top = nullptr;
    QLineEdit* m_width = nullptr;
    QLineEdit* m_height = nullptr;
};
