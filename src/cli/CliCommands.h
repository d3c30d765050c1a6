#pragma once
// The commands of quorvex-cli, each with the options it takes (declared beside its code), and the
// argument readers several commands share.

#include "cli/CliArguments.h"
#include "store/PuzzleRecord.h"

#include <vector>

/** quorvex-cli build: constructs a puzzle from a word list and appends it to a collection. */
extern const CliCommand BuildCommand;
/** quorvex-cli list: categories and titles with record numbers. */
extern const CliCommand ListCommand;
/** quorvex-cli shapes: the shapes of a library with the numbers --shape takes. */
extern const CliCommand ShapesCommand;
/** quorvex-cli show: one grid and its numbered word lists. */
extern const CliCommand ShowCommand;
/** quorvex-cli export: one record's page in a picture, document or text format. */
extern const CliCommand ExportCommand;
/** quorvex-cli spell: prints every word or clue token not accepted; 0 when all are, 1 when not, 2 on errors. */
extern const CliCommand SpellCommand;
/** quorvex-cli suggest: theme words with clues, or missing clues filled, from the lexical database; 2 when it cannot run. */
extern const CliCommand SuggestCommand;

/** quorvex-cli booklet: chosen puzzles of a collection as one PDF, with their answers or a key. */
extern const CliCommand BookletCommand;

/** quorvex-cli import: appends puzzles of another collection, or a converted 16-bit ".QVZ" puzzle. */
extern const CliCommand ImportCommand;
/** quorvex-cli export-puzzles: writes chosen puzzles of a collection as a new collection file. */
extern const CliCommand ExportPuzzlesCommand;
/** quorvex-cli delete: deletes chosen puzzles of a collection, as the main window's delete does. */
extern const CliCommand DeleteCommand;

/** Reads the record named by the collection argument and --record; prints the error and returns non-zero on failure. */
int ReadRecordArgument(const CliArguments& args, TPuzzleRecord& puzzle);

/**
 * The spelling language (1..8) named by --language ("american" .. "swedish"); `language` is left as
 * it is when the option is absent. Prints the error and returns failStatus for an unknown name.
 */
int ReadLanguageArgument(const CliArguments& args, int& language, int failStatus = 1);


/**
 * The record numbers named by --record, in the order given, each once; every number must be a
 * record of the collection at path. Without --record, every listed record when allAtDefault, else
 * an error. Prints the error and returns non-zero on failure.
 */
int RecordArguments(const CliArguments& args, const QString& path, bool allAtDefault, std::vector<qint64>& records);

struct TPageLayout;
/** Reads the .PAG file named by --layout-file; prints the import message and returns non-zero on failure. */
int ReadLayoutFileArgument(const CliArguments& args, TPageLayout& layout);
