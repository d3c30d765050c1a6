// Build tool: the user manual QORVX.PDF made from the help pages, in the order the contents page
// lists them, each page on a new sheet. Run headless (QT_QPA_PLATFORM=offscreen).
//   make_manual HELP_FOLDER OUT.PDF
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QStringList>
#include <QTextDocument>
#include <QDir>
#include <cstdio>

namespace {

QString readPage(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

/** The inside of a page's body, with its links turned into plain text (a sheet of paper has no links). */
QString bodyOf(const QString& html)
{
    static const QRegularExpression body(QStringLiteral("<body[^>]*>(.*)</body>"),
                                         QRegularExpression::CaseInsensitiveOption
                                             | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression anchor(QStringLiteral("</?a(\\s[^>]*)?>"), QRegularExpression::CaseInsensitiveOption);
    const auto match = body.match(html);
    QString inside = match.hasMatch() ? match.captured(1) : html;
    return inside.remove(anchor);
}

/** The pages the contents page links to, in its order, each once. */
QStringList pagesListed(const QString& contents)
{
    static const QRegularExpression link(QStringLiteral("href=\"([A-Za-z0-9_-]+\\.html)\""));
    QStringList pages;
    auto matches = link.globalMatch(contents);
    while (matches.hasNext()) {
        const QString page = matches.next().captured(1);
        if (!pages.contains(page))
            pages.append(page);
    }
    return pages;
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
    const QString contents = readPage(folder.filePath(QStringLiteral("index.html")));
    if (contents.isEmpty()) {
        std::fprintf(stderr, "make_manual: no contents page in %s\n", qPrintable(folder.path()));
        return 1;
    }

    QString html = QStringLiteral("<html><body>") + bodyOf(contents);
    const QStringList pages = pagesListed(contents);
    for (const QString& page : pages) {
        const QString text = readPage(folder.filePath(page));
        if (text.isEmpty()) {
            std::fprintf(stderr, "make_manual: missing help page %s\n", qPrintable(page));
            return 1;
        }
        html += QStringLiteral("<div style=\"page-break-before: always\">") + bodyOf(text) + QStringLiteral("</div>");
    }
    html += QStringLiteral("</body></html>");

    QPdfWriter writer(arguments.at(2));
    writer.setTitle(QStringLiteral("Quorvex User Manual"));
    writer.setCreator(QStringLiteral("Quorvex"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 20, 20, 20),
                                     QPageLayout::Millimeter));
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("Liberation Sans"), 11));
    document.setHtml(html);
    document.print(&writer);
    if (!QFile::exists(arguments.at(2))) {
        std::fprintf(stderr, "make_manual: could not write %s\n", qPrintable(arguments.at(2)));
        return 1;
    }
    return 0;
}
