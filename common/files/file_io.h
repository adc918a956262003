#pragma once
// Whole-file reading and safe replacement. Every load reads the file whole
// before anything is parsed; every save goes to a temporary file in the same
// folder, is flushed and then renamed over the target, so a failed or
// interrupted save never leaves a half-written file. Every failure carries
// its reason.
#include "common/errors/result.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace tervok {

// Files larger than this are refused by every reader: no data file of the
// game comes near it, and it keeps a bad file from exhausting memory.
constexpr std::size_t kMaxReadBytes = 64u * 1024u * 1024u;

// A save's temporary file is this prefix and six random characters, short
// so that it fits beside a target whose own name nears the system's limit.
constexpr std::string_view kTempFilePrefix = ".tervok-";

// Why a path could not be opened or looked at, from the errno the system
// gave: the one place where a symbolic link that leads nowhere is told from
// a missing file, for every reader and writer. A path that fails with
// ENOENT where its first existing part is a link whose target is missing
// is a broken link ("broken symbolic link"), a circle of links (ELOOP)
// too ("symbolic links in a circle"); the rest as systemError says.
Error pathError(const std::filesystem::path& path, int errnum, std::string step = std::string());

// The bytes of a regular file. A pipe, socket, device or folder is refused
// at once, never waited on.
Result<std::string> readWholeFile(const std::filesystem::path& path);

// Replaces the file at target with bytes.
// - A symbolic link is followed to the file it names, which is replaced in
//   its own folder; the link stays a link. A link that leads nowhere or in a
//   circle fails.
// - Fails without touching anything when the folder is missing, the target
//   is not a regular file, has no write permission at all (even for root),
//   or may not be written by the user who runs the program.
// - An existing file keeps its permissions, and its owner and group where
//   the system lets us. No temporary file is left behind.
// - Where no temporary file can be made beside a file the user may write,
//   the file is written in place instead, and its old bytes are put back
//   when that write fails.
Status replaceFile(const std::filesystem::path& target, std::string_view bytes);

// Creates an empty file when none exists; an existing regular file is left
// as it is, even when it may not be written. A symbolic link is followed as
// replaceFile follows it, and one that leads nowhere or in a circle fails.
Status touchFile(const std::filesystem::path& target);

}  // namespace tervok
