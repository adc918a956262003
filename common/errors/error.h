#pragma once
// Why a read, a write or a parse failed. The windows show the fixed messages
// of each program; the reason goes to standard error and into the reports of
// the command-line tools, so that a bug report can say what happened.
#include <cstddef>
#include <optional>
#include <string>

namespace tervok {

enum class ErrorKind {
    NotFound,          // no file of that name
    FolderMissing,     // the folder that should hold the file is missing
    NotRegularFile,    // a folder, pipe, socket or device where a file should be
    PermissionDenied,  // the system refused the user
    ReadOnly,          // the file has no write permission at all
    TooLarge,          // larger than any data file may be
    BrokenLink,        // a symbolic link that leads nowhere or in a circle
    Io,                // a read, write, flush or rename failed
    Format,            // the bytes do not form a file of this kind
};

// A short stable name per kind ("not-found", "format"...), for machine
// readable output.
const char* kindName(ErrorKind kind);

struct Error {
    ErrorKind kind = ErrorKind::Io;
    int errnum = 0;                     // errno, where the system gave one
    std::string detail;                 // the failed step, or what is wrong with the bytes
    std::optional<std::size_t> line;    // 1-based line of a format error
    std::optional<std::size_t> offset;  // byte offset of a format error
    std::string path;                   // the file, as its loader was asked for it (not in describe())

    // One line for people: "permission denied", "write failed: no space
    // left on device", "line 3: no header line".
    std::string describe() const;
};

// An error of a kind the program found itself (errnum 0) or that the system
// reported through errnum.
Error errorOf(ErrorKind kind, int errnum = 0);
// An error from the system's errno, classified by what it means for a user.
Error systemError(int errnum, std::string step = std::string());
Error formatError(std::string detail);
Error formatErrorAtLine(std::size_t line, std::string detail);
Error formatErrorAtOffset(std::size_t offset, std::string detail);

}  // namespace tervok
