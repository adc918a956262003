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

std::string foldCase(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(),
                   [](char c) { return static_cast<char>(foldCaseCp1252(static_cast<unsigned char>(c))); });
    return s;
}

// The entry of dir whose name equals the Windows-1252 name but for case, as
// Windows compares names, when there is exactly one such entry. Entries
// whose names Windows-1252 cannot hold match nothing.
std::string matchCaseInsensitive(const fs::path& dir, const std::string& cp1252Name, const std::string& name)
{
    std::error_code ec;
    fs::directory_iterator it(dir.empty() ? fs::path(".") : dir, ec);
    if (ec)
        return name;
    const std::string wanted = foldCase(cp1252Name);
    std::string found;
    int matches = 0;
    for (const auto& entry : it) {
        std::string candidate = entry.path().filename().string();
        const std::optional<std::string> candidateBytes = utf8ToCp1252Exactly(candidate);
        if (candidateBytes && foldCase(*candidateBytes) == wanted) {
            found = std::move(candidate);
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
                name = matchCaseInsensitive(result, part, name);
                resolving = fs::exists(result / name, ec);
            }
        }
        result /= name;
    }
    return result;
}

}  // namespace tervok
