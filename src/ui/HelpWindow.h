#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <QUrl>

class AppContext;
class QPushButton;
class QTextBrowser;

/**
 * The program's help window: the HTML help pages of the program directory's "help" folder in a
 * browser with "&Back", "&Forward" and "&Contents". A page names the topics it answers in its
 * keywords (<meta name="keywords" content="Report Window; PUZZLE CONNECTION">), which is how the
 * windows' help buttons and the Help menu reach it. Unlike the program's other windows it is not
 * modal: it stays open beside the window it was opened from.
 */
class THelpWindow : public QDialog {
    Q_OBJECT

public:
    explicit THelpWindow(const AppContext& context, QWidget* parent = nullptr);

    /** The folder of the help pages: "help" in the program directory. */
    static QString HelpFolder(const AppContext& context);
    /** The contents page of a help folder ("index.html"). */
    static QString ContentsPage(const QString& folder);
    /** The page of a help folder whose keywords hold the keyword (case ignored); empty when none does. */
    static QString PageForKeyword(const QString& folder, const QString& keyword);
    /** The keywords a help page declares, in its order. */
    static QStringList KeywordsOf(const QString& htmlText);

    /** Shows a page of the help folder. */
    void OpenPage(const QString& path);
    /** The page shown. */
    QUrl CurrentPage() const;
    /** The browser, for the window tests. */
    QTextBrowser* Browser() const { return m_browser; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    const AppContext& m_context;
    QTextBrowser* m_browser = nullptr;
    QString m_contents;
};

/**
 * Opens the help window of a window (the one it already has, or a new one) at its contents; when
 * the help pages are missing, says so and opens nothing. Returns whether the window was shown.
 */
bool ShowHelpContents(QWidget* parent, const AppContext& context);

/**
 * Opens the help window at the page that carries a keyword (a window's topic such as "Report
 * Window", or "PUZZLE CONNECTION"); at the contents when no page carries it.
 */
bool ShowHelpTopic(QWidget* parent, const AppContext& context, const QString& keyword);
