#pragma once

#include "store/PuzzleRecord.h"

#include <QDialog>
#include <array>

class AppContext;
class QLabel;
class QListWidget;
class QPushButton;
struct TBuildResult;

/**
 * One grid picture of the created puzzle view or its enlarged view: a record's grid drawn by the
 * common grid rule into a square of the given side, or the bare background when there is no
 * record. Reports clicks and double clicks with its slot number.
 */
class TCandidatePicture : public QWidget {
    Q_OBJECT
public:
    /** Side of a candidate picture in the view. */
    static constexpr int CandidateSide = 136;

    TCandidatePicture(int slot, int side, QWidget* parent = nullptr);
    /** Shows this record, or nothing when record is null. */
    void setRecord(const TPuzzleRecord* record);

signals:
    void clicked(int slot);
    void doubleClicked(int slot);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    /** From the keyboard: Tab onto a picture selects it, Space enlarges it. */
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_slot;
    const TPuzzleRecord* m_record = nullptr;
};

/**
 * The created puzzle view: the four best results of the last construction run side by side
 * ("Best Fit" .. "Fourth Best Fit"), the words the selected one includes and excludes, an
 * enlarged view on double click, and "&Save Puzzle", which makes the selected candidate the
 * working puzzle (Generated 1, version "3.0c", WordUsed from its placed flags) and appends it to
 * the collection (new puzzle) or writes it over the record being modified. Empty slots cannot be
 * selected. exec() returns Accepted when the puzzle was saved; the editor then closes too.
 */
class TCreatedPuzzle : public QDialog {
    Q_OBJECT
public:
    explicit TCreatedPuzzle(AppContext& context, QWidget* parent = nullptr);

    /** Rank name of slot 1..4: "Best Fit", "Second Best Fit", "Third Best Fit", "Fourth Best Fit". */
    static QString rankName(int slot);

    /** The selected candidate, 1..4, or 0 when none is. */
    int selectedCandidate() const { return m_selected; }
    /** Selects candidate n (1..4) and lists its words; an empty slot is ignored. */
    void selectCandidate(int n);
    /** Opens the enlarged view of candidate n (1..4); an empty slot is ignored. */
    void enlargeCandidate(int n);

    /** "&Save Puzzle": saves the selected candidate. */
    void SaveButtonClick();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool slotHoldsResult(int n) const;
    void highlightCaption(int n, bool on);

    AppContext& m_context;
    TBuildResult& m_result;
    /** Words in the list as entered, taken when the view opens: Save turns a candidate into the working puzzle. */
    int m_enteredWordCount = 0;
    int m_selected = 0;
    bool m_shown = false;
    std::array<TCandidatePicture*, 4> m_pictures{};
    std::array<QLabel*, 4> m_captions{};
    QLabel* m_includedHeading = nullptr;
    QLabel* m_excludedHeading = nullptr;
    QListWidget* m_included = nullptr;
    QListWidget* m_excluded = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_cancel = nullptr;
};

/** The enlarged view of one candidate: its grid in a 411 x 411 picture, captioned with its rank name. */
class TEnlargedPuzzle : public QDialog {
    Q_OBJECT
public:
    /** Side of the enlarged picture. */
    static constexpr int Side = 411;

    TEnlargedPuzzle(AppContext& context, const TPuzzleRecord& record, const QString& caption, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    AppContext& m_context;
    bool m_shown = false;
};
