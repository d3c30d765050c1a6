#pragma once
// The report of an export that could not write its file, shared by the preview's exports and the web page creation.

#include <QString>

struct IoResult;
class QWidget;

/**
 * The text of a failed export write: the message ("The file could not be written." when empty),
 * the system's text and the file.
 */
QString WriteErrorText(const IoResult& result, const QString& path, const QString& message = {});
/** The general error report of a failed export write (caption "Error"): WriteErrorText's default text. */
void ReportWriteError(QWidget* parent, const IoResult& result, const QString& path);
