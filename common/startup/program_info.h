#pragma once
// What each editor says about itself on the command line: its name, one line
// on what it edits, the keys its window knows beyond its buttons, and the
// options it takes besides those of every editor.
#include "common/startup/command_line.h"
#include "common/startup/named_file.h"

#include <string>
#include <vector>

namespace tervok::startup {

struct ProgramInfo {
    std::string name;     // the command, also the window's program name
    std::string summary;  // what it edits, one sentence over a line or two
    std::string keys;     // lines for --help, each "  what  meaning\n"
    std::vector<FileKind> loads;  // the files the window loads when one is named on the command line
    // Rows of the editor's own options, listed in --help after -C, with ids
    // from kFirstOwnOption on; the program finds them in Start::line.
    std::vector<OptionRow> options{};
};

constexpr int kFirstOwnOption = 100;

// terraloom --whole-map: the whole-map window opens at start too.
constexpr int kWholeMapOption = kFirstOwnOption;

extern const ProgramInfo kTerraloom;
extern const ProgramInfo kFigureloom;
extern const ProgramInfo kBoltloom;
extern const ProgramInfo kSparkloom;

// The suite's version, set once in the top CMakeLists.txt.
const char* suiteVersion();

}  // namespace tervok::startup
