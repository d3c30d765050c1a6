// Build tool: the user manual QORVX.PDF printed from the help pages. The first page holds the title,
// the contents page's introduction and the contents with page numbers; the topics follow one after
// another in the contents' order, with the window pictures the build made. The outline (bookmarks)
// and the links, which Qt's PDF writer cannot make, are appended to the finished file.
// Run headless (QT_QPA_PLATFORM=offscreen).
//   make_manual HELP_FOLDER OUT.PDF
#include "PdfNavigation.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextTable>
#include <QUrl>
#include <cstdio>
#include <memory>

namespace {

/** The page margins, in points (20 mm). */
constexpr double Margin = 56.7;
/** Widest picture, in CSS pixels: the width between the margins of an A4 page. */
constexpr int PictureWidth = 640;

const QString StyleSheet = QStringLiteral(
    "h1 { font-size: 17pt; color: #1d3f6e; margin-top: 22px; margin-bottom: 8px; }"
    "h2 { font-size: 12.5pt; color: #1d3f6e; margin-top: 14px; margin-bottom: 5px; }"
    "p { margin-top: 0px; margin-bottom: 7px; }"
    "li { margin-top: 1px; margin-bottom: 2px; }"
    "pre { font-family: 'Liberation Mono'; font-size: 8.5pt; background-color: #f2f2f2; margin-bottom: 8px; }"
    "table { margin-bottom: 8px; }"
    "code { font-family: 'Liberation Mono'; }"
    "th { background-color: #e4e9f0; }"
    "a { color: #1d3f6e; }");

struct Topic {
    QString file;
    QString title;
    QString body;
};

QString readPage(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QString bodyOf(const QString& html)
{
    static const QRegularExpression body(QStringLiteral("<body[^>]*>(.*)</body>"),
                                         QRegularExpression::CaseInsensitiveOption
                                             | QRegularExpression::DotMatchesEverythingOption);
    const auto match = body.match(html);
    return match.hasMatch() ? match.captured(1) : html;
}

/** The pages the contents page's list links to, in its order, each once, with the link's text as title. */
QList<Topic> topicsListed(const QString& contents)
{
    static const QRegularExpression link(QStringLiteral("<a href=\"([A-Za-z0-9_-]+\\.html)\">([^<]*)</a>"));
    QList<Topic> topics;
    QStringList seen;
    auto matches = link.globalMatch(contents, std::max<qsizetype>(0, contents.indexOf(QStringLiteral("<h2>Contents</h2>"))));
    while (matches.hasNext()) {
        const auto match = matches.next();
        if (!seen.contains(match.captured(1))) {
            seen.append(match.captured(1));
            topics.append({match.captured(1), match.captured(2), {}});
        }
    }
    return topics;
}

/** The contents page's text before its list of topics, without its heading. */
QString introductionOf(const QString& contents)
{
    QString body = bodyOf(contents);
    body.remove(QRegularExpression(QStringLiteral("<h1>.*?</h1>"), QRegularExpression::DotMatchesEverythingOption));
    const qsizetype list = body.indexOf(QStringLiteral("<h2>Contents</h2>"));
    return list < 0 ? body : body.left(list);
}

/**
 * The pictures of a page body as the manual prints them: the twice-as-fine "@2x" file when the
 * build made one, at the size of the plain one (at most the width between the margins), by its
 * full path. A picture that is not there (a build without windows) is left out.
 */
QString withPictures(QString body, const QDir& folder)
{
    static const QRegularExpression image(QStringLiteral("<img\\s+src=\"([^\"]+)\\.png\"[^>]*>"));
    QString out;
    qsizetype done = 0;
    auto matches = image.globalMatch(body);
    while (matches.hasNext()) {
        const auto match = matches.next();
        out += body.mid(done, match.capturedStart() - done);
        done = match.capturedEnd();
        const QString plain = folder.filePath(match.captured(1) + QStringLiteral(".png"));
        const QString fine = folder.filePath(match.captured(1) + QStringLiteral("@2x.png"));
        QSize size = QImageReader(plain).size();
        if (!size.isValid())
            continue;
        if (size.width() > PictureWidth)
            size = QSize(PictureWidth, size.height() * PictureWidth / size.width());
        const QString file = QFileInfo(fine).isFile() ? fine : plain;
        out += QStringLiteral("<img src=\"%1\" width=\"%2\" height=\"%3\">")
                   .arg(QUrl::fromLocalFile(file).toString())
                   .arg(size.width())
                   .arg(size.height());
    }
    return out + body.mid(done);
}

/** The whole manual as one HTML text; page numbers empty give placeholders of the same width. */
QString manualHtml(const QString& introduction, const QList<Topic>& topics, const QList<int>& pageNumbers)
{
    QString html = QStringLiteral("<html><body>"
                                  "<p style=\"font-size: 26pt; font-weight: bold; color: #1d3f6e; margin-top: 40pt\">"
                                  "Quorvex User Manual</p>")
        + introduction + QStringLiteral("<h1>Contents</h1><table width=\"100%\" cellpadding=\"2\">");
    for (int i = 0; i < topics.size(); ++i) {
        const QString number = i < pageNumbers.size() ? QString::number(pageNumbers.at(i)) : QStringLiteral("00");
        html += QStringLiteral("<tr><td>%1.&nbsp;&nbsp;<a href=\"%2\">%3</a></td><td align=\"right\">%4</td></tr>")
                    .arg(i + 1)
                    .arg(topics.at(i).file, topics.at(i).title, number);
    }
    html += QStringLiteral("</table>");
    for (int i = 0; i < topics.size(); ++i) {
        QString body = topics.at(i).body;
        if (i == 0)
            body.replace(QStringLiteral("<h1>"), QStringLiteral("<h1 style=\"page-break-before: always\">"));
        html += body;
    }
    return html + QStringLiteral("</body></html>");
}

/** The manual laid out on pages of the writer's size, its text area inside the margins. */
class Manual {
public:
    Manual(QPdfWriter& writer, QSizeF page, const QString& html)
        : m_page(page)
    {
        m_document.documentLayout()->setPaintDevice(&writer);
        m_document.setDefaultFont(QFont(QStringLiteral("Liberation Sans"), 10));
        m_document.setDefaultStyleSheet(StyleSheet);
        m_document.setHtml(html);
        m_document.setPageSize(page);
        QTextFrameFormat frame = m_document.rootFrame()->frameFormat();
        frame.setMargin(Margin);
        m_document.rootFrame()->setFrameFormat(frame);
        keepHeadingsWithTheirText();
    }

    int pageCount() const { return m_document.pageCount(); }
    QTextDocument& document() { return m_document; }

    /** Where a block's first line starts (a line that does not fit a page's foot moves to the next page). */
    PdfNavigation::Place placeOf(const QTextBlock& block) const
    {
        // The layout works lazily after a change; asking for the document's size finishes it.
        m_document.documentLayout()->documentSize();
        const QTextLayout* lines = block.layout();
        const double y = m_document.documentLayout()->blockBoundingRect(block).top()
            + (lines && lines->lineCount() > 0 ? lines->lineAt(0).y() : 0);
        const int page = int(y / m_page.height());
        return {page, y - page * m_page.height()};
    }

    /** The blocks of the headings of a level, in order. */
    QList<QTextBlock> headings(int level) const
    {
        QList<QTextBlock> found;
        for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
            if (block.blockFormat().headingLevel() == level)
                found.append(block);
        }
        return found;
    }

    /** Draws every page with its number at the foot (the first page has none). */
    void print(QPdfWriter& writer)
    {
        QPainter painter(&writer);
        for (int page = 0; page < pageCount(); ++page) {
            if (page > 0)
                writer.newPage();
            const QRectF area(0, page * m_page.height(), m_page.width(), m_page.height());
            painter.save();
            painter.translate(0, -area.top());
            painter.setClipRect(area);
            QAbstractTextDocumentLayout::PaintContext context;
            context.clip = area;
            m_document.documentLayout()->draw(&painter, context);
            painter.restore();
            if (page > 0) {
                painter.setFont(QFont(QStringLiteral("Liberation Sans"), 8));
                painter.setPen(QColor(0x60, 0x60, 0x60));
                const QRectF foot(Margin, m_page.height() - Margin + 14, m_page.width() - 2 * Margin, 14);
                painter.drawText(foot, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Quorvex User Manual"));
                painter.drawText(foot, Qt::AlignRight | Qt::AlignVCenter, QString::number(page + 1));
            }
        }
    }

private:
    /**
     * Headings that would stand at the foot of a page, their text on the next, start the next page
     * instead (the document layout has no "keep with next"). One at a time, from the top, since
     * each move shifts what follows.
     */
    void keepHeadingsWithTheirText()
    {
        for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
            if (block.blockFormat().headingLevel() == 0)
                continue;
            QTextBlock text = block;
            while (text.isValid() && text.blockFormat().headingLevel() > 0)
                text = text.next();
            // Under the heading there must be a first line of text, or of a table the first row
            // below its header.
            QTextBlock shown = text;
            if (QTextTable* table = text.isValid() ? QTextCursor(text).currentTable() : nullptr; table && table->rows() > 1)
                shown = table->cellAt(1, 0).firstCursorPosition().block();
            const PdfNavigation::Place heading = placeOf(block);
            if (shown.isValid() && placeOf(shown).page > heading.page && heading.top > Margin + 1) {
                QTextBlockFormat format = block.blockFormat();
                format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
                QTextCursor(block).setBlockFormat(format);
            }
            block = text.isValid() ? text.previous() : m_document.lastBlock();
        }
    }

    QSizeF m_page;
    QTextDocument m_document;
};

/**
 * The links of the document as clickable areas, line by line, to the topics they name (a help
 * page's file name) or to a web address; the text keeps its link colour but no longer carries the
 * link, so that the PDF writer adds none of its own.
 */
QList<PdfNavigation::Link> takeLinks(Manual& manual, const QList<Topic>& topics,
                                     const QList<PdfNavigation::Place>& topicPlaces)
{
    struct Range {
        int start;
        int end;
        QString href;
    };
    QList<Range> ranges;
    QTextDocument& document = manual.document();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().isAnchor() && !fragment.charFormat().anchorHref().isEmpty())
                ranges.append({fragment.position(), fragment.position() + fragment.length(),
                               fragment.charFormat().anchorHref()});
        }
    }
    for (const Range& range : ranges) {
        QTextCursor cursor(&document);
        cursor.setPosition(range.start);
        cursor.setPosition(range.end, QTextCursor::KeepAnchor);
        QTextCharFormat format = cursor.charFormat();
        format.clearProperty(QTextFormat::AnchorHref);
        format.clearProperty(QTextFormat::IsAnchor);
        cursor.setCharFormat(format);
    }

    QList<PdfNavigation::Link> links;
    for (const Range& range : ranges) {
        PdfNavigation::Link link;
        const QString file = range.href.section(QLatin1Char('#'), 0, 0);
        if (range.href.startsWith(QLatin1String("http:")) || range.href.startsWith(QLatin1String("https:"))) {
            link.uri = range.href;
        } else {
            const auto topic = std::find_if(topics.cbegin(), topics.cend(), [&](const Topic& t) { return t.file == file; });
            if (topic == topics.cend())
                continue;
            link.target = topicPlaces.at(int(topic - topics.cbegin()));
        }
        const QTextBlock block = document.findBlock(range.start);
        const PdfNavigation::Place blockPlace = manual.placeOf(block);
        const QRectF blockRect = document.documentLayout()->blockBoundingRect(block);
        QTextLayout* layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            const int from = std::max(range.start - block.position(), line.textStart());
            const int to = std::min(range.end - block.position(), line.textStart() + line.textLength());
            if (from >= to)
                continue;
            link.page = blockPlace.page;
            const double lineTop = blockPlace.top + line.y();
            link.area = QRectF(blockRect.left() + line.cursorToX(from), lineTop,
                               line.cursorToX(to) - line.cursorToX(from), line.height());
            links.append(link);
        }
    }
    return links;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: make_manual HELP_FOLDER OUT.PDF\n");
        return 2;
    }
    const QDir folder(arguments.at(1));
    const QString output = arguments.at(2);
    const QString contents = readPage(folder.filePath(QStringLiteral("index.html")));
    if (contents.isEmpty()) {
        std::fprintf(stderr, "make_manual: no contents page in %s\n", qPrintable(folder.path()));
        return 1;
    }
    QList<Topic> topics = topicsListed(contents);
    for (Topic& topic : topics) {
        const QString text = readPage(folder.filePath(topic.file));
        if (text.isEmpty()) {
            std::fprintf(stderr, "make_manual: missing help page %s\n", qPrintable(topic.file));
            return 1;
        }
        topic.body = withPictures(bodyOf(text), folder);
    }

    QPdfWriter writer(output);
    writer.setTitle(QStringLiteral("Quorvex User Manual"));
    writer.setCreator(QStringLiteral("Quorvex"));
    writer.setResolution(72);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    const QSizeF page = QPageSize(QPageSize::A4).sizePoints();

    // The contents' page numbers change nothing before them, so the second layout normally
    // agrees with the first; a few rounds settle any heading that moves as a result.
    QList<int> numbers;
    std::unique_ptr<Manual> manual;
    QList<PdfNavigation::Place> topicPlaces;
    bool settled = false;
    for (int round = 0; round < 4 && !settled; ++round) {
        manual = std::make_unique<Manual>(writer, page, manualHtml(introductionOf(contents), topics, numbers));
        const QList<QTextBlock> headings = manual->headings(1);
        if (headings.size() != topics.size() + 1) {
            std::fprintf(stderr, "make_manual: every help page needs one <h1> heading\n");
            return 1;
        }
        topicPlaces.clear();
        QList<int> found;
        for (int i = 1; i < headings.size(); ++i) {
            topicPlaces.append(manual->placeOf(headings.at(i)));
            found.append(topicPlaces.last().page + 1);
        }
        settled = found == numbers;
        numbers = found;
    }
    if (!settled) {
        std::fprintf(stderr, "make_manual: the contents' page numbers do not settle\n");
        return 1;
    }

    QList<PdfNavigation::Bookmark> bookmarks;
    int topic = -1;
    for (QTextBlock block = manual->document().begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level == 1)
            ++topic;
        if (level == 1 || (level == 2 && topic > 0))
            bookmarks.append({block.text(), level - 1, manual->placeOf(block)});
    }
    const QList<PdfNavigation::Link> links = takeLinks(*manual, topics, topicPlaces);
    manual->print(writer);
    manual.reset();
    if (!QFileInfo(output).isFile()) {
        std::fprintf(stderr, "make_manual: could not write %s\n", qPrintable(output));
        return 1;
    }
    // The writer finishes the file when the painter ends; the outline goes after it.
    const QString problem = PdfNavigation::Append(output, bookmarks, links);
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "make_manual: %s: %s\n", qPrintable(output), qPrintable(problem));
        QFile::remove(output);
        return 1;
    }
    return 0;
}
