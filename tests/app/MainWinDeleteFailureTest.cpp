// Deleting a puzzle where the folder takes no new file, and where the disk fails on the way: the
// delete is refused, since nothing could undo a move made in place, or reported; either way the
// collection is left as it was.
#include "MainWinTestSupport.h"

#include "store/FaultInjection.h"

#include <QFile>

using MainWinDeleteFailureTest = MainWinTest;
using FaultInjection::Step;

TEST_F(MainWinDeleteFailureTest, AFolderWithoutRoomRefusesTheDeleteAndAFailingDiskIsReported)
{
    WriteCollection(defaultCollection(), {{"Animals", "Bears"}, {"Animals", "Cats"}, {"Animals", "Dogs"}});
    start();
    showWindow();
    QFile file(defaultCollection());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    const struct {
        std::vector<FaultInjection::Fault> faults;
        const char* reason;
    } rows[] = {
        {{{Step::Create, 1, EACCES}}, "DEFAULT.QV3 cannot be saved safely: no room for its journal.  Nothing was written."},
        {{{Step::Write, 1, EIO}}, "Input/output error"},
    };
    for (const auto& row : rows) {
        clickTitle(QStringLiteral("Bears"));
        messages.answers.push_back(MessageService::Button::Yes);
        {
            FaultInjection::Scope failing(row.faults);
            window->DeletePuzzle();
        }
        EXPECT_EQ(messages.last().text, QStringLiteral("Unable to delete puzzle.\n") + QLatin1String(row.reason));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), before) << row.reason;
        file.close();
        EXPECT_EQ(titles(), QStringList({QStringLiteral("Bears"), QStringLiteral("Cats"), QStringLiteral("Dogs")}));
    }
}
