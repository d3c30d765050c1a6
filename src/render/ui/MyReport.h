#pragma once
// The report window: what to print and how, before a view or print run.

#include "render/PageCanvas.h"
#include "render/PageRenderer.h"
#include "store/PuzzleRecord.h"

#include <QColor>
#include <QDialog>
#include <QList>
#include <functional>
#include <optional>

class AppContext;
class QCheckBox;
class QFrame;
class QLineEdit;
class QMenu;
class QPushButton;
class TLayoutThumbnail;

/** One entry of the report window's font menu: the object slot (0-based) and which of its fonts. */
struct TFontMenuEntry {
    QString Caption;
    int Slot = 0;
    bool NumberFont = false;   ///< the Puzzle object's clue number font instead of its text font
};

/**
 * The font menu of a layout: the Puzzle object gives "Puzzle Answer Font" and "Puzzle Clue Numbers
 * Font", every title, header, clue, word list, bonus and text object its name followed by " Font"
 * (cut to 20 characters); pictures, rectangles and circles give nothing. At most 21 entries.
 */
QList<TFontMenuEntry> BuildFontMenu(const TPageLayout& layout);

/**
 * The report window ("Reports"): the options of a print run over its own copy of a puzzle record.
 * The print parts, answer key, partial answers and letters, skeleton and box colour are the
 * settings and change them the moment a control changes; layout, fonts, headings and bonus question
 * change the copy only and never reach the collection. "&View/Print" hands the copy and the run's
 * options to the installed view/print run.
 */
class TMyReport : public QDialog {
    Q_OBJECT

public:
    /** Runs a page for a puzzle with these options: status window, warnings and preview. */
    using ViewPrintRun = std::function<void(AppContext& context, const TPuzzleRecord& puzzle,
                                            const TRenderOptions& options, QWidget* parent)>;

    /**
     * The standard dialogs the window opens, replaceable so that tests do not block. An empty
     * member uses the platform dialog.
     */
    struct Dialogs {
        /** A colour dialog preset to a colour; nothing when cancelled. */
        std::function<std::optional<QColor>(QWidget* parent, const QColor& initial)> ChooseColor;
        /** A font dialog (face, size, colour, styles) preset to a font; nothing when cancelled. */
        std::function<std::optional<TCanvasFont>(QWidget* parent, const TCanvasFont& initial, const QString& title)> ChooseFont;
    };

    /** Installs the view/print run for every report window opened afterwards; empty disables "&View/Print". */
    static void setViewPrint(ViewPrintRun run);
    /** Replaces the standard dialogs for every report window opened afterwards; {} restores them. */
    static void setDialogs(Dialogs dialogs);

    TMyReport(AppContext& context, const TPuzzleRecord& puzzle, QWidget* parent = nullptr);

    /** The working copy: layout, fonts and bonus question as changed here. */
    const TPuzzleRecord& puzzle() const { return m_puzzle; }
    /** The options the next run gets. */
    const TRenderOptions& options() const { return m_options; }
    /** The font menu as built for the working layout. */
    const QList<TFontMenuEntry>& fontMenu() const { return m_fontEntries; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    /** The installed view/print run. */
    static const ViewPrintRun& currentViewPrint();

    void buildControls();
    QWidget* buildOptionsPanel();
    void loadControls();
    void LayoutSetup();
    void EnableDisable();
    void showBoxColor();

    void ViewPrintClick();
    void PrinterSetupClick();
    void ChangeLayoutClick();
    void ChangeFontsClick();
    void FontMenuClick(int entry);
    void ChangeHeadersClick();
    void ChangeBonusClick();
    void SelectClick();
    void BoxColorClick();
    void HelpClick();

    AppContext& m_context;
    TPuzzleRecord m_puzzle;
    TRenderOptions m_options;
    QList<TFontMenuEntry> m_fontEntries;
    bool m_shown = false;
    bool m_loading = false;

    QCheckBox* m_printTitle = nullptr;
    QCheckBox* m_printBody = nullptr;
    QCheckBox* m_printClues = nullptr;
    QCheckBox* m_printWords = nullptr;
    QCheckBox* m_printBonus = nullptr;
    QCheckBox* m_answerKey = nullptr;
    QCheckBox* m_partialAnswers = nullptr;
    QPushButton* m_select = nullptr;
    QCheckBox* m_partialLetters = nullptr;
    QLineEdit* m_letters = nullptr;
    QCheckBox* m_skeleton = nullptr;
    QPushButton* m_boxColor = nullptr;
    QFrame* m_boxSample = nullptr;
    QPushButton* m_viewPrint = nullptr;
    QMenu* m_fontMenu = nullptr;
    TLayoutThumbnail* m_thumbnail = nullptr;
};
