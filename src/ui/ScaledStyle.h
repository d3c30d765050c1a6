#pragma once

/**
 * Makes the program's style follow the screen-size factor of each window: check box and radio
 * indicators, icons, scroll bars, frames, menu and tool bar spacing and the other sizes the style
 * measures grow with the factor the window was scaled by (WindowScale), so that a window drawn
 * at 2.0 is its 1.0 picture twice over. Installed once at start, before any window.
 */
void InstallScaledStyle();
