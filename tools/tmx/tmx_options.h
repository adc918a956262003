#pragma once
// The command line of tervok-tmx:
//   tervok-tmx export [-C GAME-FOLDER] [-o FILE.tmx|FILE.tmj] MAP
//   tervok-tmx import [-C GAME-FOLDER] [-o MAP] FILE.tmx|FILE.tmj
// Read before anything else happens and without any window system.
#include <optional>
#include <string>
#include <vector>

namespace tmx {

constexpr const char* kProgram = "tervok-tmx";

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

enum class DocumentForm { Tmx, Json };

// By the name's extension, in any letter case: .tmx, or .tmj and .json.
std::optional<DocumentForm> documentFormOf(const std::string& name);

struct TmxOptions {
    enum class Action { Export, Import, Help, Version, UsageError };
    Action action = Action::UsageError;
    std::string input;                  // MAP to export, or the Tiled file to import
    std::optional<std::string> folder;  // -C, --directory
    std::optional<std::string> output;  // -o, --output
    std::string problem;                // what is wrong, for a usage error
};

// The command comes first among the operands; options may stand anywhere
// before "--". --help and --version act as soon as they are met. A value is
// given as "-o FILE", "-oFILE", "--output FILE" or "--output=FILE".
TmxOptions parseTmxOptions(const std::vector<std::string>& arguments);

std::string usageText();
std::string helpText();
std::string versionText();

}  // namespace tmx
