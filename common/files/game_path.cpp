#include "common/files/game_path.h"

#include "common/encoding/cp1252.h"

#include <algorithm>
#include <string>
#include <system_error>
#include <vector>

namespace tervok {
namespace fs = std::filesystem;
namespace {

std::string foldCase(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(),
                   [](char c) { return static_cast<char>(foldCaseCp1252(static_cast<unsigned char>(c))); });
    return s;
}

std::vector<std::string> entriesOf(const fs::path& dir)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(dir.empty() ? fs::path(".") : dir, ec), end; !ec && it != end; it.increment(ec))
        names.push_back(it->path().filename().string());
    return names;
}

}  // namespace

std::vector<std::string> gamePathComponents(std::string_view gamePath)
{
    std::vector<std::string> parts;
    std::string current;
    for (const char c : gamePath) {
        if (c == '\\') {
            if (!current.empty())
                parts.push_back(current);
            current.clear();
        } else {
            current.push_back(c);
        }
    }
    if (!current.empty())
        parts.push_back(current);
    return parts;
}

std::optional<std::string> matchNameIgnoringCase(const std::vector<std::string>& entries,
                                                 std::string_view cp1252Name)
{
    const std::string wanted = foldCase(std::string(cp1252Name));
    const std::string* found = nullptr;
    for (const std::string& entry : entries) {
        const std::optional<std::string> entryBytes = utf8ToCp1252Exactly(entry);
        if (!entryBytes || foldCase(*entryBytes) != wanted)
            continue;
        if (found)
            return std::nullopt;
        found = &entry;
    }
    return found ? std::optional<std::string>(*found) : std::nullopt;
}

fs::path pathAsWritten(std::string_view gamePath)
{
    // Joined as path's /= joins them, without parsing the path at each step:
    // a component that starts with "/" starts the path anew.
    std::string path;
    for (const std::string& part : gamePathComponents(gamePath)) {
        std::string name = cp1252ToUtf8(part);
        if (name.front() == '/') {
            path = std::move(name);
            continue;
        }
        if (!path.empty() && path.back() != '/')
            path += '/';
        path += name;
    }
    return path;
}

fs::path nativePath(std::string_view gamePath)
{
    // A path that exists as written is its own match: one look at the disk
    // instead of one per component.
    fs::path exact = pathAsWritten(gamePath);
    std::error_code ec;
    if (fs::exists(exact, ec))
        return exact;
    const std::vector<std::string> parts = gamePathComponents(gamePath);
    fs::path result;
    bool resolving = true;  // stop matching once a folder is missing
    for (const std::string& part : parts) {
        std::string name = cp1252ToUtf8(part);
        if (resolving && name != "." && name != "..") {
            if (!fs::exists(result / name, ec)) {
                if (std::optional<std::string> match = matchNameIgnoringCase(entriesOf(result), part))
                    name = std::move(*match);
                resolving = fs::exists(result / name, ec);
            }
        }
        result /= name;
    }
    return result;
}

}  // namespace tervok
