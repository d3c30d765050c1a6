#pragma once

class QAction;
class QApplication;

/**
 * Makes a window's menu shortcuts win over the editing keys of its text fields: with the focus in
 * a field, Ctrl+X runs the window's Ctrl+X command instead of cutting text, as menu accelerators
 * do on the platform the program comes from. Keys that no enabled command of the window uses keep
 * their editing meaning. Installed once on the application at start.
 */
void GiveMenuShortcutsPriority(QApplication& application);

/**
 * Leaves a command's key to a text field that has the focus: the page designer's "E&xit" (Ctrl+X)
 * discards the design without asking, so in its name and size fields Ctrl+X cuts text instead.
 */
void LetFieldsKeepTheKeyOf(QAction* action);
