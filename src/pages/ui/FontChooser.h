#pragma once

#include "render/PageCanvas.h"

#include <QString>
#include <optional>

class QWidget;

/**
 * The font dialog of the page objects: face, size, bold, italic, underline and strike-out from the
 * platform's font dialog, and a colour button beside it. Nothing when cancelled.
 */
std::optional<TCanvasFont> ChooseCanvasFont(QWidget* parent, const TCanvasFont& initial, const QString& title);
