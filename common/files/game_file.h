#pragma once
// The one shape of every load and save of a game file. A load reads the file
// whole and hands its bytes to the parser of its format; a save replaces the
// file safely. A failure of either carries the path the file was asked for by.
#include "common/errors/result.h"
#include "common/files/file_io.h"
#include "common/files/game_path.h"

#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

namespace tervok {
namespace detail {

template <class T>
struct ParsedValue {
    using type = T;
};
template <class T>
struct ParsedValue<Result<T>> {
    using type = T;
};

}  // namespace detail

// The value a parser makes of a file's bytes: what it returns, or what its
// Result holds for a parser that can fail.
template <class Parse>
using ParsedValue = typename detail::ParsedValue<std::remove_cvref_t<std::invoke_result_t<Parse, std::string>>>::type;

// error, naming the file it concerns.
inline Error atPath(Error error, std::string_view path)
{
    error.path = std::string(path);
    return error;
}

// Hands the bytes read from a file to parse; a failed read, or a failed
// parse, comes back with path attached.
template <class Parse>
Result<ParsedValue<Parse>> parseFileBytes(Result<std::string> bytes, std::string_view path, Parse&& parse)
{
    if (!bytes)
        return atPath(bytes.error(), path);
    Result<ParsedValue<Parse>> parsed = std::forward<Parse>(parse)(std::move(*bytes));
    if (!parsed)
        return atPath(parsed.error(), path);
    return parsed;
}

// Reads the game file at gamePath ("map\map1.map") whole and parses it;
// std::identity() as parse gives the bytes.
template <class Parse>
Result<ParsedValue<Parse>> loadGameFile(std::string_view gamePath, Parse&& parse)
{
    return parseFileBytes(readWholeFile(nativePath(gamePath)), gamePath, std::forward<Parse>(parse));
}

// Replaces the game file at gamePath with bytes, as replaceFile does.
inline Status saveGameFile(std::string_view gamePath, std::string_view bytes)
{
    Status saved = replaceFile(nativePath(gamePath), bytes);
    if (!saved)
        return atPath(saved.error(), gamePath);
    return saved;
}

}  // namespace tervok
