#include "tools/render/map_location.h"

#include "common/encoding/cp1252.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>

namespace render {
namespace {

std::string lastComponent(const std::string& gamePath)
{
    const std::size_t slash = gamePath.rfind('\\');
    return gamePath.substr(slash == std::string::npos ? 0 : slash + 1);
}

bool endsWithMapExtension(const std::string& name)
{
    if (name.size() < 4)
        return false;
    std::string extension = name.substr(name.size() - 4);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".map";
}

std::string withoutMapExtension(const std::string& name)
{
    return endsWithMapExtension(name) ? name.substr(0, name.size() - 4) : name;
}

// The folder above the one that holds the file: "g/map/x.map" -> "g",
// "map/x.map" -> ".", "x.map" -> "..", "../x.map" -> "../..".
std::filesystem::path gameFolderOf(const std::filesystem::path& file)
{
    const std::filesystem::path folder = file.parent_path();
    if (folder.empty() || folder == ".")
        return "..";
    if (folder.filename() == "..")
        return folder / "..";
    const std::filesystem::path above = folder.parent_path();
    return above.empty() ? std::filesystem::path(".") : above;
}

}  // namespace

MapLocation locateMap(const std::string& map, const std::optional<std::string>& folder)
{
    MapLocation location;
    if (map.find('\\') != std::string::npos) {
        location.gamePath = map;
        location.gameName = withoutMapExtension(lastComponent(map));
        location.pictureName = tervok::cp1252ToUtf8(location.gameName) + ".png";
        location.gameFolder = folder ? std::filesystem::path(*folder) : std::filesystem::path(".");
        return location;
    }
    location.file = std::filesystem::path(map).lexically_normal();
    const std::string fileName = withoutMapExtension(location.file.filename().string());
    location.gameName = tervok::utf8ToCp1252(fileName);
    location.pictureName = fileName + ".png";
    location.gameFolder = folder ? std::filesystem::path(*folder) : gameFolderOf(location.file);
    return location;
}

StartFolder::StartFolder() : fd_(::open(".", O_PATH | O_DIRECTORY | O_CLOEXEC)), openError_(errno) {}

tervok::Status StartFolder::enter() const
{
    if (fd_.get() < 0)
        return tervok::systemError(openError_);
    if (::fchdir(fd_.get()) != 0)
        return tervok::systemError(errno);
    return {};
}

}  // namespace render
