#pragma once
// The texts and captions the shape list, its commands and the shape files show.

#include "store/FixedMessage.h"

namespace ShapeMessages {

/** Filling the list found neither a library shape nor a current puzzle. */
inline constexpr TFixedMessage NoShapesFound{"No saved shape information could be found.", "Warning"};
/** Export with no entry selected. */
inline constexpr TFixedMessage NoShapeSelected{"No shape selected.", "Error"};
/** The library could neither be opened nor created for an append (new, copy, import). */
inline constexpr TFixedMessage AddFailed{"Unable to add shape.", "Disk Error"};
/** The library could not be opened for a replace (modify). */
inline constexpr TFixedMessage ReplaceFailed{"Unable to add shape.", "Disk Error"};
/** The library could not be opened or rewritten for a delete. */
inline constexpr TFixedMessage DeleteFailed{"Unable to delete puzzle shape.", "Disk Error"};
/** Caption of the delete question; the text comes from ShapeLibrary::DeleteQuestion. */
inline constexpr const char* DeleteCaption = "Delete?";
/** The export file could not be written. */
inline constexpr TFixedMessage ExportFailed{"Shape could not be exported.", "Error"};
/** The export file was written. */
inline constexpr TFixedMessage Exported{"Puzzle Shape Exported!", "OK"};
/** The chosen import file could not be opened. */
inline constexpr TFixedMessage ImportOpenFailed{"Puzzle shape could not be imported.", "Error"};
/** The import file is not a shape export file, is cut short or holds an unusable size. */
inline constexpr TFixedMessage ImportCorrupt{"Puzzle shape file is corrupt or incompatible.  Import aborted.", "Error"};

/** Export dialog: title and filter. */
inline constexpr const char* ExportDialogTitle = "Export Puzzle Shape";
inline constexpr const char* ExportDialogFilter = "Puzzle Shape (*.LAY)";
/** Import dialog: title and filter. */
inline constexpr const char* ImportDialogTitle = "Import Puzzle Shape";
inline constexpr const char* ImportDialogFilter = "Puzzle Shapes (*.LAY)";
/** Default extension of a shape export file. */
inline constexpr const char* ExportFileSuffix = "LAY";

} // namespace ShapeMessages
