#include "toolkit/qt/startup/qt_shared_settings.h"

#include "common/startup/game_folder.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <filesystem>
#include <iostream>
#include <system_error>

#include <unistd.h>

namespace qtui {
namespace {

// QSettings tells only that the file could not be written; the system says
// why when its folder is made and written to as QSettings does.
std::string whySettingsCannotBeSaved(const std::filesystem::path& file)
{
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    if (error)
        return tervok::startup::systemReason(error.value());
    if (::access(file.parent_path().c_str(), W_OK) != 0)
        return tervok::startup::systemReason(errno);
    if (::access(file.c_str(), F_OK) == 0 && ::access(file.c_str(), W_OK) != 0)
        return tervok::startup::systemReason(errno);
    return "the settings file could not be written";
}

}  // namespace

QSettings sharedSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("tervok"), QStringLiteral("editors"));
}

void saveSharedSettings(QSettings& settings, const std::string& programName)
{
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return;
    const std::filesystem::path file(QFile::encodeName(settings.fileName()).toStdString());
    const std::string program = programName.empty() ? QCoreApplication::applicationName().toStdString() : programName;
    std::cerr << program << ": " << file.string() << ": cannot save: " << whySettingsCannotBeSaved(file) << std::endl;
}

}  // namespace qtui
