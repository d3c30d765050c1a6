#pragma once

#include <QIcon>
#include <QString>

/**
 * The main window's toolbar pictures, drawn in one flat style: "NewGroup", "OpenGroup",
 * "NewPuzzle", "ModifyPuzzle", "CopyPuzzle", "DeletePuzzle", "ImportPuzzles", "ExportPuzzles",
 * "PrintPuzzle", "PrintBooklet", "Exit", "PageLayout", "PuzzleShape", "PuzzleWords", "Help". An unknown name
 * gives an empty icon.
 */
QIcon ToolbarIcon(const QString& name);
