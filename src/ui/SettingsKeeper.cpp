#include "ui/SettingsKeeper.h"

#include "ui/MessageService.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDir>
#include <QTimer>

SettingsKeeper::SettingsKeeper(const Settings& settings, QString startDir)
    : m_settings(settings)
    , m_startDir(std::move(startDir))
    , m_written(settings)
{
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance())
        m_watch = QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, dispatcher,
                                   [this] { WriteIfChanged(); });
}

SettingsKeeper::~SettingsKeeper()
{
    QObject::disconnect(m_watch);
}

void SettingsKeeper::WriteIfChanged()
{
    if (!(m_settings == m_written))
        write(true);
}

IoResult SettingsKeeper::Write()
{
    return write(false);
}

IoResult SettingsKeeper::write(bool later)
{
    // A failed write is not repeated at every pause of the loop, only at the next change.
    m_written = m_settings;
    const IoResult result = SaveSettings(m_settings, m_startDir);
    if (result || m_failureShown) {
        m_failureShown = !result;
        return result;
    }
    m_failureShown = true;
    const QString text = result.describe(QStringLiteral("The settings could not be saved in %1.")
                                             .arg(QDir::toNativeSeparators(SettingsFilePath(m_startDir))));
    // The loop is about to wait: a message box opened from here would run the loop inside its pause.
    if (later)
        QTimer::singleShot(0, [text] { MessageService::error(nullptr, text); });
    else
        MessageService::error(nullptr, text);
    return result;
}
