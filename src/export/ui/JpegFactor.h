#pragma once

#include "ui/NumberDialog.h"

/**
 * The "JPEG Factor" dialog: the quality factor 1..100, preset with "JPeg Compression Quality".
 * "&Ok" stores an accepted value into that setting; a value out of range is refused with
 * "Invalid factor entered.  Factor must be between 1 and 100".
 */
class TJpegFactor : public TNumberDialog {
    Q_OBJECT
public:
    explicit TJpegFactor(AppContext& context, QWidget* parent = nullptr);

public slots:
    void accept() override;

private:
    AppContext& m_context;
};
