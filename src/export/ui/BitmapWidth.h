#pragma once

#include "ui/NumberDialog.h"

/**
 * The width dialog of the picture exports: caption "Bitmap" or "JPeg", "Width of Bitmap" or
 * "Width of JPeg" (up to 4 digits, preset with "Pixel Width"), "Create &Bitmap" or "Create &JPeg"
 * and "&Cancel". A width below 1 is refused with "Invalid width specified.  Please correct.".
 */
class TBitmapWidth : public TNumberDialog {
    Q_OBJECT
public:
    enum class Mode { Bitmap, Jpeg };
    TBitmapWidth(AppContext& context, Mode mode, QWidget* parent = nullptr);
    /** The accepted width. */
    int Width() const { return Value(); }
};
