#include "files/game_path.h"

#include "encoding/cp1252.h"

#include <algorithm>
#include <string>
#include <system_error>
#include <vector>

namespace tervok {
namespace fs = std::filesystem;
namespace {

std::vector<std::string> splitComponents(std::string_view gamePath)
{
    std::vector<std::string> parts;
    std::string current;
    for (const char c : gamePath) {
        if (c == '\\') {
            parts.push_back(current);
            current.clear();
        } else {
            current.push_back(c);
        }
    }
    parts.push_back(current);
    return parts;
}

std::string foldAscii(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    });
    return s;
}

// The entry of dir whose name equals name but for ASCII case, when there is
// exactly one such entry.
std::string matchCaseInsensitive(const fs::path& dir, const std::string& name)
{
    std::error_code ec;
    fs::directory_iterator it(dir.empty() ? fs::path(".") : dir, ec);
    if (ec)
        return name;
    const std::string wanted = foldAscii(name);
    std::string found;
    int matches = 0;
    for (const auto& entry : it) {
        const std::string candidate = entry.path().filename().string();
        if (foldAscii(candidate) == wanted) {
            found = candidate;
            ++matches;
        }
    }
    return matches == 1 ? found : name;
}

}  // namespace

fs::path nativePath(std::string_view gamePath)
{
    fs::path result;
    bool resolving = true;  // stop matching once a folder is missing
    for (const std::string& part : splitComponents(gamePath)) {
        if (part.empty())
            continue;
        std::string name = cp1252ToUtf8(part);
        if (resolving && name != "." && name != "..") {
            std::error_code ec;
            if (!fs::exists(result / name, ec)) {
                name = matchCaseInsensitive(result, name);
                resolving = fs::exists(result / name, ec);
            }
        }
        result /= name;
    }
    return result;
}

}  // namespace tervok
