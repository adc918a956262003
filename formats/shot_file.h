#pragma once
// The shot file: 16 lines, a header line before each of the eight values.
// The reader skips the headers by position and never looks at their text.
#include "common/errors/result.h"
#include "formats/shot_record.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace formats {

// The game path of a shot file: directory, file name and extension joined
// with nothing added ("shots\" + "laser" + ".sht").
std::string shotFilePath(std::string_view directory, std::string_view fileName,
                         std::string_view extension);

// The bytes of a shot file, every line ending in CR LF.
std::string shotFileBytes(const ShotRecord& shot);

// A shot file holds this many fields; anything after them is ignored.
constexpr int kShotFileFields = 16;

// The 1-based line each value of a shot file was read from, in file order:
// schaden, speed, ttl, reload time, shot sprite, explosion, name, radius.
using ShotFileLines = std::array<std::size_t, kShotFileFields / 2>;

// The record held by the bytes of a shot file; a format error when fewer
// than 16 fields can be read. lines, when given, receives where each value
// stood.
tervok::Result<ShotRecord> parseShotFile(std::string bytes, ShotFileLines* lines = nullptr);

// Reads the shot file at gamePath whole and parses it.
tervok::Result<ShotRecord> loadShotFile(std::string_view gamePath);

// Replaces the shot file at gamePath safely; on failure (missing folder,
// read-only file...) the old file is untouched.
tervok::Status saveShotFile(std::string_view gamePath, const ShotRecord& shot);

}  // namespace formats
