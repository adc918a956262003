#include "toolkit/qt/qt_file_dialog.h"

#include "common/files/game_path.h"
#include "toolkit/qt/qt_convert.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

namespace qtui {
namespace {

QString startFolder(const std::string& folder)
{
    if (folder.empty())
        return QDir::currentPath();
    const QString path = QDir::current().absoluteFilePath(toQtPath(tervok::nativePath(folder)));
    return QFileInfo(path).isDir() ? QDir::cleanPath(path) : QDir::currentPath();
}

bool hasWildcard(const std::string& pattern)
{
    return pattern.find_first_of("*?") != std::string::npos;
}

}  // namespace

DialogPreset splitPreset(const std::string& presetFileName)
{
    const std::size_t slash = presetFileName.find_last_of("\\/");
    if (slash == std::string::npos)
        return {"", presetFileName};
    std::string folder = presetFileName.substr(0, slash);
    for (char& c : folder)
        if (c == '/')
            c = '\\';
    return {folder, presetFileName.substr(slash + 1)};
}

std::optional<std::string> showOpenFileDialog(const std::string& presetFileName)
{
    const DialogPreset preset = splitPreset(presetFileName);
    QFileDialog dialog(QApplication::activeWindow(), QStringLiteral("Open"), startFolder(preset.folder));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (hasWildcard(preset.pattern))
        dialog.setNameFilter(toQt(preset.pattern));
    else if (!preset.pattern.empty())
        dialog.selectFile(toQt(preset.pattern));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QFile::encodeName(QFileInfo(dialog.selectedFiles().first()).fileName()).toStdString();
}

}  // namespace qtui
