#pragma once
// The texts and captions the shape list, its commands and the shape files show.

#include <QString>

/** One message box: its text and its caption, both plain ASCII. */
struct ShapeMessage {
    const char* Text;
    const char* Caption;

    QString text() const { return QString::fromLatin1(Text); }
    QString caption() const { return QString::fromLatin1(Caption); }
};

namespace ShapeMessages {

/** Filling the list found neither a library shape nor a current puzzle. */
inline constexpr ShapeMessage NoShapesFound{"No saved shape information could be found.", "Warning"};
/** Export with no entry selected. */
inline constexpr ShapeMessage NoShapeSelected{"No shape selected.", "Error"};
/** The library could neither be opened nor created for an append (new, copy, import). */
inline constexpr ShapeMessage AddFailed{"Unable to add shape.", "Disk Error"};
/** The library could not be opened for a replace (modify). */
inline constexpr ShapeMessage ReplaceFailed{"Unable to add shape.", "Disk Error"};
/** The library could not be opened or rewritten for a delete. */
inline constexpr ShapeMessage DeleteFailed{"Unable to delete puzzle shape.", "Disk Error"};
/** Caption of the delete question; the text comes from ShapeLibrary::DeleteQuestion. */
inline constexpr const char* DeleteCaption = "Delete?";
/** The export file could not be written. */
inline constexpr ShapeMessage ExportFailed{"Shape could not be exported.", "Error"};
/** The export file was written. */
inline constexpr ShapeMessage Exported{"Puzzle Shape Exported!", "OK"};
/** The chosen import file could not be opened. */
inline constexpr ShapeMessage ImportOpenFailed{"Puzzle shape could not be imported.", "Error"};
/** The import file is not a shape export file, is cut short or holds an unusable size. */
inline constexpr ShapeMessage ImportCorrupt{"Puzzle shape file is corrupt or incompatible.  Import aborted.", "Error"};

/** Export dialog: title and filter. */
inline constexpr const char* ExportDialogTitle = "Export Puzzle Shape";
inline constexpr const char* ExportDialogFilter = "Puzzle Shape (*.LAY)";
/** Import dialog: title and filter. */
inline constexpr const char* ImportDialogTitle = "Import Puzzle Shape";
inline constexpr const char* ImportDialogFilter = "Puzzle Shapes (*.LAY)";
/** Default extension of a shape export file. */
inline constexpr const char* ExportFileSuffix = "LAY";

} // namespace ShapeMessages
