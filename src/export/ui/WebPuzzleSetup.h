#pragma once

#include <QDialog>

class AppContext;
class QCheckBox;

/**
 * The "Web Puzzle" set-up window, shown before the web puzzle is saved: whether clues show the
 * lengths of words typed with spaces or dashes ("(3,5)", "(4-2-3-3)") and whether the page has a
 * timer. The check boxes change the settings at once, like the HTML export's window; "&Save Web
 * Puzzle" accepts, "&Cancel" saves nothing.
 */
class TWebPuzzleSetup : public QDialog {
    Q_OBJECT
public:
    explicit TWebPuzzleSetup(AppContext& context, QWidget* parent = nullptr);

private:
    QCheckBox* WordLengthsBox = nullptr;
    QCheckBox* TimerBox = nullptr;
};
