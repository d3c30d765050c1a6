#include "ui/HelpWindow.h"

#include "store/TextInput.h"
#include "ui/AppContext.h"
#include "ui/MessageService.h"
#include "ui/WindowSetup.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

constexpr int DesignWidth = 600;
constexpr int DesignHeight = 440;

QString readText(const QString& path)
{
    QByteArray bytes;
    return TextInput::Read(path, bytes) ? QString::fromUtf8(bytes) : QString();
}

/** The help pages' folder after checking that its contents page is there; empty after the message. */
QString helpFolderOrComplain(QWidget* parent, const AppContext& context)
{
    const QString folder = THelpWindow::HelpFolder(context);
    const QString contents = THelpWindow::ContentsPage(folder);
    if (QFileInfo(contents).isFile())
        return folder;
    MessageService::error(parent, QStringLiteral("Cannot find the help file ") + contents + QLatin1Char('.'));
    return {};
}

/**
 * The help window beside a window: one for each window that opens help, made on first use and kept
 * (hidden when closed) until that window goes. It belongs to the window so that it can be used
 * while that window is modal.
 */
THelpWindow* helpWindowFor(QWidget* parent, const AppContext& context)
{
    QWidget* owner = parent ? parent->window() : nullptr;
    if (owner) {
        if (auto* existing = owner->findChild<THelpWindow*>(QString(), Qt::FindDirectChildrenOnly))
            return existing;
    }
    auto* window = new THelpWindow(context, owner);
    if (!owner)
        window->setAttribute(Qt::WA_DeleteOnClose);
    return window;
}

bool showAt(QWidget* parent, const AppContext& context, const QString& page)
{
    THelpWindow* window = helpWindowFor(parent, context);
    window->OpenPage(page);
    window->Browser()->clearHistory();
    window->show();
    window->raise();
    window->activateWindow();
    return true;
}

} // namespace

THelpWindow::THelpWindow(const AppContext& context, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_contents(ContentsPage(HelpFolder(context)))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Quorvex Help"));
    // Help is read beside the work, so the window does not block the one it was opened from.
    setModal(false);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setOpenExternalLinks(true);

    auto* back = new QPushButton(QStringLiteral("&Back"), this);
    back->setObjectName(QStringLiteral("BackButton"));
    back->setEnabled(false);
    auto* forward = new QPushButton(QStringLiteral("&Forward"), this);
    forward->setObjectName(QStringLiteral("ForwardButton"));
    forward->setEnabled(false);
    auto* contents = new QPushButton(QStringLiteral("C&ontents"), this);
    contents->setObjectName(QStringLiteral("ContentsButton"));
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("CloseButton"));

    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(contents, &QPushButton::clicked, this, [this] { OpenPage(m_contents); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = m_browser->documentTitle();
        setWindowTitle(title.isEmpty() ? QStringLiteral("Quorvex Help") : QStringLiteral("Quorvex Help - ") + title);
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addWidget(contents);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_browser, 1);
    resize(DesignWidth, DesignHeight);
}

QString THelpWindow::HelpFolder(const AppContext& context)
{
    return context.ProgramFile(QStringLiteral("help"));
}

QString THelpWindow::ContentsPage(const QString& folder)
{
    return QDir(folder).filePath(QStringLiteral("index.html"));
}

QStringList THelpWindow::KeywordsOf(const QString& htmlText)
{
    static const QRegularExpression meta(
        QStringLiteral("<meta\\s+name\\s*=\\s*\"keywords\"\\s+content\\s*=\\s*\"([^\"]*)\""),
        QRegularExpression::CaseInsensitiveOption);
    QStringList keywords;
    auto matches = meta.globalMatch(htmlText);
    while (matches.hasNext()) {
        const auto parts = matches.next().captured(1).split(QLatin1Char(';'));
        for (const QString& part : parts) {
            const QString keyword = part.trimmed();
            if (!keyword.isEmpty())
                keywords.append(keyword);
        }
    }
    return keywords;
}

QString THelpWindow::PageForKeyword(const QString& folder, const QString& keyword)
{
    const QDir dir(folder);
    const QStringList pages = dir.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
    for (const QString& page : pages) {
        const QStringList keywords = KeywordsOf(readText(dir.filePath(page)));
        for (const QString& candidate : keywords) {
            if (candidate.compare(keyword.trimmed(), Qt::CaseInsensitive) == 0)
                return dir.filePath(page);
        }
    }
    return {};
}

void THelpWindow::OpenPage(const QString& path)
{
    m_browser->setSource(QUrl::fromLocalFile(path));
}

QUrl THelpWindow::CurrentPage() const
{
    return m_browser->source();
}

void THelpWindow::showEvent(QShowEvent* event)
{
    PrepareDialog(this, m_context);
    QDialog::showEvent(event);
}

bool ShowHelpContents(QWidget* parent, const AppContext& context)
{
    const QString folder = helpFolderOrComplain(parent, context);
    if (folder.isEmpty())
        return false;
    return showAt(parent, context, THelpWindow::ContentsPage(folder));
}

bool ShowHelpTopic(QWidget* parent, const AppContext& context, const QString& keyword)
{
    const QString folder = helpFolderOrComplain(parent, context);
    if (folder.isEmpty())
        return false;
    const QString page = THelpWindow::PageForKeyword(folder, keyword);
    return showAt(parent, context, page.isEmpty() ? THelpWindow::ContentsPage(folder) : page);
}
