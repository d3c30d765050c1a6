#pragma once
// The page layout list: choosing, deleting, importing, exporting and extracting page layouts.

#include "pages/PageFile.h"
#include "pages/PageLayout.h"

#include <QDialog>
#include <functional>
#include <optional>
#include <vector>

class AppContext;
class QListWidget;
class QPushButton;
class TLayoutThumbnail;

/**
 * The list of the page file's layouts ("Puzzle Page Layouts"), sorted by their list text, with the
 * miniature of the selected one. Mode 1 manages the file ("&Select" disabled); modes 2 and 3 choose
 * a layout: "&Select" copies the selected record into *target and closes the window accepted, and
 * the caller redraws from it.
 */
class TListPages : public QDialog {
    Q_OBJECT
public:
    /** How the window was opened. */
    enum Mode { Manage = 1, ChooseForPuzzle = 2, ChooseForPrinting = 3 };

    /** What the page designer is asked to do with the layout it receives. */
    enum class DesignMode { New, Modify, Copy };

    /**
     * Opens the page designer on a layout: New and Copy append to the page file, Modify overwrites
     * record `recordNumber`. Returns whether the designer saved. While no designer is installed,
     * "&New", "&Modify" and "&Copy" stay disabled.
     */
    using Designer = std::function<bool(AppContext& context, QWidget* parent, const TPageLayout& layout, DesignMode mode,
                                        qint64 recordNumber)>;

    /** Installs the page designer for every list window opened afterwards; an empty one removes it. */
    static void setDesigner(Designer designer);

    /** mode 1, 2 or 3; target receives the chosen layout in modes 2 and 3 and may be null in mode 1. */
    TListPages(AppContext& context, int mode, TPageLayout* target, QWidget* parent = nullptr);

    /** The listed entries in display order. */
    const std::vector<TLayoutEntry>& entries() const { return m_entries; }
    /** Record number of the selected entry, or nothing. */
    std::optional<qint64> selectedNumber() const;
    /** The record loaded for the selected entry (drawn in the thumbnail), or nothing. */
    const std::optional<TPageLayout>& loadedLayout() const { return m_loaded; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void SelectButtonClick();
    void NewButtonClick();
    void ModifyButtonClick();
    void CopyButtonClick();
    void DeleteButtonClick();
    void ImportButtonClick();
    void ExportButtonClick();
    void DefaultButtonClick();
    void ExtractButtonClick();
    void PageListClick();

    /** Re-reads the list; false (after showing the system's text) on a read error. */
    bool reloadList();
    /** Selects the row (clamped to the list), loads its record and draws it; -1 clears. */
    void selectRow(int row);
    /** Selects the entry of a record number, loads and draws it. */
    void selectNumber(qint64 number);
    /** Loads the selected entry's record and draws it. */
    void loadSelected();
    /** Reads record number of the page file; an input/output error is shown, a missing file is not. */
    bool readLayout(qint64 number, TPageLayout& layout);
    /** The selected entry, after "No page layout selected." when there is none. */
    std::optional<TLayoutEntry> requireSelection();
    /** Shows a page file report's message, if any: a notice for a success, else an error. */
    void showReport(const TPageFileReport& report);
    /** After the designer saved: re-read, select the record (the highest number when none is given) and draw it. */
    void designerSaved(std::optional<qint64> number);
    void EnableDisable();

    AppContext& m_context;
    int m_mode;
    TPageLayout* m_target;
    std::vector<TLayoutEntry> m_entries;
    std::optional<TPageLayout> m_loaded;
    bool m_hasLayouts = false;
    bool m_shown = false;

    QListWidget* m_list = nullptr;
    TLayoutThumbnail* m_thumbnail = nullptr;
    QPushButton* m_select = nullptr;
    QPushButton* m_new = nullptr;
    QPushButton* m_modify = nullptr;
    QPushButton* m_copy = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_import = nullptr;
    QPushButton* m_export = nullptr;
    QPushButton* m_default = nullptr;
    QPushButton* m_extract = nullptr;
    QPushButton* m_exit = nullptr;
};
