#pragma once

#include "build/CreateChecks.h"
#include "store/PuzzleRecord.h"
#include "words/WordListTransfer.h"

#include <QDialog>
#include <cstdint>
#include <optional>

class AppContext;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QWidget;
class ShapeListPanel;

/**
 * The word list editor: title, category, bonus question, up to 200 words with their clues, the
 * shape to build in and the page layout to print with, for the working puzzle of the context.
 * Opened on a new puzzle (or a copy) it builds: Create checks the list and runs the construction,
 * and the created puzzle view saves the result. Opened on a stored puzzle (IsNewPuzzle clear) the
 * words and the shape are fixed and Save writes the changed texts over the record.
 *
 * The main window sets the caption and calls exec(). The result is Accepted when the collection
 * was written (Save, or a construction saved from the created puzzle view), else Rejected.
 */
class TWordList : public QDialog {
    Q_OBJECT
public:
    explicit TWordList(AppContext& context, QWidget* parent = nullptr);
    ~TWordList() override;

    /** Rows of the words-and-clues grid. */
    static constexpr int GridRows = Limits::WordSlots;
    /** Columns of the words-and-clues grid. */
    enum GridColumn { CountColumn = 0, UsedColumn = 1, WordColumn = 2, ClueColumn = 3 };

    /** Starts every construction with this generator state instead of the time of day (tests). */
    void setFixedSeed(std::uint32_t seed) { m_fixedSeed = seed; }

    /** What the editor holds, in Windows-1252 bytes: title, category, bonus question, attempts text and rows. */
    TCreateInput editorInput() const;

    /** Fills grid rows 1..200 from the working puzzle's words, clues and WordUsed flags. */
    void fillGridFromRecord();

    /** Redraws the page layout preview from the working puzzle's layout (after a layout change). */
    void refreshLayoutPreview();

    /** "&Create": checks the list, runs the construction and opens the created puzzle view. */
    void CreateItClick();
    /** "Sa&ve" (stored puzzles): checks title and category, stores the texts and writes the record. */
    void SaveButtonClick();
    /** "E&xit": on a stored puzzle, asks before discarding changes; otherwise closes. */
    void ExitButtonClick();
    /** "De&lete": removes the selected row; the rows below move up. */
    void DeleteButtonClick();
    /** "Delete &All": empties every word and clue after asking. */
    void DeleteAllButtonClick();
    /** "Add &Words" (stored puzzles): manual word addition; a save refills the rows of the puzzle's words. */
    void AddWordsButtonClick();
    /** "Change La&yout": the page layout chooser puts the chosen layout into the puzzle. */
    void ChangeLayoutClick();
    /** "&Spell Check": words (new puzzles) and clues against the chosen language's dictionary. */
    void SpellCheckClick();
    /** "&Thesaurus": looks the selected row's word up; an accepted synonym becomes its clue. */
    void ThesaurusClick();

    // Word list files and international characters (WordListImport.cpp).
    /** "&Import": the import dialog fills free rows of the grid. */
    void ImportButtonClick();
    /** "&Export": the export dialog writes words, clues or pairs of the grid to a file. */
    void ExportButtonClick();
    /** "International Characters": the dialog that assigns the characters of F1..F12. */
    void IntCharsButtonClick();
    // The clue and theme assistant (WordListAssistant.cpp).
    /** "Suggest Clues": drafted clues for every word without a clue; the chosen ones are written. */
    void SuggestCluesClick();
    /** The grid's "Suggest Clue for This Row": drafts for the selected row's word, whatever its clue. */
    void SuggestRowClueClick();
    /** "T&heme Words": the ticked words of a topic with their clues go into free rows. */
    void ThemeWordsClick();

    /** The grid rows as Windows-1252 texts with their "U" marks (an open cell editor is committed first). */
    QList<WordListTransfer::GridRow> gridRows();

public slots:
    /** Escape and the window's close button run Exit. */
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    /** F1..F12 type their international character into the focused text field. */
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void buildGrid();
    void applyMode();
    void loadCategories();
    void showRefusal(const TCreateRefusal& refusal);
    void runConstruction();
    bool writeRecord();
    bool checkTitleAndCategory();
    void clearRow(int row);
    void commitGridEdit();
    void connectWordTools();
    void applySpellingAvailability();
    void runSpellCheck(int language);
    void connectAssistant();
    void applyAssistantAvailability();
    void suggestClues(const QList<int>& rows);

    AppContext& m_context;
    bool m_newPuzzle = true;
    bool m_shown = false;
    std::optional<std::uint32_t> m_fixedSeed;
    TPuzzleRecord m_snapshot;

    QLineEdit* m_title = nullptr;
    QComboBox* m_category = nullptr;
    QLineEdit* m_bonus = nullptr;
    QTableWidget* m_grid = nullptr;
    QLineEdit* m_attempts = nullptr;
    QCheckBox* m_shrink = nullptr;
    QCheckBox* m_quick = nullptr;
    ShapeListPanel* m_shapes = nullptr;
    QLabel* m_layoutImage = nullptr;
    QPushButton* m_create = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_exit = nullptr;
    QPushButton* m_import = nullptr;
    QPushButton* m_export = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_deleteAll = nullptr;
    QPushButton* m_spell = nullptr;
    QPushButton* m_thesaurus = nullptr;
    QPushButton* m_intChars = nullptr;
    QPushButton* m_suggestClues = nullptr;
    QPushButton* m_themeWords = nullptr;
    QPushButton* m_addWords = nullptr;
    QPushButton* m_changeLayout = nullptr;
};
