#pragma once
// Every record size, slot count, string capacity and range of the program, in one place.

#include <cstddef>
#include <cstdint>

namespace Limits {

/** Cells per grid row and per grid column; every grid is stored 50 x 50 whatever its size. */
constexpr int GridSide = 50;
/** Cells in a stored grid (50 x 50), numbered 1..2500 by LinearCell. */
constexpr int GridCells = GridSide * GridSide;

/** Word and clue slots in a puzzle record. */
constexpr int WordSlots = 200;
/** Capacity of a word slot (String[30]). */
constexpr int WordLength = 30;
/** Capacity of a clue slot and of the bonus question (String[150]). */
constexpr int ClueLength = 150;
/** Capacity of a puzzle's category (String[20]). */
constexpr int CategoryLength = 20;
/** Capacity of a puzzle's title (String[35]). */
constexpr int TitleLength = 35;
/** Capacity of the version stamp (String[5]). */
constexpr int VersionLength = 5;
/** Capacity of a shape title (String[50]). */
constexpr int ShapeTitleLength = 50;

/** Size of one puzzle record on disk. */
constexpr std::size_t PuzzleRecordSize = 69623;
/** Size of one shape record on disk. */
constexpr std::size_t ShapeRecordSize = 2555;
/** Size of one page layout record on disk (header and 20 object slots). */
constexpr std::size_t PageLayoutSize = 28868;
/** Unused bytes at the end of a puzzle record. */
constexpr std::size_t PuzzleReservedSize = 30;

/** Length of the tag ("LAY1.0", "PAG1.0") in front of a single-record export file. */
constexpr std::size_t ExportTagSize = 6;

/** Records a collection index can address: the record number is the tag's low 16 bits. */
constexpr int MaxCollectionRecords = 65536;
/** Categories a collection index can address: the category index is the tag's high 16 bits. */
constexpr int MaxCollectionCategories = 65536;

/** Smallest and largest shape side the shape editor saves. */
constexpr int MinShapeSide = 5;
constexpr int MaxShapeSide = 30;

/** Range of construction attempts in one run. */
constexpr int MinAttempts = 1;
constexpr int MaxAttempts = 999;
/** Result slots of a construction run. */
constexpr int CandidateSlots = 4;

/** Size of one puzzle record of the previous version (".QVZ" files and "QVFUPUZZ.DAT"). */
constexpr std::size_t OldPuzzleRecordSize = 30347;
/** Capacity of a clue slot of the previous version (String[100]). */
constexpr int OldClueLength = 100;

/** Longest path held for a file name (the collection, recent files, last-used files). */
constexpr int PathLength = 255;

} // namespace Limits
