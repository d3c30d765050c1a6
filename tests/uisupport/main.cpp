// Window test entry point: a headless QApplication and the scripted message service.
#include "uisupport/ScriptedMessageService.h"
#include "uisupport/UiTestEnvironment.h"
#include "ui/MenuShortcuts.h"
#include "ui/ScaledStyle.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    GiveMenuShortcutsPriority(app);
    InstallScaledStyle();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
