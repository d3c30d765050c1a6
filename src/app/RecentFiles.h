#pragma once

#include "store/Settings.h"

#include <QString>
#include <array>

/** The recent-file list: entries 1..5 (elements 0..4), most recent first; empty entries allowed anywhere. */
using RecentFileList = std::array<QString, SettingsLimits::RecentFileCount>;

/**
 * The list after the open collection changed from oldPath to newPath: an entry equal to newPath
 * (exactly) is taken out and the entries after it move up; then every entry moves down one place
 * (the last falls off) and oldPath becomes entry 1.
 */
void UpdateRecentFiles(RecentFileList& files, const QString& oldPath, const QString& newPath);

/** The File menu caption of entry 1..5: "&1   " and the path, its ampersands doubled. */
QString RecentFileCaption(int entry, const QString& path);

/** The open collection's name: the file name without directory and without its last four characters. */
QString GroupNameOf(const QString& collectionPath);
