#pragma once
// Bookmarks and links added to a finished PDF, which Qt's PDF writer cannot make itself.

#include <QList>
#include <QRectF>
#include <QString>

namespace PdfNavigation {

/** A place in the document: a page (0-based) and a height on it in points from the page's top. */
struct Place {
    int page = 0;
    double top = 0;
};

/** A bookmark of the document outline; level 0 entries are the top level, level 1 their children. */
struct Bookmark {
    QString title;
    int level = 0;
    Place place;
};

/** A clickable area of a page, in points from the page's top left corner: to a place, or to a web address. */
struct Link {
    int page = 0;
    QRectF area;
    Place target;
    QString uri;
};

/**
 * Appends an incremental update to a PDF that holds one classic cross-reference table (as Qt
 * writes it): the outline, opened beside the pages, and the link annotations of each page. The
 * original bytes stay as they were. Returns an empty string, or what went wrong.
 */
QString Append(const QString& path, const QList<Bookmark>& bookmarks, const QList<Link>& links);

} // namespace PdfNavigation
