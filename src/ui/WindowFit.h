#pragma once

class AppContext;
class QRect;
class QSize;
class QWidget;

/**
 * Scales a window from its design values: its size and each control's font size and the size
 * limits its code set, all kept the first time the window is scaled, so that scaling again (another
 * screen size, another showing) never accumulates. PrepareDialog uses it for every dialog.
 */
void ScaleWindow(QWidget* window, double factor);

/**
 * The part of ScaleWindow a window that sizes its own controls takes too (the main window): the
 * window keeps the factor, which the style's sizes follow (indicators, icons, scroll bars,
 * frames), and its layouts' margins and spacing are scaled from their design values.
 */
void ScaleSpacing(QWidget* window, double factor);

/** The factor the window holding a widget was scaled by (its nearest scaled ancestor); 1.0 when none. */
double WindowScale(const QWidget* widget);

/** The free area (without panels) of the screen a window is on, or of the primary screen. */
QRect AvailableArea(const QWidget* window);

/** Shrinks a window to fit an area when it is larger, and centres it there. */
void FitOnScreen(QWidget* window, const QRect& area);

/**
 * What a window that remembers its place and size does when first shown (the preview, the page
 * designer): user fonts and scaling like PrepareDialog, then back where it was left. The
 * remembered size is at factor 1.0 (RememberedSize), so a window left at one screen size opens
 * at the same share of the screen at another.
 */
void PrepareRememberedWindow(QWidget* window, const AppContext& context, QRect remembered);

/** The size such a window remembers: its inside divided by the factor it was scaled by. */
QSize RememberedSize(const QWidget* window);
