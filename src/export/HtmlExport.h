#pragma once
// The web page of a puzzle: an HTML document around a JPEG picture of the page.

#include "render/PageRenderer.h"
#include "store/IoResult.h"
#include "store/Settings.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace HtmlExport {

/** Texts of the header and footer blocks are cut to this many characters. */
constexpr int BlockTextLength = 999;
/** The web title is cut to this many characters. */
constexpr int TitleLength = 100;
/** Shown (caption "Error") when the document cannot be created. */
inline const QString CreateFailedMessage = QStringLiteral("Unable to create html file.");

/**
 * The picture's file name for a document path: the document's file name without its directory,
 * its last three characters replaced by "JPG" ("page.htm" gives "page.JPG", "page.html" "page.hJPG").
 */
QString pictureName(const QString& documentPath);

/**
 * One header or footer block as its document line (without the line end): two spaces, the text as
 * typed inside FONT, B, I and CENTER in that order outwards, and "<P>". Empty text gives an empty
 * string, meaning no line at all. Line breaks in the text are written as CR LF; other control
 * characters as spaces.
 */
QString blockLine(const HtmlTextBlock& block);

/** The whole document in Windows-1252, every line ending in CR LF, showing the named picture (control characters of the title as spaces). */
QByteArray documentBytes(const Settings& settings, const QString& pictureFileName);

/**
 * Writes the page picture as a JPEG at the quality factor beside htmlPath under pictureName(htmlPath),
 * then the document to htmlPath, so that a failure never leaves a document without its picture.
 * Refused, writing nothing, when the picture's name is the document's own ("page.JPG"). A file that
 * cannot be created gives OpenFailed (show CreateFailedMessage); failedPath (when given) names the
 * file of any failure.
 */
IoResult writePair(const QImage& picture, int quality, const Settings& settings, const QString& htmlPath,
                   QString* failedPath = nullptr);

/** writePair with the picture drawn from the puzzle at pixelWidth pixels. */
IoResult writeHtml(const TPuzzleRecord& puzzle, const TRenderOptions& options, const Settings& settings,
                   int pixelWidth, int quality, const QString& htmlPath);
/** As above with the picture drawn from an already fitted page. */
IoResult writeHtml(const TFittedPage& page, const Settings& settings, int pixelWidth, int quality,
                   const QString& htmlPath);

} // namespace HtmlExport

/** The HTML export for the command line: HtmlExport::writeHtml with the puzzle's own layout. */
IoResult exportHtml(const TPuzzleRecord& puzzle, const TRenderOptions& options, const Settings& settings,
                    int pixelWidth, int quality, const QString& htmlPath);
