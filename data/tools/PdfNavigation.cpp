#include "PdfNavigation.h"

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QMap>
#include <QRegularExpression>

#include <algorithm>

namespace PdfNavigation {

namespace {

/** What the update needs of the original file: its last cross-reference table and trailer, and the pages. */
struct Original {
    QByteArray bytes;
    qint64 xrefOffset = -1;
    int size = 0;
    int root = 0;
    QByteArray info;
    QByteArray id;
    QHash<int, qint64> offsets;
    QList<int> pages;
    double pageHeight = 0;
};

QString latin(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes);
}

/** The first capture of a pattern in a text, or an empty string. */
QByteArray captured(const QByteArray& text, const char* pattern)
{
    const auto match = QRegularExpression(QLatin1String(pattern)).match(latin(text));
    return match.hasMatch() ? match.captured(1).toLatin1() : QByteArray();
}

/** The text of object number n between "obj" and "endobj", trimmed; empty for a stream or a missing object. */
QByteArray objectText(const Original& pdf, int n)
{
    const qint64 at = pdf.offsets.value(n, -1);
    const qint64 start = at < 0 ? -1 : pdf.bytes.indexOf("obj", at);
    const qint64 end = start < 0 ? -1 : pdf.bytes.indexOf("endobj", start);
    if (end < 0)
        return {};
    const QByteArray body = pdf.bytes.mid(start + 3, end - start - 3).trimmed();
    return body.contains("stream") ? QByteArray() : body;
}

/** The dictionary text of object number n, from "<<" to its last ">>"; empty when it is not a plain dictionary. */
QByteArray objectDictionary(const Original& pdf, int n)
{
    const QByteArray body = objectText(pdf, n);
    return body.startsWith("<<") && body.endsWith(">>") ? body : QByteArray();
}

/** The dictionary with entries added before its closing ">>". */
QByteArray withEntries(const QByteArray& dictionary, const QByteArray& entries)
{
    const qint64 close = dictionary.lastIndexOf(">>");
    return dictionary.left(close) + entries + "\n>>";
}

QString readOriginal(const QString& path, Original& pdf)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot read %1").arg(path);
    pdf.bytes = file.readAll();
    const qint64 start = pdf.bytes.lastIndexOf("startxref");
    if (start < 0)
        return QStringLiteral("no startxref");
    pdf.xrefOffset = captured(pdf.bytes.mid(start), "startxref\\s+(\\d+)").toLongLong();
    if (pdf.bytes.mid(pdf.xrefOffset, 4) != "xref")
        return QStringLiteral("no cross-reference table at %1").arg(pdf.xrefOffset);

    // The table: subsections "first count" followed by 20-byte entries.
    qint64 at = pdf.bytes.indexOf('\n', pdf.xrefOffset) + 1;
    static const QRegularExpression subsection(QStringLiteral("^(\\d+) (\\d+)\\s*$"));
    while (true) {
        const qint64 lineEnd = pdf.bytes.indexOf('\n', at);
        const auto match = subsection.match(latin(pdf.bytes.mid(at, lineEnd - at)));
        if (!match.hasMatch())
            break;
        const int first = match.captured(1).toInt();
        const int count = match.captured(2).toInt();
        at = lineEnd + 1;
        for (int i = 0; i < count; ++i, at += 20) {
            const QByteArray entry = pdf.bytes.mid(at, 20);
            if (entry.size() == 20 && entry.at(17) == 'n')
                pdf.offsets.insert(first + i, entry.left(10).toLongLong());
        }
    }
    const QByteArray trailer = pdf.bytes.mid(at, pdf.bytes.size() - at);
    if (!trailer.startsWith("trailer"))
        return QStringLiteral("no trailer after the cross-reference table");
    pdf.size = captured(trailer, "/Size\\s+(\\d+)").toInt();
    pdf.root = captured(trailer, "/Root\\s+(\\d+)\\s+0\\s+R").toInt();
    pdf.info = captured(trailer, "/Info\\s+(\\d+\\s+0\\s+R)");
    pdf.id = captured(trailer, "(/ID\\s*\\[[^\\]]*\\])");
    if (pdf.size <= 0 || pdf.root <= 0)
        return QStringLiteral("the trailer names no /Size or /Root");

    const int pagesObject = captured(objectDictionary(pdf, pdf.root), "/Pages\\s+(\\d+)\\s+0\\s+R").toInt();
    const QByteArray kids = captured(objectDictionary(pdf, pagesObject), "/Kids\\s*\\[([^\\]]*)\\]");
    auto refs = QRegularExpression(QStringLiteral("(\\d+)\\s+0\\s+R")).globalMatch(latin(kids));
    while (refs.hasNext()) {
        const int page = refs.next().captured(1).toInt();
        const QByteArray dictionary = objectDictionary(pdf, page);
        if (!QRegularExpression(QStringLiteral("/Type\\s*/Page\\b")).match(latin(dictionary)).hasMatch())
            return QStringLiteral("object %1 is not a page").arg(page);
        pdf.pages.append(page);
    }
    if (pdf.pages.isEmpty())
        return QStringLiteral("no pages");
    const QByteArray box = captured(objectDictionary(pdf, pdf.pages.first()), "/MediaBox\\s*\\[([^\\]]*)\\]");
    const QList<QByteArray> corners = box.simplified().split(' ');
    if (corners.size() != 4)
        return QStringLiteral("no page size");
    pdf.pageHeight = corners.at(3).toDouble() - corners.at(1).toDouble();
    return {};
}

QByteArray number(double value)
{
    return QByteArray::number(value, 'f', 2);
}

/** A text string: UTF-16 with its byte-order mark, in hexadecimal. */
QByteArray textString(const QString& text)
{
    QByteArray hex = "<FEFF";
    for (const QChar c : text)
        hex += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    return hex + '>';
}

/** A string of printable ASCII in parentheses, for web addresses. */
QByteArray literalString(const QString& text)
{
    QByteArray out = "(";
    for (const char c : text.toLatin1()) {
        if (c == '(' || c == ')' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + ')';
}

} // namespace

QString Append(const QString& path, const QList<Bookmark>& bookmarks, const QList<Link>& links)
{
    Original pdf;
    if (const QString problem = readOriginal(path, pdf); !problem.isEmpty())
        return problem;

    QMap<int, QByteArray> objects;
    int next = pdf.size;
    const auto destination = [&](const Place& place) -> QByteArray {
        const int page = std::clamp(place.page, 0, int(pdf.pages.size()) - 1);
        return "[" + QByteArray::number(pdf.pages.at(page)) + " 0 R /XYZ 0 " + number(pdf.pageHeight - place.top)
            + " null]";
    };

    // The outline: top-level entries, each followed by its children (closed until opened).
    const int outlines = next++;
    QList<int> ids;
    for (int i = 0; i < bookmarks.size(); ++i)
        ids.append(next++);
    const auto siblingAfter = [&](int i, int step) {
        for (int k = i + step; k >= 0 && k < bookmarks.size(); k += step) {
            if (bookmarks.at(k).level < bookmarks.at(i).level)
                return -1;
            if (bookmarks.at(k).level == bookmarks.at(i).level)
                return k;
        }
        return -1;
    };
    QList<int> topLevel;
    for (int i = 0; i < bookmarks.size(); ++i) {
        const Bookmark& mark = bookmarks.at(i);
        int parent = -1;
        for (int k = i - 1; mark.level > 0 && k >= 0; --k) {
            if (bookmarks.at(k).level < mark.level) {
                parent = k;
                break;
            }
        }
        if (mark.level > 0 && parent < 0)
            return QStringLiteral("bookmark \"%1\" has no parent").arg(mark.title);
        if (mark.level == 0)
            topLevel.append(i);
        QByteArray entry = "<<\n/Title " + textString(mark.title) + "\n/Parent "
            + QByteArray::number(parent < 0 ? outlines : ids.at(parent)) + " 0 R\n/Dest " + destination(mark.place);
        if (const int prev = siblingAfter(i, -1); prev >= 0)
            entry += "\n/Prev " + QByteArray::number(ids.at(prev)) + " 0 R";
        if (const int following = siblingAfter(i, 1); following >= 0)
            entry += "\n/Next " + QByteArray::number(ids.at(following)) + " 0 R";
        QList<int> children;
        for (int k = i + 1; k < bookmarks.size() && bookmarks.at(k).level > mark.level; ++k) {
            if (bookmarks.at(k).level == mark.level + 1)
                children.append(k);
        }
        if (!children.isEmpty()) {
            entry += "\n/First " + QByteArray::number(ids.at(children.first())) + " 0 R\n/Last "
                + QByteArray::number(ids.at(children.last())) + " 0 R\n/Count -" + QByteArray::number(children.size());
        }
        objects.insert(ids.at(i), entry + "\n>>");
    }
    if (topLevel.isEmpty())
        return QStringLiteral("no bookmarks");
    objects.insert(outlines, "<<\n/Type /Outlines\n/First " + QByteArray::number(ids.at(topLevel.first()))
                                 + " 0 R\n/Last " + QByteArray::number(ids.at(topLevel.last())) + " 0 R\n/Count "
                                 + QByteArray::number(topLevel.size()) + "\n>>");

    // The link annotations, gathered by page; each page gets its list of them.
    QMap<int, QByteArray> annotationsOfPage;
    for (const Link& link : links) {
        if (link.page < 0 || link.page >= pdf.pages.size())
            return QStringLiteral("a link on page %1, which is not there").arg(link.page + 1);
        const int id = next++;
        const QRectF& r = link.area;
        QByteArray annotation = "<<\n/Type /Annot\n/Subtype /Link\n/Rect [" + number(r.left()) + ' '
            + number(pdf.pageHeight - r.bottom()) + ' ' + number(r.right()) + ' ' + number(pdf.pageHeight - r.top())
            + "]\n/Border [0 0 0]\n";
        annotation += link.uri.isEmpty() ? "/Dest " + destination(link.target)
                                         : "/A << /Type /Action /S /URI /URI " + literalString(link.uri) + " >>";
        objects.insert(id, annotation + "\n>>");
        annotationsOfPage[link.page] += QByteArray::number(id) + " 0 R ";
    }
    // A page's list joins the annotations it has: an array of its own, an array object (which
    // is how Qt writes even an empty list), or none.
    for (auto it = annotationsOfPage.cbegin(); it != annotationsOfPage.cend(); ++it) {
        const int page = pdf.pages.at(it.key());
        const QByteArray dictionary = objectDictionary(pdf, page);
        const int listObject = captured(dictionary, "/Annots\\s+(\\d+)\\s+0\\s+R").toInt();
        const QByteArray ownList = captured(dictionary, "/Annots\\s*\\[([^\\]]*)\\]");
        if (listObject > 0) {
            const QByteArray list = objectText(pdf, listObject);
            if (!list.startsWith('[') || !list.endsWith(']'))
                return QStringLiteral("the annotations of page %1 are not a list").arg(it.key() + 1);
            objects.insert(listObject, list.chopped(1) + ' ' + it.value().trimmed() + ']');
        } else if (dictionary.contains("/Annots")) {
            QByteArray changed = dictionary;
            changed.replace("[" + ownList + "]", "[" + ownList + ' ' + it.value().trimmed() + "]");
            objects.insert(page, changed);
        } else {
            objects.insert(page, withEntries(dictionary, "\n/Annots [" + it.value().trimmed() + "]"));
        }
    }

    const QByteArray catalog = objectDictionary(pdf, pdf.root);
    if (catalog.contains("/Outlines"))
        return QStringLiteral("the document already has an outline");
    objects.insert(pdf.root,
                   withEntries(catalog, "\n/Outlines " + QByteArray::number(outlines) + " 0 R\n/PageMode /UseOutlines"));

    // The update: the objects, a cross-reference table of their runs of numbers, the trailer.
    QByteArray update = pdf.bytes.endsWith('\n') ? QByteArray() : QByteArray("\n");
    QMap<int, qint64> written;
    for (auto it = objects.cbegin(); it != objects.cend(); ++it) {
        written.insert(it.key(), pdf.bytes.size() + update.size());
        update += QByteArray::number(it.key()) + " 0 obj\n" + it.value() + "\nendobj\n";
    }
    const qint64 xref = pdf.bytes.size() + update.size();
    update += "xref\n";
    for (auto it = written.cbegin(); it != written.cend();) {
        auto end = it;
        int count = 0;
        while (end != written.cend() && end.key() == it.key() + count) {
            ++end;
            ++count;
        }
        update += QByteArray::number(it.key()) + ' ' + QByteArray::number(count) + '\n';
        for (; it != end; ++it)
            update += QByteArray::number(it.value()).rightJustified(10, '0') + " 00000 n \n";
    }
    update += "trailer\n<<\n/Size " + QByteArray::number(next) + "\n/Root " + QByteArray::number(pdf.root) + " 0 R\n";
    if (!pdf.info.isEmpty())
        update += "/Info " + pdf.info + '\n';
    if (!pdf.id.isEmpty())
        update += pdf.id + '\n';
    update += "/Prev " + QByteArray::number(pdf.xrefOffset) + "\n>>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";

    QFile file(path);
    if (!file.open(QIODevice::Append) || file.write(update) != update.size() || !file.flush())
        return QStringLiteral("cannot write %1").arg(path);
    return {};
}

} // namespace PdfNavigation
