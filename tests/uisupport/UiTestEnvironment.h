#pragma once

#include "uisupport/ScriptedMessageService.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

/**
 * Base fixture for window tests: fresh temporary start and program directories (the program
 * directory holds copies of the built default data files), and the scripted message service
 * installed for the test's length.
 */
class UiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(startDir.isValid());
        ASSERT_TRUE(programDir.isValid());
        for (const char* name : {"QVFLAY.DAT", "QVFPAGE.DAT"}) {
            const QString source = QStringLiteral(QUORVEX_BUILD_DIR "/") + QLatin1String(name);
            if (QFile::exists(source))
                QFile::copy(source, programDir.filePath(QLatin1String(name)));
        }
        qputenv("QUORVEX_PROGRAM_DIR", programDir.path().toLocal8Bit());
        MessageService::install(&messages);
    }
    void TearDown() override
    {
        MessageService::install(nullptr);
        qunsetenv("QUORVEX_PROGRAM_DIR");
    }

    QString startPath(const QString& name) const { return startDir.filePath(name); }
    QString programPath(const QString& name) const { return programDir.filePath(name); }

    QTemporaryDir startDir;
    QTemporaryDir programDir;
    ScriptedMessageService messages;
};
