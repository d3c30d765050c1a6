#pragma once
// Writing the settings file as soon as a setting changes, so a crash or a kill keeps them.

#include "store/Settings.h"

#include <QMetaObject>
#include <QString>

/**
 * Keeps the settings file in step with the settings in memory. Whenever the event loop has run
 * out of work (every modal dialog's loop included) it compares the settings with those last
 * written and, when they differ, writes them through the one file-replacement function, so a
 * crash leaves the old file or the new one, never a half one. A write that fails is not retried
 * until the settings change again; Write() at exit tries once more. The first failure is shown to
 * the user, once: later ones stay silent until a write has succeeded again.
 */
class SettingsKeeper {
public:
    /** Starts watching; the settings held at this moment count as written (they were just read). */
    SettingsKeeper(const Settings& settings, QString startDir);
    ~SettingsKeeper();
    SettingsKeeper(const SettingsKeeper&) = delete;
    SettingsKeeper& operator=(const SettingsKeeper&) = delete;

    /** Writes the settings when they differ from those last written. */
    void WriteIfChanged();
    /** Writes the settings whether or not they changed (at exit), showing a failure at once. */
    IoResult Write();

private:
    /** Writes the settings; a failure not yet shown is shown now, or once the loop runs again (later). */
    IoResult write(bool later);

    const Settings& m_settings;
    QString m_startDir;
    Settings m_written;
    QMetaObject::Connection m_watch;
    bool m_failureShown = false;
};
