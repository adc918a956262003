#include "toolkit/qt/startup/qt_game_folder.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QIcon>
#include <QSettings>
#include <QString>

#include <cerrno>
#include <iostream>
#include <system_error>

#include <unistd.h>

namespace qtui {
namespace {

const QString kGameFolderKey = QStringLiteral("gameFolder");

// Organisation "tervok", application "editors": one file for all four.
QSettings sharedSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("tervok"), QStringLiteral("editors"));
}

QString toQString(const std::filesystem::path& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
}

std::filesystem::path toPath(const QString& text)
{
    return std::filesystem::path(QFile::encodeName(text).toStdString());
}

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

std::optional<std::filesystem::path> QtFolderMemory::recall() const
{
    const QString folder = sharedSettings().value(kGameFolderKey).toString();
    if (folder.isEmpty())
        return std::nullopt;
    return toPath(folder);
}

void QtFolderMemory::remember(const std::filesystem::path& folder)
{
    QSettings settings = sharedSettings();
    settings.setValue(kGameFolderKey, toQString(folder));
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        const std::filesystem::path file = toPath(settings.fileName());
        const std::string program =
            programName_.empty() ? QCoreApplication::applicationName().toStdString() : programName_;
        std::cerr << program << ": " << file.string()
                  << ": cannot save: " << whySettingsCannotBeSaved(file) << std::endl;
    }
}

std::optional<std::filesystem::path> askForGameFolder(const std::filesystem::path& startIn)
{
    const QString title = QApplication::applicationName() + QStringLiteral(": choose the Tervok game folder");
    const QString folder =
        QFileDialog::getExistingDirectory(nullptr, title, toQString(startIn), QFileDialog::ShowDirsOnly);
    if (folder.isEmpty())
        return std::nullopt;
    return toPath(folder);
}

void enterGameFolder(const tervok::startup::Start& start, const std::string& programName,
                     const tervok::startup::FolderQuestion& ask)
{
    const QString id = QStringLiteral("org.tervok.") + QString::fromStdString(programName);
    QGuiApplication::setDesktopFileName(id);
    QApplication::setWindowIcon(QIcon::fromTheme(id));
    if (start.folderNamed)
        return;

    std::error_code error;
    const std::filesystem::path workingDirectory = std::filesystem::current_path(error);
    QtFolderMemory memory(programName);
    const tervok::startup::FolderChoice choice = tervok::startup::chooseGameFolder(workingDirectory, memory, ask);
    if (choice.source == tervok::startup::FolderSource::Cancelled ||
        choice.source == tervok::startup::FolderSource::WorkingDirectory)
        return;
    if (const tervok::Status entered = tervok::startup::enterFolder(choice.folder); !entered)
        std::cerr << programName << ": " << choice.folder.string()
                  << ": cannot open the game folder: " << tervok::startup::systemReason(entered.error()) << std::endl;
}

}  // namespace qtui
