#pragma once

#include "ui/AppContext.h"
#include "store/Collection.h"
#include "store/PuzzleTransfer.h"
#include "render/PageCanvas.h"

#include <QByteArray>
#include <QDateTime>
#include <QFont>
#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QUrl>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QAction;
class QListWidget;
class QMenu;
class QToolBar;
class SettingsKeeper;
class TBackgroundPanel;

/**
 * The ways the main window reaches the other windows and the desktop. The program installs the
 * real ones; tests put their own in. An empty entry keeps its commands disabled.
 */
struct TMainWinHooks {
    /** The word list editor, opened modally with the given caption on the working puzzle. */
    std::function<void(const QString& caption)> WordList;
    /** Manual word addition on the working puzzle, opened from the main window. */
    std::function<void()> AddWords;
    /** The shape manager. */
    std::function<void()> SelectShapes;
    /** The page layout list in its stand-alone mode. */
    std::function<void()> PageLayouts;
    /** The report window, given its own copy of a constructed puzzle. */
    std::function<void(const TPuzzleRecord& puzzle)> Report;
    /** Print Booklet, with the record numbers ticked at the start. */
    std::function<void(const std::vector<qint64>& ticked)> Booklet;
    /** A font dialog with colour, preset to a font; nothing when cancelled. */
    std::function<std::optional<TCanvasFont>(QWidget* parent, const TCanvasFont& initial, const QString& title)> ChooseFont;
    /** Hands a document or URL to the desktop ("open" with its associated program). */
    std::function<bool(const QUrl& url)> OpenUrl;
    /** The tip of the day window. */
    std::function<void()> TipOfTheDay;
};

/**
 * The main window: the categories and titles of the open puzzle collection, the collection and
 * puzzle commands, the recent-file list, the options that only set settings, and help. It owns the
 * AppContext (settings, working puzzle, open collection) from start-up to exit: settings are read
 * when it is made, written whenever one changes, and once more when it closes.
 */
class TMainWin : public QMainWindow {
    Q_OBJECT

public:
    /** Screen sizes the window can be scaled for, and their scale factors. */
    static constexpr std::array<int, 4> ScreenSizes{640, 800, 1024, 1280};

    /**
     * Starts up in the given directories: settings, recent files, the first listing of the last
     * collection and the screen size. An empty screen size means the primary screen's.
     */
    TMainWin(const QString& startDir, const QString& programDir, QSize screenSize = {}, QWidget* parent = nullptr);
    ~TMainWin() override;

    /** The shared state the other windows work on. */
    AppContext& Context() { return m_context; }
    const AppContext& Context() const { return m_context; }

    /** The installed hooks. */
    const TMainWinHooks& Hooks() const { return m_hooks; }
    /** Replaces the hooks and updates which commands are available. */
    void SetHooks(TMainWinHooks hooks);

    // Listing and selection.
    /** Re-lists the open collection into the category and puzzle lists; honours PendingSelection. */
    void LoadInPuzzles();
    /** Shows the puzzles of the category at a position of the (sorted) category list. */
    void SetCategory(int position);
    /** Enables the puzzle commands when a puzzle is selected, disables them otherwise. */
    void EnableDisable();
    /** Asks the next re-list to select a category and a title (Windows-1252 texts). */
    void RequestSelection(const QByteArray& category, const QByteArray& title);
    /** Whether a selection request is waiting for the next re-list. */
    bool PendingSelection() const { return m_pendingSelection; }
    /** The category list position whose puzzles are shown. */
    int ShownCategory() const { return m_shownCategory; }
    /** The listing of the open collection. */
    const CollectionIndex& Index() const { return m_index; }

    // Collection and recent files.
    /** The open collection's file name without directory and extension. */
    QString GroupName() const { return m_groupName; }
    /** Sets the caption "Quorvex 98 (" + GroupName + ")". */
    void DoCaption();
    /** Updates the recent-file list when the open collection changes from oldPath to newPath. */
    void DoLastFiles(const QString& oldPath, const QString& newPath);
    /** Shows the recent-file list in the File menu. */
    void SetMenuLastFiles();

    // Commands.
    void NewGroup();
    void OpenGroup();
    /**
     * Opens a collection file as the open dialog's choice is opened (also a file named on the
     * command line); a file without the .QV3 extension or one that does not exist is refused.
     */
    void OpenCollection(const QString& path);
    /** Opens recent-file entry 1..5; a file that no longer exists is ignored. */
    void OpenSaveFile(int entry);
    void MakeNewPuzzle();
    void ModifyPuzzle();
    void CopyPuzzle();
    void AddWords();
    void DeletePuzzle();
    void PrintPuzzle();
    /** Print Booklet: the collection's puzzles, those of the category shown ticked. */
    void PrintBooklet();
    /** The platform's printer dialog on the program's printer, as the report window's set-up. */
    void PrinterSetup();
    void ClueHeaders();
    void SelectShapes();
    void PageLayouts();
    /** "&Import Puzzles": appends puzzles of another collection, or converts a 16-bit ".QVZ" puzzle. */
    void ImportPuzzle();
    /** "&Export Puzzles": writes chosen puzzles of the open collection to another collection file. */
    void ExportPuzzle();
    /** At start-up: offers to convert the old user puzzles and shapes found in the start directory. */
    void CheckForOldVersions();

    // Options and help.
    /** Chooses a screen size (640, 800, 1024 or 1280) from the Options menu. */
    void ChooseScreenSize(int size);
    /** The screen size in force (its menu item is the checked one). */
    int ScreenSizeInForce() const { return m_sizeInForce; }
    /** Restores the design size and fonts, scales them by the scale factor and centres the window. */
    void ApplyScreenSize();
    /** Sets each control's text size: its design size, or the user font's chosen this run, by the factor. */
    void ScaleFonts();
    void ToggleBackground();
    void ChooseDictionary(int code);
    void ChooseThesaurus(int code);
    /** "&Add to Dictionary" and "&Exclude From Dictionary": the user word lists. */
    void AddToDictionary();
    void ExcludeFromDictionary();
    void ChoosePixelFormat(int format);
    /** The JPEG quality factor dialog of the picture exports. */
    void JpegFactor();
    /** Font dialog on one of the user fonts ("Label Font", "Edit Font" or "Button Font" section). */
    void ChooseUserFont(int which);
    void HelpContents();
    void UserManual();
    /** "&Review Tips of the Day": the tip window at any time. */
    void ReviewTips();
    /** "&Data Exchange via Internet": help at the keyword "PUZZLE CONNECTION". */
    void DataExchange();
    void About();
    void OtherProducts();
    void Order();
    /** "&International Characters" and "&Word Separator Chars" (MainWinWords.cpp). */
    void InternationalCharacters();
    void WordSeparators();

    /** The design client size of the window, before scaling. */
    static QSize DesignSize();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    /** The first activation shows the tip of the day when "Show Tips" is on. */
    void changeEvent(QEvent* event) override;
    /** A collection file dropped on the window (from a file manager) is opened. */
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    /** List item data: the category index or record number, and the text as stored (Windows-1252). */
    static constexpr int NumberRole = Qt::UserRole;
    static constexpr int StoredTextRole = Qt::UserRole + 1;

    void BuildMenus();
    void BuildToolBar();
    void BuildLists();
    void RecordDesignGeometry();
    void InstallWindowOpeners();
    void UpdateChecks();
    /** Finds the dictionaries and thesauri, applies the fallbacks and disables what is missing. */
    void SetUpSpelling();
    void SetCurrentCollection(const QString& path);
    void ClearLists();
    /** Row of the selected puzzle, or -1; shows the no-selection message when asked to. */
    int SelectedPuzzle(bool complain);
    /** Reads the selected puzzle into the working copy for modify, copy or puzzle words. */
    bool ReadSelectedForEditing(int row);
    /**
     * Reads the puzzle listed at a row, which must still be the puzzle listed: when another program
     * has changed the collection since, shows openFailure with the reason and lists it anew.
     */
    bool ReadListedPuzzle(int row, TPuzzleRecord& record, const QString& openFailure);
    /** The category and title listed at a puzzle row, as stored. */
    TRecordName ListedName(int row) const;
    /** Lists the collection anew, keeping the selection, when another program has changed it. */
    void RelistIfChanged();
    void CategoryRowChanged(int row);
    /**
     * Imports the one puzzle of a chosen ".QVZ" file (Import16Bit) or of an Across Lite or iPUZ
     * file, shows what changed on the way, then selects the imported puzzle.
     */
    void ImportOnePuzzleFile(const QString& path, ImportKind kind);
    /** Re-lists the collection keeping the shown category and the selected (else first) puzzle. */
    void RelistKeepingSelection();
    QAction* AddCommand(QMenu* menu, const char* objectName, const QString& caption, const QKeySequence& key,
                        const QString& hint, void (TMainWin::*slot)());
    /** Adds a menu command; an empty action leaves it disabled until its window exists. */
    QAction* AddCommand(QMenu* menu, const char* objectName, const QString& caption, const QKeySequence& key,
                        const QString& hint, std::function<void()> run);

    AppContext m_context;
    /** Writes the settings whenever one of them changes, and at exit. */
    std::unique_ptr<SettingsKeeper> m_settingsKeeper;
    TMainWinHooks m_hooks;
    CollectionIndex m_index;
    /** The collection file's size and times when it was last listed, to notice other writers. */
    struct FileStamp {
        qint64 Size = -1;
        QDateTime Modified;
        QDateTime Changed;
        bool operator==(const FileStamp&) const = default;
    };
    static FileStamp StampOf(const QString& path);
    FileStamp m_listedStamp;
    QString m_groupName;
    int m_shownCategory = 0;
    bool m_pendingSelection = false;
    QByteArray m_selectCategory;
    QByteArray m_selectTitle;
    bool m_filling = false;
    bool m_firstShow = true;
    bool m_firstActivation = true;

    QSize m_screen;
    int m_sizeInForce = 640;
    /** Design font size of each control, taken before any scaling; controls deleted since are skipped. */
    std::vector<std::pair<QPointer<QWidget>, qreal>> m_designFonts;

    TBackgroundPanel* m_panel = nullptr;
    QListWidget* m_categoryBox = nullptr;
    QListWidget* m_puzzleBox = nullptr;
    QToolBar* m_toolBar = nullptr;
    QHash<QString, QAction*> m_actions;
    QAction* m_lastFileSeparator = nullptr;
    std::array<QAction*, 5> m_lastFileItems{};
    QHash<int, QAction*> m_screenItems;
    QHash<int, QAction*> m_dictionaryItems;
    QHash<int, QAction*> m_thesaurusItems;
    QHash<int, QAction*> m_pixelFormatItems;
};
