#pragma once

#include "shapes/ShapeLibrary.h"

#include <QSize>
#include <QWidget>
#include <vector>

class AppContext;
class QLabel;
class QListWidget;
class QPushButton;
class ShapePreviewBox;

/**
 * The shape list with its preview and the library commands New, Copy, Modify, Delete, Import and
 * Export, as the word list editor and the shape manager show it. The host decides what is listed
 * and selected: the editor on a new puzzle preselects the "Last Shape" record, the editor on a
 * stored puzzle lists the puzzle's own shape first and disables the whole panel, the manager
 * selects the first entry. Selecting an entry loads its shape into the context's CurrentShape.
 * The constructor fills the list (LoadInLayouts).
 */
class ShapeListPanel : public QWidget {
    Q_OBJECT
public:
    ShapeListPanel(AppContext& context, ShapeListHost host, QSize previewSize, QWidget* parent = nullptr);

    /** Rebuilds the list from the library, selects the host's entry, loads and draws it. */
    void LoadInLayouts();
    /** Copies the selected entry's shape into CurrentShape (in the editor: "Last Shape" too). */
    void LoadALayout();
    /** Redraws the preview from CurrentShape. */
    void DrawTheBox();
    /** Selects the entry carrying number (else the first entry), then loads and draws it. */
    void SetShapeBoxIndex(int number);

    /** New: the shape editor on a new shape; the list is refreshed after a save. */
    void NewLayout();
    /** Copy: the shape editor on a copy of the selected shape, titled as a copy. */
    void CopyLayout();
    /** Modify: the shape editor on the selected library shape. */
    void ModifyLayout();
    /** Delete: asks, removes the selected record and reselects the same list position. */
    void DeleteALayout();
    /** Import: appends the shape of a chosen export file and selects it. */
    void ImportLayout();
    /** Export: writes the selected shape into a chosen export file. */
    void ExportLayout();

    /** The host this panel serves. */
    ShapeListHost host() const { return m_host; }
    /** The entries in display order. */
    const std::vector<ShapeListEntry>& entries() const { return m_entries; }
    /** Selected list position, or -1. */
    int selectedPosition() const;
    /** Number of the selected entry (a record number or 100000 for the current puzzle), or -1. */
    int selectedNumber() const;

signals:
    /** CurrentShape has been replaced (an entry was loaded or a shape imported). */
    void shapeChanged();

private:
    /** Rebuilds the entries from the library; returns the position the host selects first. */
    int FillList();
    void SelectPosition(int position);
    void OnCurrentRowChanged(int row);
    void EnableCommands();
    void RunEditor(int mode, int recordNumber);

    AppContext& m_context;
    ShapeListHost m_host;
    std::vector<ShapeListEntry> m_entries;
    /** The current puzzle's shape, kept for its entry in the editor on a stored puzzle. */
    TShapeRecord m_puzzleShape;
    bool m_filling = false;
    bool m_modifyAllowed = false;

    QLabel* m_heading = nullptr;
    QListWidget* m_shapeBox = nullptr;
    ShapePreviewBox* m_preview = nullptr;
    QPushButton* m_newButton = nullptr;
    QPushButton* m_copyButton = nullptr;
    QPushButton* m_modifyButton = nullptr;
    QPushButton* m_deleteButton = nullptr;
    QPushButton* m_importButton = nullptr;
    QPushButton* m_exportButton = nullptr;
};
