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
