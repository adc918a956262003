// What every text file of the game is checked for, and the reading and
// finding of files that every part of the check shares.
#include "tools/check/check_context.h"

#include "common/encoding/cp1252.h"
#include "common/files/game_path.h"

#include <algorithm>
#include <array>

namespace check {
namespace {

constexpr bool isUndefinedInWindows1252(unsigned char byte)
{
    return byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
}

std::string lowered(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return result;
}

// How often something was seen, and on which line first.
struct Tally {
    std::size_t count = 0;
    std::size_t firstLine = 0;
    void see(std::size_t line)
    {
        if (count++ == 0)
            firstLine = line;
    }
};

std::string times(std::size_t count, const char* one, const char* many)
{
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

// The next CR or LF from at on, or the end.
std::size_t nextLineEnd(std::string_view bytes, std::size_t at)
{
    while (at < bytes.size() && bytes[at] != '\r' && bytes[at] != '\n')
        ++at;
    return at;
}

// Whether every CR is followed by an LF and every LF follows a CR, counted
// with sums the compiler widens: the common case, looked at first.
bool allLineEndsAreCrLf(std::string_view bytes)
{
    std::size_t crs = 0, lfs = 0, pairs = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        crs += bytes[i] == '\r';
        lfs += bytes[i] == '\n';
    }
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i)
        pairs += bytes[i] == '\r' && bytes[i + 1] == '\n';
    return crs == pairs && lfs == pairs;
}

// Lines counted as the field reader counts them: CR LF is one line end, a
// lone CR or LF is one too, but not what the game's files use.
void checkLineEnds(CheckContext& context, const std::string& path, std::string_view bytes)
{
    if (allLineEndsAreCrLf(bytes))
        return;
    Tally bareEnds;
    std::size_t line = 1;
    for (std::size_t at = nextLineEnd(bytes, 0); at < bytes.size(); at = nextLineEnd(bytes, at + 1)) {
        if (bytes[at] == '\r' && at + 1 < bytes.size() && bytes[at + 1] == '\n')
            ++at;
        else
            bareEnds.see(line);
        ++line;
    }
    if (bareEnds.count > 0)
        context.findings.warning(path, bareEnds.firstLine, "line-ends",
                                 "the line ends in a lone CR or LF, not CR LF (" +
                                     times(bareEnds.count, "such line", "such lines") + ")");
}

std::size_t lineOf(std::string_view bytes, std::size_t offset)
{
    std::size_t line = 1;
    for (std::size_t i = 0; i < offset; ++i) {
        if (bytes[i] == '\r' && i + 1 < offset && bytes[i + 1] == '\n')
            ++i;
        if (bytes[i] == '\r' || bytes[i] == '\n')
            ++line;
    }
    return line;
}

// Undefined bytes are rare: the whole text is looked over at once, and
// lines are counted only when there is one.
void checkBytes(CheckContext& context, const std::string& path, std::string_view bytes)
{
    std::size_t count = 0;
    for (const char c : bytes)
        count += isUndefinedInWindows1252(static_cast<unsigned char>(c));
    if (count == 0)
        return;
    Tally undefined;
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (isUndefinedInWindows1252(static_cast<unsigned char>(bytes[i])))
            undefined.see(i);
    context.findings.warning(path, lineOf(bytes, undefined.firstLine), "undefined-bytes",
                             "a byte that Windows-1252 leaves undefined (" +
                                 times(undefined.count, "such byte", "such bytes") + ")");
}

}  // namespace

// A line other than a bracket line holding a comma gives two entries.
void checkCommaLines(CheckContext& context, const std::string& path, std::string_view bytes)
{
    std::size_t line = 1;
    std::size_t start = 0;
    while (start <= bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = bytes.size();
        const std::string_view text = bytes.substr(start, end - start);
        const std::size_t first = text.find_first_not_of(' ');
        if (text.find(',') != std::string_view::npos && first != std::string_view::npos && text[first] != '[')
            context.findings.warning(path, line, "comma-splits-entry",
                                     "the comma makes the rest of the line an entry of its own");
        if (end == bytes.size())
            break;
        start = end + (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n' ? 2 : 1);
        ++line;
    }
}

std::string shown(std::string_view cp1252)
{
    return tervok::cp1252ToUtf8(cp1252);
}

NamedFile lookUp(const CheckContext& context, std::string_view gamePath)
{
    tervok::Result<std::string> real = context.folder.find(gamePath);
    if (real)
        return {std::move(*real), std::nullopt};
    std::string named;
    for (const std::string& part : tervok::gamePathComponents(gamePath))
        named = joinPath(named, shown(part));
    return {std::move(named), real.error()};
}

std::string realOrNamedPath(const CheckContext& context, std::string_view gamePath)
{
    return lookUp(context, gamePath).path;
}

std::vector<std::string> filesWithExtension(const CheckContext& context, std::string_view folderName,
                                            std::string_view extension)
{
    std::vector<std::string> paths;
    const tervok::Result<std::string> folder = context.folder.find(folderName);
    if (!folder || context.folder.kindOf(*folder) != EntryKind::Folder)
        return paths;
    const std::string wanted = lowered(extension);
    for (const Entry& entry : context.folder.entries(*folder)) {
        const bool matches = entry.name.size() > wanted.size() &&
                             lowered(entry.name.substr(entry.name.size() - wanted.size())) == wanted;
        if (matches && entry.kind != EntryKind::Folder)
            paths.push_back(joinPath(*folder, entry.name));
    }
    return paths;
}

void checkFolderListings(CheckContext& context)
{
    for (const auto& [folder, why] : context.folder.unlistableFolders())
        context.findings.error(folder.empty() ? "." : folder, std::nullopt, "folder-unlistable",
                               "cannot list the folder: " + why.describe());
}

std::optional<std::string> readTextFile(CheckContext& context, const std::string& path)
{
    context.filesChecked.insert(path);
    tervok::Result<std::string> bytes = context.folder.read(path);
    if (!bytes) {
        context.findings.error(path, std::nullopt, "unreadable", "cannot read: " + bytes.error().describe());
        return std::nullopt;
    }
    checkLineEnds(context, path, *bytes);
    checkBytes(context, path, *bytes);
    return std::move(*bytes);
}

}  // namespace check
