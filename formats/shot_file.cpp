#include "formats/shot_file.h"

#include "common/files/game_file.h"
#include "common/text/field_reader.h"
#include "common/text/line_writer.h"

#include <array>
#include <utility>

namespace formats {
namespace {

struct ShotLine {
    const char* header;
    std::string ShotRecord::*value;
};

// File order of the values and the header written before each.
constexpr std::array<ShotLine, 8> kShotLines{{
    {"[Schaden]", &ShotRecord::schaden},
    {"[Speed]", &ShotRecord::speed},
    {"[ttl in frames]", &ShotRecord::ttl},
    {"[reload time in frames]", &ShotRecord::reloadTime},
    {"[Shot-Sprite]", &ShotRecord::shotSprite},
    {"[Explo-Sprite]", &ShotRecord::exploSprite},
    {"[Name]", &ShotRecord::name},
    {"[Schadenradius]", &ShotRecord::schadenradius},
}};

}  // namespace

std::string shotFilePath(std::string_view directory, std::string_view fileName,
                         std::string_view extension)
{
    std::string path(directory);
    path.append(fileName);
    path.append(extension);
    return path;
}

std::string shotFileBytes(const ShotRecord& shot)
{
    tervok::LineWriter writer;
    for (const ShotLine& line : kShotLines) {
        writer.line(line.header);
        writer.line(shot.*line.value);
    }
    return writer.bytes();
}

tervok::Result<ShotRecord> parseShotFile(std::string bytes, ShotFileLines* lines)
{
    tervok::FieldReader reader(std::move(bytes));
    ShotRecord shot;
    ShotFileLines where{};
    int read = 0;
    for (const ShotLine& line : kShotLines) {
        std::optional<std::string> header = reader.next();  // whatever it says
        where[static_cast<std::size_t>(read / 2)] = reader.line();
        std::optional<std::string> value = header ? reader.next() : std::nullopt;
        if (!value)
            return tervok::formatError("the file ends after " + std::to_string(read + (header ? 1 : 0)) + " of " +
                                       std::to_string(kShotFileFields) + " fields");
        read += 2;
        shot.*line.value = std::move(*value);
    }
    if (lines)
        *lines = where;
    return shot;
}

tervok::Result<ShotRecord> loadShotFile(std::string_view gamePath)
{
    return tervok::loadGameFile(gamePath, [](std::string bytes) { return parseShotFile(std::move(bytes)); });
}

tervok::Status saveShotFile(std::string_view gamePath, const ShotRecord& shot)
{
    return tervok::saveGameFile(gamePath, shotFileBytes(shot));
}

}  // namespace formats
