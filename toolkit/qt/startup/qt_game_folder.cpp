#include "toolkit/qt/startup/qt_game_folder.h"

#include "toolkit/qt/startup/qt_shared_settings.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QIcon>
#include <QString>

#include <iostream>
#include <system_error>

namespace qtui {
namespace {

const QString kGameFolderKey = QStringLiteral("gameFolder");

QString toQString(const std::filesystem::path& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
}

std::filesystem::path toPath(const QString& text)
{
    return std::filesystem::path(QFile::encodeName(text).toStdString());
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
    saveSharedSettings(settings, programName_);
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
