#pragma once

class QRect;
class QWidget;

/**
 * Scales a window from its design values: its size and each control's font size and the size
 * limits its code set, all kept the first time the window is scaled, so that scaling again (another
 * screen size, another showing) never accumulates. PrepareDialog uses it for every dialog.
 */
void ScaleWindow(QWidget* window, double factor);

/** The free area (without panels) of the screen a window is on, or of the primary screen. */
QRect AvailableArea(const QWidget* window);

/** Shrinks a window to fit an area when it is larger, and centres it there. */
void FitOnScreen(QWidget* window, const QRect& area);
