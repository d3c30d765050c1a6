#pragma once

#include "ui/NumberDialog.h"

/**
 * The "Multi-Copies" dialog: "Copies To Print", preset "1", at most 3 digits. OK refuses a value
 * that is not a whole number above 0 with "Invalid number of copies entered." and stays open.
 */
class TMultiCopies : public TNumberDialog {
    Q_OBJECT
public:
    explicit TMultiCopies(AppContext& context, QWidget* parent = nullptr);
    /** The accepted number of copies. */
    int Copies() const { return Value(); }
};
