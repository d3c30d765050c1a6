#pragma once
// The page file "QVFPAGE.DAT": a headerless file of page layout records, and the ".PAG" export file.

#include "pages/PageLayout.h"
#include "store/CommandReport.h"
#include "store/FixedMessage.h"
#include "store/IoResult.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <vector>

struct TPuzzleRecord;

/** File name of the page file in the program directory. */
inline constexpr char PageFileName[] = "QVFPAGE.DAT";


/** The messages of the page layout commands. */
namespace PageMessages {
inline constexpr TFixedMessage AddFailed{"Unable to add page layout.", "Disk Error"};
inline constexpr TFixedMessage DeleteFailed{"Unable to delete page layout.", "Disk Error"};
inline constexpr TFixedMessage ExportFailed{"Page layout could not be exported.", "Error"};
inline constexpr TFixedMessage Exported{"Page Layout Exported!", "OK"};
inline constexpr TFixedMessage ImportFailed{"Page layout could not be imported.", "Error"};
inline constexpr TFixedMessage ImportCorrupt{"Page layout file is corrupt or incompatible.  Import aborted.", "Error"};
inline constexpr TFixedMessage NoPageSelected{"No page layout selected.", "Error"};
inline constexpr TFixedMessage NoLayoutSelected{"No layout has been selected.", "Error"};
inline constexpr TFixedMessage NoLayoutsFound{"No saved page layouts could be found.", "Warning"};
/** Caption of the delete question. */
inline constexpr char DeleteCaption[] = "Delete?";
/** Caption of an input/output error after the file was opened (the text is the system's). */
inline constexpr char IoErrorCaption[] = "Error";
/** Title and filter of the export and import file dialogs, and their extension. */
inline constexpr char ExportDialogTitle[] = "Export Page Layouts";
inline constexpr char ImportDialogTitle[] = "Import Page Layouts";
inline constexpr char DialogFilter[] = "Page Layouts (*.PAG)|*.PAG";
inline constexpr char DefaultExtension[] = "PAG";

/** The delete question for a list entry: Are you sure you want to delete "<entry text>"? */
QString deleteQuestion(const QString& entryText);
} // namespace PageMessages

/** What a page file command reports: its outcome and the message box to show, if any. */
using TPageFileReport = TCommandReport;

/** One entry of the layout list: a record number and the text shown for it. */
struct TLayoutEntry {
    qint64 Number = 0;
    QString Text;
    bool operator==(const TLayoutEntry&) const = default;
};

/** The "  <<DEFAULT>>" mark after the entry of the default layout. */
inline constexpr char DefaultMark[] = "  <<DEFAULT>>";

/**
 * The list text of a layout: `LayoutName` (`PaperName`), or for Custom paper
 * `LayoutName` (Custom W" x H") with the sizes rounded to whole numbers, halves to even.
 */
QString LayoutDisplayText(const TPageLayout& layout);

/**
 * Reads every record and returns its number and list text, the record numbered defaultPage
 * marked with DefaultMark, sorted by text (case-insensitive, equal texts by record number).
 * A missing file gives no entries and OpenFailed; an empty one no entries and Ok.
 */
IoResult LoadLayoutList(const QString& pagePath, qint64 defaultPage, std::vector<TLayoutEntry>& entries);

/** Reads record n of the page file. */
IoResult LoadLayout(const QString& pagePath, qint64 n, TPageLayout& layout);

/**
 * The layout a new puzzle gets: record n, or record 0 when n is not a record number; the built-in
 * default when the file is missing or holds no whole record. On a read error the layout is the
 * built-in default and the error is returned.
 */
IoResult LoadDefaultLayout(const QString& pagePath, qint64 n, TPageLayout& layout);

/**
 * Appends a layout, creating the file when missing; `newNumber`, when given, receives its record
 * number. Nothing is written when the file cannot be opened ("Unable to add page layout.").
 */
TPageFileReport AppendLayout(const QString& pagePath, const TPageLayout& layout, qint64* newNumber = nullptr);

/** Writes a layout over record n; a file that cannot be opened or an n past the end is refused with "Unable to add page layout.". */
TPageFileReport ReplaceLayout(const QString& pagePath, qint64 n, const TPageLayout& layout);

/**
 * Removes record n: later records move down one place and the file ends one record shorter,
 * written beside the old file and renamed into place. Failure: "Unable to delete page layout.".
 */
TPageFileReport DeleteLayout(const QString& pagePath, qint64 n);

/** Writes "PAG1.0" and the layout as the whole file; success and failure each carry their message. */
TPageFileReport ExportPageLayout(const TPageLayout& layout, const QString& exportPath);

/**
 * Checks a ".PAG" file (it opens; "PAG"; 3 version bytes, not compared; 28868 record bytes) and
 * appends its record to the page file. `layout` and `newNumber`, when given, receive the record and
 * its number.
 */
TPageFileReport ImportPageLayout(const QString& pagePath, const QString& importPath,
                                 TPageLayout* layout = nullptr, qint64* newNumber = nullptr);

/** Appends the page layout carried by a puzzle record, its bytes unchanged. */
TPageFileReport ExtractLayout(const QString& pagePath, const TPuzzleRecord& puzzle, qint64* newNumber = nullptr);

/** The name of a copied layout: a trailing "(n)" counts up, anything else gains " (2)"; at most 20 characters. */
QByteArray MakeCopyName(QByteArrayView name);

/** The layout carried by a puzzle record. */
TPageLayout LayoutOfPuzzle(const TPuzzleRecord& puzzle);

/** Stores a layout in a puzzle record. */
void SetLayoutOfPuzzle(TPuzzleRecord& puzzle, const TPageLayout& layout);
