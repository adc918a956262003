#pragma once
// The command line of tervok-render: [OPTION]... MAP. Read before anything
// else happens and without any window system, so that --help, --version and
// usage errors need no display.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace render {

constexpr const char* kProgram = "tervok-render";

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

constexpr double kMinScale = 0.05;
constexpr double kMaxScale = 4;

struct RenderOptions {
    enum class Action { Render, Help, Version, UsageError };
    Action action = Action::Render;
    std::string map;                    // MAP as given
    std::optional<std::string> folder;  // -C, --directory
    std::optional<std::string> output;  // -o, --output; "-" is standard output
    double scale = 1;
    bool overview = false;
    bool script = false;
    std::string problem;  // what is wrong, for a usage error
};

// Options count up to "--"; --help and --version act as soon as they are
// met. A value is given as "-o FILE", "-oFILE", "--output FILE" or
// "--output=FILE". A later option of the same kind overrides an earlier one.
RenderOptions parseRenderOptions(const std::vector<std::string>& arguments);

// A number from 0.05 to 4 written with "." (whatever the locale), or
// nothing.
std::optional<double> readScale(std::string_view text);

std::string usageText();
std::string helpText();
std::string versionText();

}  // namespace render
