#pragma once
// The one table of output formats. quorvex-cli export, the preview's export menus and file dialogs
// and the tests all enumerate it, so a new format is one row of OutputFormats::all().

#include "export/SolvingPuzzle.h"
#include "render/PageRenderer.h"
#include "store/IoResult.h"
#include "store/Settings.h"

#include <QString>
#include <QStringList>
#include <span>

/** What a format is written from. */
enum class ExportInput {
    Record,       ///< the puzzle record as stored (clue and word texts)
    Puzzle,       ///< the puzzle with the run's options: separators, headings (the solving formats)
    FittedPage,   ///< the page fitted once, drawn as every other output draws it
};

/** Everything one write may need; a format reads what its ExportInput names. */
struct TExportRequest {
    const TPuzzleRecord* Puzzle = nullptr;
    const TRenderOptions* Options = nullptr;
    const TFittedPage* Page = nullptr;
    const Settings* Preferences = nullptr;   ///< pixel format and the web page's texts
    int PixelWidth = 640;
    int Quality = 75;                        ///< JPEG quality factor
    QString Path;
    TSolvingOptions Solving;                 ///< word lengths in the clues, the web puzzle's timer
};

/** Where the preview offers a format. */
enum class PreviewPlace { None, GraphicMenu, MenuBar, TextMenu };

/** How the preview goes about an export. */
enum class PreviewSteps {
    SaveDialog,       ///< asks for the file and writes it
    WidthFirst,       ///< asks for the picture width (the width dialog), then as SaveDialog
    ProgressWindow,   ///< asks for the file and writes it in the "Metafile Creation" window
    WebPageWindow,    ///< opens the "HTML Creation" window, which asks for width and file itself
    SetupFirst,       ///< shows the "Web Puzzle" set-up window first, then as SaveDialog
};

/**
 * One output format: its command-line name, its save dialog, the setting that remembers its last
 * file, what it is written from, its writer and the files a write produces, and where the preview
 * offers it. Captions, titles and filters are the program's own texts, character for character.
 */
struct TOutputFormat {
    QString Name{};     ///< quorvex-cli export --format NAME
    QString Suffix{};   ///< the save dialog's default suffix
    QString Filter{};   ///< the save dialog's filter; empty for a format only the command line writes
    QString Title{};    ///< the save dialog's title
    /** The setting that remembers the last file; none: kept for the run, first in the bitmap's folder. */
    QString Settings::*LastFile = nullptr;
    ExportInput Input = ExportInput::FittedPage;
    IoResult (*Write)(const TExportRequest& request) = nullptr;
    /** The file a write puts beside Path as well (the web page's picture); none when null. */
    QString (*Companion)(const QString& path) = nullptr;
    /** Takes the JPEG quality factor (the width dialog then asks for a JPeg). */
    bool UsesQuality = false;
    /** Leaves the layout's pictures out: MetafileExport::BitmapWarning is shown first. */
    bool LeavesOutPictures = false;
    /** The message of a file that cannot be created, when the format has its own. */
    QString CreateFailedMessage{};
    /** The message of a failed write; empty: "The file could not be written.". */
    QString WriteFailedMessage{};
    /** A refusal (a puzzle the format cannot hold) is shown in the writer's words alone. */
    bool ShowsRefusal = false;
    /** What to warn of after a successful write (empty: nothing); none when null. */
    QString (*Warning)(const TExportRequest& request) = nullptr;

    PreviewPlace Place = PreviewPlace::None;
    PreviewSteps Steps = PreviewSteps::SaveDialog;
    QString Caption{};          ///< the menu item
    QString ActionName{};       ///< its object name
    QString Shortcut{};         ///< its key, in QKeySequence's portable text
    bool SeparatorBefore = false;
    QString ToolCaption{};      ///< the export tool button, when it has one
    QString ToolName{};

    /** The files a write to path produces: path, then its companion. */
    QStringList outputFiles(const QString& path) const;
};

namespace OutputFormats {

/** Every format, in the order of the preview's menus. */
std::span<const TOutputFormat> all();

/** The format of a command-line name, or null. */
const TOutputFormat* find(const QString& name);

} // namespace OutputFormats
