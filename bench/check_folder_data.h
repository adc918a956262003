#pragma once
// The folder the content check is measured on: the worst-case data folder
// with 1,000 maps, each with a script of its own, 100 player files and 100
// shot files, and the sprite files the particle catalogue names.
#include <filesystem>

namespace bench {

constexpr int kCheckMaps = 1000;
constexpr int kCheckPlayers = 100;
constexpr int kCheckShots = 100;
constexpr int kCheckScriptRows = 50;

bool writeCheckFolder(const std::filesystem::path& root);

}  // namespace bench
