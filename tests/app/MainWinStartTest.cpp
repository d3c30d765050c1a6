// A collection named when the program starts, or dropped on its window (as a file manager passes
// it), opens as the open dialog's choice would; anything else is refused and the last collection
// stays open.
#include "MainWinTestSupport.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

using MainWinStartTest = MainWinTest;

TEST_F(MainWinStartTest, ACollectionGivenAtStartOpensAndAnythingElseIsRefused)
{
    WriteCollection(defaultCollection(), {{"Animals", "Cats"}});
    const QString other = startPath(QStringLiteral("Games.qv3"));
    WriteCollection(other, {{"Sports", "Golf"}, {"Sports", "Tennis"}});
    QFile text(startPath(QStringLiteral("notes.txt")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.close();

    struct Case {
        QString path;
        QString message; // empty when the collection opens
    } cases[] = {
        {startPath(QStringLiteral("notes.txt")), QStringLiteral("The file selected is not a valid Crossword file.")},
        {startPath(QStringLiteral("Missing.QV3")), QStringLiteral("The puzzle collection file ") +
                                                       startPath(QStringLiteral("Missing.QV3")) +
                                                       QStringLiteral(" does not exist.")},
        {other, QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(qPrintable(c.path));
        messages.clear();
        start();
        window->OpenCollection(c.path);
        if (c.message.isEmpty()) {
            EXPECT_TRUE(messages.shown.isEmpty());
            EXPECT_EQ(window->Context().Working.CurrentCollection, other);
            EXPECT_EQ(window->windowTitle(), QStringLiteral("Quorvex 98 (Games)"));
            EXPECT_EQ(categories(), QStringList({QStringLiteral("Sports")}));
            EXPECT_EQ(titles(), QStringList({QStringLiteral("Golf"), QStringLiteral("Tennis")}));
            EXPECT_EQ(window->Context().settings.RecentFiles[0], defaultCollection());
        } else {
            ASSERT_EQ(messages.shown.size(), 1);
            EXPECT_EQ(messages.last().text, c.message);
            EXPECT_EQ(messages.last().caption, QStringLiteral("Error"));
            EXPECT_EQ(window->Context().Working.CurrentCollection, defaultCollection());
            EXPECT_EQ(titles(), QStringList({QStringLiteral("Cats")}));
        }
    }
}

TEST_F(MainWinStartTest, ACollectionDroppedOnTheWindowOpensAndOtherFilesAreNotTaken)
{
    WriteCollection(defaultCollection(), {{"Animals", "Cats"}});
    const QString other = startPath(QStringLiteral("Games.QV3"));
    WriteCollection(other, {{"Sports", "Golf"}});
    start();
    const auto drop = [this](const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &enter);
        if (enter.isAccepted()) {
            QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(window.get(), &dropped);
        }
        return enter.isAccepted();
    };
    EXPECT_FALSE(drop({QUrl::fromLocalFile(startPath(QStringLiteral("notes.txt")))}));
    EXPECT_FALSE(drop({QUrl::fromLocalFile(other), QUrl::fromLocalFile(defaultCollection())}));
    EXPECT_FALSE(drop({QUrl(QStringLiteral("https://example.org/Games.QV3"))}));
    EXPECT_EQ(titles(), QStringList({QStringLiteral("Cats")}));

    EXPECT_TRUE(drop({QUrl::fromLocalFile(other)}));
    EXPECT_EQ(window->Context().Working.CurrentCollection, other);
    EXPECT_EQ(titles(), QStringList({QStringLiteral("Golf")}));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(MainWinStartTest, TheProgramIconIsBuiltIn)
{
    start();
    const QImage icon = QIcon(QStringLiteral(":/app/quorvex.svg")).pixmap(48, 48).toImage();
    ASSERT_FALSE(icon.isNull());
    // The blue tile of the desktop icon, drawn from the same picture.
    EXPECT_EQ(icon.pixelColor(24, 3).rgb(), QColor(0x2b, 0x57, 0x97).rgb());
}
