#include "uisupport/UiTestEnvironment.h"

using MessageServiceTest = UiTest;

TEST_F(MessageServiceTest, InstalledServiceRecordsMessagesAndAnswersFromTheScript)
{
    MessageService::error(nullptr, QStringLiteral("Unable to save puzzle."));
    messages.answers.push_back(MessageService::Button::Yes);
    EXPECT_TRUE(MessageService::askYesNo(nullptr, QStringLiteral("Delete it?"), QStringLiteral("Delete")));
    EXPECT_FALSE(MessageService::askYesNo(nullptr, QStringLiteral("Again?"), QStringLiteral("Delete")));
    ASSERT_EQ(messages.shown.size(), 3);
    EXPECT_EQ(messages.shown[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(messages.texts().at(1), QStringLiteral("Delete it?"));
    messages.files.push_back(startPath(QStringLiteral("a.QV3")));
    EXPECT_EQ(MessageService::instance().openFileName(nullptr, {QStringLiteral("Open Puzzle Group"), {}, {}, {}, true}),
              startPath(QStringLiteral("a.QV3")));
    EXPECT_TRUE(MessageService::instance().saveFileName(nullptr, {}).isEmpty());
}
