#include "shot_file.h"

#include "files/file_io.h"
#include "files/game_path.h"
#include "text/field_reader.h"
#include "text/line_writer.h"

#include <array>
#include <utility>

namespace boltloom {
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

std::optional<ShotRecord> parseShotFile(std::string bytes)
{
    tervok::FieldReader reader(std::move(bytes));
    ShotRecord shot;
    for (const ShotLine& line : kShotLines) {
        if (!reader.next())  // the header, whatever it says
            return std::nullopt;
        std::optional<std::string> value = reader.next();
        if (!value)
            return std::nullopt;
        shot.*line.value = std::move(*value);
    }
    return shot;
}

std::optional<ShotRecord> loadShotFile(std::string_view gamePath)
{
    std::optional<std::string> bytes = tervok::readWholeFile(tervok::nativePath(gamePath));
    if (!bytes)
        return std::nullopt;
    return parseShotFile(std::move(*bytes));
}

bool saveShotFile(std::string_view gamePath, const ShotRecord& shot)
{
    return tervok::replaceFile(tervok::nativePath(gamePath), shotFileBytes(shot));
}

}  // namespace boltloom
