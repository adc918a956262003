#pragma once
// The player file: 35 text lines, header lines in square brackets each
// followed by its value line, then a label line and a fixed-column slot line
// for each of the ten weapon slots.
#include "common/errors/result.h"
#include "formats/player_record.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace formats {

// The file's path, from the directory text, the name and the extension,
// joined with nothing added ("player\" + "hero" + ".dat").
std::string playerFilePath(std::string_view directory, std::string_view name,
                           std::string_view extension);

// The record as the file keeps it: every ammunition text filled with "0" to
// four characters. The weapon number keeps its text; its padding goes only
// into the file.
PlayerRecord withFilledAmmunition(PlayerRecord record);

// The bytes of the file for a record whose ammunition is already filled.
std::string playerFileBytes(const PlayerRecord& record);

// A player file holds this many fields; anything after them is ignored.
constexpr int kPlayerFileFields = 35;

// The 1-based line each value of a player file was read from.
struct PlayerFileLines {
    std::size_t sprite = 0, team = 0, health = 0, moveSpeed = 0, stepSpeed = 0, blood = 0, exploBlood = 0;
    std::array<std::size_t, kWeaponSlotCount> slots{};
};

// Reads the 35 fields of a player file; a format error when it holds fewer.
// lines, when given, receives where each value stood.
tervok::Result<PlayerRecord> parsePlayerFile(std::string bytes, PlayerFileLines* lines = nullptr);

// Reads the file at a game path.
tervok::Result<PlayerRecord> loadPlayerFile(std::string_view gamePath);

// Writes the record, its ammunition filled, to the file at a game path,
// replacing it safely; on failure the old file is left as it was.
tervok::Status savePlayerFile(std::string_view gamePath, const PlayerRecord& record);

}  // namespace formats
