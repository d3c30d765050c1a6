#pragma once
// quorvex-cli run as a separate process, as batch users and the build scripts run it.

#include <QProcess>
#include <QString>
#include <QStringList>

struct CliRun {
    int status = -1;
    QString out;
    QString err;
};

/** Runs quorvex-cli with the arguments, in workDir when given, with the build's data files. */
inline CliRun cli(const QStringList& args, const QString& workDir = {})
{
    QProcess process;
    if (!workDir.isEmpty())
        process.setWorkingDirectory(workDir);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QUORVEX_PROGRAM_DIR"), QStringLiteral(QUORVEX_BUILD_DIR));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(QUORVEX_CLI_PATH), args);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}
