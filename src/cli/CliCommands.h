#pragma once

#include "cli/CliArguments.h"
#include "store/PuzzleRecord.h"

#include <vector>

/** quorvex-cli build: constructs a puzzle from a word list and appends it to a collection. */
int RunBuild(const CliArguments& args);
/** quorvex-cli list: categories and titles with record numbers. */
int RunList(const CliArguments& args);
/** quorvex-cli shapes: the shapes of a library with the numbers --shape takes. */
int RunShapes(const CliArguments& args);
/** quorvex-cli show: one grid and its numbered word lists. */
int RunShow(const CliArguments& args);
/** quorvex-cli export: one record's page in a picture, document or text format. */
int RunExport(const CliArguments& args);
/** quorvex-cli spell: prints every word or clue token not accepted; 0 when all are, 1 when not, 2 on errors. */
int RunSpell(const CliArguments& args);
/** quorvex-cli suggest: theme words with clues, or missing clues filled, from the lexical database; 2 when it cannot run. */
int RunSuggest(const CliArguments& args);

/** quorvex-cli booklet: chosen puzzles of a collection as one PDF, with their answers or a key. */
int RunBooklet(const CliArguments& args);

/** quorvex-cli import: appends puzzles of another collection, or a converted 16-bit ".QVZ" puzzle. */
int RunImport(const CliArguments& args);
/** quorvex-cli export-puzzles: writes chosen puzzles of a collection as a new collection file. */
int RunExportPuzzles(const CliArguments& args);
/** quorvex-cli delete: deletes chosen puzzles of a collection, as the main window's delete does. */
int RunDelete(const CliArguments& args);

/** Reads the record named by the collection argument and --record; prints the error and returns non-zero on failure. */
int ReadRecordArgument(const CliArguments& args, TPuzzleRecord& puzzle);

/**
 * The record numbers named by --record, in the order given, each once; every number must be a
 * record of the collection at path. Without --record, every listed record when allAtDefault, else
 * an error. Prints the error and returns non-zero on failure.
 */
int RecordArguments(const CliArguments& args, const QString& path, bool allAtDefault, std::vector<qint64>& records);

struct TPageLayout;
/** Reads the .PAG file named by --layout-file; prints the import message and returns non-zero on failure. */
int ReadLayoutFileArgument(const CliArguments& args, TPageLayout& layout);
