// The content check on a small game folder whose files hold any bytes: the
// input is cut at each "\xF0\x0F" into the contents of the folder's files,
// in a fixed order. The check must end, report only about files of the
// folder, count its findings right, and print them in both forms.
#include "content_check.h"
#include "findings_report.h"
#include "fuzz_check.h"

#include <array>
#include <set>
#include <sstream>


namespace {

constexpr std::array<const char*, 12> kPaths = {
    "map/mapteile.lst", "map/map1.map",        "map/map1.msc",     "player/player.lst",
    "player/p.dat",     "shots/weapons.lst",   "shots/s.sht",      "sprites/particle.lst",
    "ep/a.bmp",         "ep/grass.bmp",        "MAP/Other.MSC",    "sprites/a.spr",
};

check::MemoryFolder folderOf(const std::string& bytes)
{
    check::MemoryFolder folder;
    std::size_t start = 0;
    for (const char* path : kPaths) {
        if (start > bytes.size())
            break;
        const std::size_t end = std::min(bytes.find("\xF0\x0F", start), bytes.size());
        folder.addFile(path, bytes.substr(start, end - start));
        start = end + 2;
    }
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const check::MemoryFolder folder = folderOf(tervok::fuzz::bytesOf(data, size));
    const check::CheckResult result = check::checkContent(folder);
    const std::set<std::string> known(kPaths.begin(), kPaths.end());
    std::size_t errors = 0;
    for (const check::Finding& finding : result.findings.all()) {
        tervok::fuzz::check(known.count(finding.file) || finding.code == "missing" || finding.file.rfind("map/", 0) == 0,
              "findings name files of the folder");
        tervok::fuzz::check(!finding.message.empty() && !finding.code.empty(), "every finding says what and why");
        tervok::fuzz::check(!finding.cell || (finding.cell->x >= 1 && finding.cell->x <= 100 && finding.cell->y >= 1 &&
                                finding.cell->y <= 100),
              "cells lie on the map");
        errors += finding.severity == check::Severity::Error ? 1 : 0;
    }
    tervok::fuzz::check(errors == result.findings.errors(), "errors are counted right");
    tervok::fuzz::check(result.filesChecked <= kPaths.size(), "no file counted twice");
    std::ostringstream text, json;
    check::printText(text, result);
    check::printJson(json, result);
    tervok::fuzz::check(json.str().front() == '[', "the JSON is an array");
    return 0;
}
