#pragma once

class QApplication;

/**
 * Makes a window's menu shortcuts win over the editing keys of its text fields: with the focus in
 * a field, Ctrl+X runs the window's Ctrl+X command instead of cutting text, as menu accelerators
 * do on the platform the program comes from. Keys that no enabled command of the window uses keep
 * their editing meaning. Installed once on the application at start.
 */
void GiveMenuShortcutsPriority(QApplication& application);
