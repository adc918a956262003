#pragma once
// The command line of tervok-render: [OPTION]... MAP, read by the one reader
// of every program (common/startup/command_line.h).
#include "common/startup/command_line.h"

#include <optional>
#include <string>
#include <string_view>

namespace render {

constexpr const char* kProgram = "tervok-render";

constexpr double kMinScale = 0.05;
constexpr double kMaxScale = 4;

struct RenderOptions {
    std::string map;                    // MAP as given
    std::optional<std::string> folder;  // -C, --directory
    std::optional<std::string> output;  // -o, --output; "-" is standard output
    double scale = 1;
    bool overview = false;
    bool script = false;
};

const tervok::startup::CommandSyntax& renderSyntax();

// What a command line read with renderSyntax asks for; a later option of
// the same kind overrides an earlier one.
RenderOptions renderOptionsOf(const tervok::startup::CommandLine& line);

// A number from 0.05 to 4 written with "." (whatever the locale), or
// nothing.
std::optional<double> readScale(std::string_view text);

}  // namespace render
