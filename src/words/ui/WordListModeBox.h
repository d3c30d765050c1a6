#pragma once
// The controls the word list import and export dialogs share: the three mode buttons with the
// separator field, and the sorted multi-select list.

#include "words/WordListTransfer.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <array>
#include <functional>

class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QWidget;

/**
 * The mode buttons (words, clues, words and clues) and the one-character field `SepChar`
 * ("Separator Char"), which shows only in words-and-clues mode.
 */
struct WordListModeBox {
    QGroupBox* Box = nullptr;
    std::array<QRadioButton*, 3> Buttons{};
    QLineEdit* SepChar = nullptr;

    /** Builds the controls with the button captions and object names for words, clues and pairs. */
    WordListModeBox(QWidget* parent, const std::array<const char*, 3>& captions, const std::array<const char*, 3>& names);

    /** The chosen mode. */
    WordListTransfer::Mode Mode() const;
    /** Checks the button of a mode and shows or hides the separator field; emits no change. */
    void Select(WordListTransfer::Mode mode);
    /** The trimmed separator field's character (Windows-1252), or 0 when it is blank. */
    char Separator() const;
    /** Calls back when the user picks a mode, and when the separator field is edited. */
    void OnChange(QObject* owner, std::function<void()> modeChanged, std::function<void()> separatorEdited);
};

/** A button of the import and export dialogs: caption, object name, never the default button. */
QPushButton* MakeListButton(const char* caption, const char* name, QWidget* parent);

/** A list whose items are toggled by clicking each. */
QListWidget* MakeWordListBox(QWidget* parent);

/**
 * Fills the list with the texts (Windows-1252) in case-insensitive alphabetical order; each item
 * keeps its text bytes and the given flag.
 */
void FillWordListBox(QListWidget* list, const QList<QByteArray>& texts, const QList<bool>& flags = {});

/** The bytes of the selected items, in list order. */
QList<QByteArray> SelectedTexts(const QListWidget* list);

/** Selects exactly the items whose flag is set; true when there is one. */
bool SelectFlagged(QListWidget* list);

/** Whether any item is selected. */
bool AnySelected(const QListWidget* list);
