// The settings keeper reports a failed save once, not at every pause of the loop.
#include "ui/SettingsKeeper.h"
#include "uisupport/UiTestEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

using SettingsKeeperTest = UiTest;

TEST_F(SettingsKeeperTest, ASaveThatFailsIsReportedOnceUntilOneSucceeds)
{
    // A folder in the settings file's place: no save can replace it.
    ASSERT_TRUE(QDir(startDir.path()).mkdir(QStringLiteral("QORVX3.INI")));
    Settings settings = LoadSettings(startDir.path());
    SettingsKeeper keeper(settings, startDir.path());
    for (int change = 1; change <= 3; ++change) {
        settings.WindowSize = 700 + change;
        keeper.WriteIfChanged();
        QCoreApplication::processEvents();
    }
    EXPECT_FALSE(keeper.Write());
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts().first().startsWith(QStringLiteral("The settings could not be saved in ")));
    // After a save that worked, the next failure is reported again.
    ASSERT_TRUE(QDir(startDir.path()).rmdir(QStringLiteral("QORVX3.INI")));
    EXPECT_TRUE(keeper.Write());
    ASSERT_TRUE(QFile::remove(startPath(QStringLiteral("QORVX3.INI"))) && QDir(startDir.path()).mkdir(QStringLiteral("QORVX3.INI")));
    EXPECT_FALSE(keeper.Write());
    EXPECT_EQ(messages.texts().size(), 2);
}
