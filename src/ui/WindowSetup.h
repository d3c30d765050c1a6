#pragma once

#include <QtGlobal>

class AppContext;
class QDialog;
class QHBoxLayout;
class QPushButton;
class QRect;
class QWidget;

/**
 * Applies the three user fonts to a window's controls by kind: labels, check boxes and radio
 * buttons take the label font with its colour; list boxes and group boxes the label font; grids,
 * edit fields and combo boxes the edit font with its colour; buttons the button font. A size
 * chosen this run is noted on each control for the scaling, which takes it instead of the
 * control's design size (FontBaseSize); the sizes themselves change when the window is scaled.
 */
void ApplyUserFonts(QWidget* window, const AppContext& context);

/** The points a control's text is scaled from: the user font's size chosen this run, else design. */
qreal FontBaseSize(const QWidget* control, qreal designPoints);

/**
 * What every window but the main window does when shown: user fonts, scaling of its design size
 * by the interface scale factor (rounded to hundredths; less when the screen's free area cannot
 * hold the window's controls at that factor), and centring on the screen.
 */
void PrepareDialog(QWidget* window, const AppContext& context);

/**
 * Puts a window that remembers its place (the preview, the page designer) back where it was: the
 * geometry's top-left is the frame's position (QWidget::pos) and its size the inside (QWidget::size).
 * The window is shrunk and moved as far as needed to lie within the free area of its screen.
 */
void RestoreOnScreen(QWidget* window, QRect geometry);

/**
 * The usual button row at the foot of a dialog: "&Ok" (object name OkButton, the default button)
 * accepts it and "&Cancel" (CancelButton) rejects it, both at the right.
 */
QHBoxLayout* OkCancelRow(QDialog* dialog);

/**
 * A push button of a window with its caption (Latin-1) and object name. Return presses it only
 * when it is the dialog's default button, unless autoDefault asks for Qt's dialog behaviour (Return
 * presses the button that has the focus).
 */
QPushButton* MakeDialogButton(const char* caption, const char* name, QWidget* parent, bool autoDefault = false);
