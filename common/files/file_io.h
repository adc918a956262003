#pragma once
// Whole-file reading and safe replacement. Every load reads the file whole
// before anything is parsed; every save goes to a temporary file in the same
// folder, is flushed and then renamed over the target, so a failed or
// interrupted save never leaves a half-written file.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tervok {

// Files larger than this are refused by every reader: no data file of the
// game comes near it, and it keeps a bad file from exhausting memory.
constexpr std::size_t kMaxReadBytes = 64u * 1024u * 1024u;

// The bytes of a regular file, or nothing when it cannot be read.
std::optional<std::string> readWholeFile(const std::filesystem::path& path);

// Replaces target with bytes. Fails without touching anything when the
// folder is missing, the target is not a regular file, or it is read-only.
// An existing file keeps its permissions. No temporary file is left behind.
bool replaceFile(const std::filesystem::path& target, std::string_view bytes);

// Creates an empty file when none exists; an existing file is left as it is.
bool touchFile(const std::filesystem::path& target);

}  // namespace tervok
