// Deleting a puzzle where the folder takes no new file, and where the disk fails on the way: the
// delete still works in place, or it is reported and the collection is left as it was.
#include "MainWinTestSupport.h"

#include "store/FaultInjection.h"

#include <QFile>

using MainWinDeleteFailureTest = MainWinTest;
using FaultInjection::Step;

TEST_F(MainWinDeleteFailureTest, AFolderWithoutRoomStillDeletesAndAFailingDiskIsReported)
{
    WriteCollection(defaultCollection(), {{"Animals", "Bears"}, {"Animals", "Cats"}, {"Animals", "Dogs"}});
    start();
    showWindow();
    QFile file(defaultCollection());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    // The folder refuses the new file and the first record moved down in place meets a disk error.
    clickTitle(QStringLiteral("Bears"));
    messages.answers.push_back(MessageService::Button::Yes);
    {
        FaultInjection::Scope failing({{Step::Create, 1, EACCES}, {Step::Write, 1, EIO}});
        window->DeletePuzzle();
    }
    EXPECT_EQ(messages.last().text, QStringLiteral("Unable to delete puzzle.\nInput/output error"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    file.close();
    EXPECT_EQ(titles(), QStringList({QStringLiteral("Bears"), QStringLiteral("Cats"), QStringLiteral("Dogs")}));

    // The folder refuses the new file only: the records move down in place.
    const qsizetype shown = messages.shown.size();
    clickTitle(QStringLiteral("Bears"));
    messages.answers.push_back(MessageService::Button::Yes);
    {
        FaultInjection::Scope noRoom({{Step::Create, 1, EACCES}});
        window->DeletePuzzle();
    }
    EXPECT_EQ(messages.shown.size(), shown + 1);   // the question only
    EXPECT_EQ(titles(), QStringList({QStringLiteral("Cats"), QStringLiteral("Dogs")}));
}
