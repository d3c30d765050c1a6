#include "ui/SettingsKeeper.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>

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
        Write();
}

IoResult SettingsKeeper::Write()
{
    // A failed write is not repeated at every pause of the loop, only at the next change.
    m_written = m_settings;
    return SaveSettings(m_settings, m_startDir);
}
