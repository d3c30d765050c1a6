#pragma once

class QPrinter;

/**
 * The printer of the print runs: one for the program's life, made on first use. The report
 * window's "Printer &Setup" edits it and later runs print on it.
 */
QPrinter& ReportPrinter();
