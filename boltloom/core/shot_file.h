#pragma once
// The shot file: 16 lines, a header line before each of the eight values.
// The reader skips the headers by position and never looks at their text.
#include "shot_record.h"

#include <optional>
#include <string>
#include <string_view>

namespace boltloom {

// The game path of a shot file: directory, file name and extension joined
// with nothing added ("shots\" + "laser" + ".sht").
std::string shotFilePath(std::string_view directory, std::string_view fileName,
                         std::string_view extension);

// The bytes of a shot file, every line ending in CR LF.
std::string shotFileBytes(const ShotRecord& shot);

// The record held by the bytes of a shot file, or nothing when fewer than 16
// fields can be read. Anything after the 16th field is ignored.
std::optional<ShotRecord> parseShotFile(std::string bytes);

// Reads the shot file at gamePath whole; nothing when it cannot be read or
// parsed.
std::optional<ShotRecord> loadShotFile(std::string_view gamePath);

// Replaces the shot file at gamePath safely; false when it cannot be written
// (missing folder, read-only file), in which case the old file is untouched.
bool saveShotFile(std::string_view gamePath, const ShotRecord& shot);

}  // namespace boltloom
