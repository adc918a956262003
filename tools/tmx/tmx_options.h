#pragma once
// The command line of tervok-tmx, read by the one reader of every program
// (common/startup/command_line.h):
//   tervok-tmx export [-C GAME-FOLDER] [-o FILE.tmx|FILE.tmj] MAP
//   tervok-tmx import [-C GAME-FOLDER] [-o MAP] FILE.tmx|FILE.tmj
#include "common/startup/command_line.h"

#include <optional>
#include <string>
#include <variant>

namespace tmx {

constexpr const char* kProgram = "tervok-tmx";

enum class DocumentForm { Tmx, Json };

// By the name's extension, in any letter case: .tmx, or .tmj and .json.
std::optional<DocumentForm> documentFormOf(const std::string& name);

struct TmxOptions {
    enum class Command { Export, Import };
    Command command = Command::Export;
    std::string input;                  // MAP to export, or the Tiled file to import
    std::optional<std::string> folder;  // -C, --directory
    std::optional<std::string> output;  // -o, --output
};

const tervok::startup::CommandSyntax& tmxSyntax();

// What a command line read with tmxSyntax asks for: the command is the first
// operand and the file it works on the second. Or the usage error it holds
// ("unknown command 'x': export or import").
std::variant<TmxOptions, std::string> tmxOptionsOf(const tervok::startup::CommandLine& line);

}  // namespace tmx
