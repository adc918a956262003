// The content check on a small game folder whose files hold any bytes: the
// input is cut at each "\xF0\x0F" into the contents of the folder's files,
// in a fixed order; the bytes of a piece past the last file lock folders
// (each byte one folder: listing refused, and search too when odd). The
// check must end, report only about files and folders of the folder, count
// its findings right, and print them in both forms: one line a finding, and
// JSON in well-formed UTF-8.
#include "common/encoding/utf8.h"
#include "fuzz/fuzz_check.h"
#include "tools/check/content_check.h"
#include "tools/check/findings_report.h"

#include <algorithm>
#include <array>
#include <set>
#include <sstream>

namespace {

constexpr std::array<const char*, 12> kPaths = {
    "map/mapteile.lst", "map/map1.map",        "map/map1.msc",     "player/player.lst",
    "player/p.dat",     "shots/weapons.lst",   "shots/s.sht",      "sprites/particle.lst",
    "ep/a.bmp",         "ep/grass.bmp",        "MAP/Other.MSC",    "sprites/a.spr",
};

constexpr std::array<const char*, 7> kFolders = {"", "map", "MAP", "ep", "player", "shots", "sprites"};

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
    if (start < bytes.size())
        for (const char lock : bytes.substr(start, 4))
            folder.forbidListing(kFolders[static_cast<unsigned char>(lock) / 2 % kFolders.size()], (lock & 1) == 0);
    return folder;
}

bool isWellFormedUtf8(const std::string& text)
{
    for (std::size_t at = 0, length = 0; at < text.size(); at += length)
        if ((length = tervok::utf8SequenceLength(text, at)) == 0)
            return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const check::MemoryFolder folder = folderOf(tervok::fuzz::bytesOf(data, size));
    const check::CheckResult result = check::checkContent(folder);
    std::set<std::string> known(kPaths.begin(), kPaths.end());
    known.insert(kFolders.begin() + 1, kFolders.end());
    known.insert(".");
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
    tervok::fuzz::check(isWellFormedUtf8(json.str()), "the JSON is well-formed UTF-8");
    const std::string printed = text.str();
    tervok::fuzz::check(static_cast<std::size_t>(std::count(printed.begin(), printed.end(), '\n')) ==
                            result.findings.all().size() + 1,
                        "every finding is one line");
    return 0;
}
