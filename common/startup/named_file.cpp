#include "common/startup/named_file.h"

#include "common/encoding/cp1252.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <system_error>

namespace tervok::startup {
namespace {

namespace fs = std::filesystem;

// The folders that hold the files an editor loads; "ep" holds only bitmaps.
constexpr std::array<std::string_view, 4> kFileFolders{"map", "player", "shots", "sprites"};

std::string lowerAscii(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The file's path made whole and without "." and ".." steps, as the shell
// would show it: "data/shots/../shots/laser.sht" lies in "data/shots".
fs::path wholePath(const fs::path& file)
{
    std::error_code error;
    const fs::path whole = fs::absolute(file, error);
    return (error ? file : whole).lexically_normal();
}

}  // namespace

std::optional<fs::path> gameFolderOfFile(const fs::path& file)
{
    const fs::path folder = wholePath(file).parent_path();
    const std::string folderName = lowerAscii(folder.filename().string());
    if (std::find(kFileFolders.begin(), kFileFolders.end(), folderName) == kFileFolders.end())
        return std::nullopt;
    return folder.parent_path();
}

NamedFile nameOfFile(const fs::path& file)
{
    const fs::path whole = wholePath(file);
    const fs::path cp1252Name(utf8ToCp1252(whole.filename().string()));
    return NamedFile{lowerAscii(whole.parent_path().filename().string()), cp1252Name.stem().string(),
                     lowerAscii(cp1252Name.extension().string())};
}

std::string gamePathOf(const NamedFile& file)
{
    return file.dataFolder + "\\" + file.stem + file.extension;
}

bool isOfKind(const NamedFile& file, const FileKind& kind)
{
    return file.dataFolder == kind.dataFolder && file.extension == kind.extension;
}

}  // namespace tervok::startup
