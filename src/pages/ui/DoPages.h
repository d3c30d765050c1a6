#pragma once
// The page designer: one page layout edited with the mouse, its palettes, menus and dialogs.

#include "pages/PageDesign.h"
#include "pages/PageLayout.h"
#include "pages/ui/DoPagesCanvas.h"
#include "pages/ui/DoPagesUndo.h"
#include "pages/ui/ListPages.h"

#include <QDialog>
#include <QUndoStack>
#include <array>
#include <optional>

class AppContext;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QToolButton;
class TDoPagesRuler;

/**
 * "Page Creator": edits a private copy of one page layout. Objects are added from the palettes,
 * moved and resized with the mouse, and changed through the object menu and its dialogs; every
 * edit of the objects can be undone. Nothing reaches the page file before "&Save", which appends
 * the layout (new and copy) or writes it over its record (modify).
 */
class TDoPages : public QDialog {
    Q_OBJECT
public:
    using DesignMode = TListPages::DesignMode;

    /** Opens the designer modally; true when it saved. Installed as the layout list's designer. */
    static bool Run(AppContext& context, QWidget* parent, const TPageLayout& layout, DesignMode mode, qint64 recordNumber);

    TDoPages(AppContext& context, const TPageLayout& layout, DesignMode mode, qint64 recordNumber,
             QWidget* parent = nullptr);

    /** The layout as edited so far. */
    const TPageLayout& layout() const { return m_layout; }
    /** Whether "&Save" wrote the layout. */
    bool saved() const { return m_saved; }
    int zoom() const { return m_zoom; }
    /** Design pixels per unit at the current zoom and unit. */
    int pixelsPerUnit() const;
    TDoPagesCanvas* canvas() const { return m_canvas; }
    QUndoStack& undoStack() { return m_undo; }
    /** The palette entry of a kind 1..13. */
    QToolButton* paletteButton(int kind) const { return m_palette[std::size_t(kind)]; }
    /** The armed palette kind, or 0. */
    int armedKind() const { return m_armed; }
    /** The object menu, its items named Menu... after their command. */
    QMenu* objectMenu() const { return m_objectMenu; }
    QMenu* objectsMenu() const { return m_objectsMenu; }

    /** Changes the zoom (1 Small, 2 Medium, 3 Large): every object is rescaled and the page redrawn. */
    void SetZoom(int zoom);
    /** Makes an object current and enables the object menu's items for its kind. */
    void PrepareObjectMenu(int index);
    /** Makes an object current and opens the object menu at a global point. */
    void OpenObjectMenu(int index, QPoint globalPoint);

    void done(int result) override;
    /**
     * Cancel, Exit, the close box: when the design differs from what was opened, asks whether to
     * save it, discard it or keep designing.
     */
    void reject() override;
    /** Whether the design (name, paper, objects) differs from what the designer opened with. */
    bool modified() const;

protected:
    void showEvent(QShowEvent* event) override;
    /** Delete removes the selected object; Escape drops the armed kind or the selection and never closes the window. */
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Window (DoPages.cpp).
    void buildControls();
    void buildMenus();
    QWidget* buildPalettes();
    void loadPictures(bool warn);
    void RedrawPage();
    void EnableDisablePalette();
    void BuildObjectsMenu();
    void PaperSizeChange(int index);
    void OrientationClick();
    bool CustomSideExit(bool width);
    void InchesClick(bool checked);
    void SaveClick();
    void PaletteClick(int kind);
    void disarm();
    void showCustomBoxes();
    /** Grows the window, within the screen, until the page and its rulers show whole. */
    void showWholePage();
    /** Moves the rulers with the scrolled page, so that their marks stand beside the page's. */
    void followPageScroll();
    /** Rescales the objects and every edit on the undo stack by a zoom or unit factor. */
    void rescaleObjects(double factor);

    // Objects (DoPagesObjects.cpp).
    void buildObjectMenu();
    void PlaceObject(QPoint at);
    void SelectObject(std::optional<int> index);
    void ChangeBounds(int index, TObjectBounds bounds);
    void MenuSizePositionClick();
    void MenuPropertiesClick();
    void MenuBorderClick();
    void MenuFillClick();
    void MenuChangeTextClick();
    void MenuAlignmentClick(std::int16_t alignment);
    void MenuTextFontClick();
    void MenuClueNumberFontClick();
    void MenuLoadBitmapClick();
    void MenuDeleteClick();
    void MenuBringToFrontClick();
    void MenuSendToBackClick();
    /** Runs a property dialog on the current object and applies its copy when accepted. */
    template <typename Dialog, typename... Args>
    void runObjectDialog(const QString& editName, Args&&... args);
    /** Replaces the current object with an edited copy as one undoable edit. */
    void applyObject(const TPageObject& object, const QString& editName);
    /** Records the change from `before` to the objects now on the page as one undoable edit. */
    void commitEdit(const QString& editName, const TObjectState& before);
    /** Puts the objects of a state on the page. */
    void restoreObjects(const TObjectState& state);
    /** After the objects changed: palette, Objects menu and page. */
    void objectsChanged();
    bool currentValid() const;

    AppContext& m_context;
    TPageLayout m_layout;
    DesignMode m_mode;
    qint64 m_recordNumber;
    int m_zoom = 2;
    bool m_saved = false;
    bool m_shown = false;
    bool m_validating = false;
    int m_armed = 0;
    int m_current = -1;
    TBitmapPictures m_pictures;
    QUndoStack m_undo;
    /** The layout as opened, before any edit (its objects at the opening zoom). */
    TPageLayout m_opened;

    QLineEdit* m_name = nullptr;
    QComboBox* m_paper = nullptr;
    QRadioButton* m_portrait = nullptr;
    QRadioButton* m_landscape = nullptr;
    QWidget* m_customBoxes = nullptr;
    QLineEdit* m_width = nullptr;
    QLineEdit* m_height = nullptr;
    QCheckBox* m_inches = nullptr;
    std::array<QToolButton*, PageDesign::KindCount + 1> m_palette{};
    TDoPagesCanvas* m_canvas = nullptr;
    TDoPagesRuler* m_topRuler = nullptr;
    TDoPagesRuler* m_leftRuler = nullptr;
    QMenu* m_objectsMenu = nullptr;
    QMenu* m_objectMenu = nullptr;
    std::array<QAction*, 4> m_zoomItems{};
    QAction* m_alignItems[4] = {};
};
