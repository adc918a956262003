#pragma once
// What each editor says about itself on the command line: its name, one line
// on what it edits and the keys its window knows beyond its buttons.
#include "common/startup/named_file.h"

#include <string>
#include <string_view>
#include <vector>

namespace tervok::startup {

// An option one editor knows beyond the common ones: a flag, given as
// --NAME, without a value.
struct EditorFlag {
    std::string_view name;  // "whole-map" for --whole-map
    std::string_view help;  // its line in --help
};

struct ProgramInfo {
    std::string name;     // the command, also the window's program name
    std::string summary;  // what it edits, one sentence over a line or two
    std::string keys;     // lines for --help, each "  what  meaning\n"
    std::vector<FileKind> loads;  // the files the window loads when one is named on the command line
    std::vector<EditorFlag> flags{};  // its own options
};

// terraloom --whole-map: the whole-map window opens at start too.
inline constexpr std::string_view kWholeMapFlag = "whole-map";

extern const ProgramInfo kTerraloom;
extern const ProgramInfo kFigureloom;
extern const ProgramInfo kBoltloom;
extern const ProgramInfo kSparkloom;

// The suite's version, set once in the top CMakeLists.txt.
const char* suiteVersion();

}  // namespace tervok::startup
