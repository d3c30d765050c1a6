#pragma once

#include <QPoint>
#include <QSize>

/** The screen-size option of the main window and the scaling it gives. */
namespace ScreenSize {

/** The scale factor of a screen-size option: 640 → 1.0, 800 → 1.25, 1024 → 1.6, 1280 → 2.0; 0 for anything else. */
double FactorOf(int size);

/** The screen height that goes with a screen-size option's width (480, 600, 768 or 1024); 0 for anything else. */
int HeightOf(int size);

/** Whether a screen of the given size can show a screen-size option. */
bool Supports(QSize screen, int size);

/**
 * The option in force at start for the "Window Size" setting: the setting itself when it is one of
 * the four sizes and the screen can show it, else 640.
 */
int AtStart(int windowSize, QSize screen);

/**
 * Where the main window goes: left = (screen width - window width) / 2, top = (screen height -
 * window height) / 2 - 10, raised to 0 when negative; the left is not clamped.
 */
QPoint MainWindowPosition(QSize screen, QSize window);

} // namespace ScreenSize
