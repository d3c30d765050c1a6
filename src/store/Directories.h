#pragma once

#include <QString>

/**
 * The program directory (shape library, page file, help, spelling lists): the environment
 * variable QUORVEX_PROGRAM_DIR when set, else the directory of the running executable.
 */
QString ProgramDirectory();

/** The start directory (settings file, default collections): the working directory at start. */
QString StartDirectory();

/** A file in the program directory. */
QString ProgramFile(const QString& name);

/**
 * A first start in a folder (no settings file, "SAMPLE.QV3" or "DEFAULT.QV3" there) copies the
 * sample collection of the program directory into it, so that the program opens on the sample
 * puzzles wherever it is started. Returns the collection to open instead when the folder cannot
 * take the copy (the program directory's own sample), else an empty string.
 */
QString PrepareFirstStart(const QString& startDir, const QString& programDir);
