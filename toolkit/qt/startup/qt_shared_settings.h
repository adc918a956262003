#pragma once
// The settings file the four editors share: ~/.config/tervok/editors.conf
// (below $XDG_CONFIG_HOME when that is set), read and written with
// QSettings.
#include <QSettings>

#include <string>

namespace qtui {

// Organisation "tervok", application "editors": one file for all four.
QSettings sharedSettings();

// Writes the settings to their file; when that fails, says so on standard
// error as "program: FILE: cannot save: why" (programName empty: the
// application's name).
void saveSharedSettings(QSettings& settings, const std::string& programName);

}  // namespace qtui
