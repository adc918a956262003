#pragma once
// Checks a whole game folder the way the editors and the game read it, with
// the editors' own readers, and says what would go wrong.
#include "tools/check/content_folder.h"
#include "tools/check/finding.h"

#include <cstddef>

namespace check {

struct [[nodiscard]] CheckResult {
    Findings findings;          // sorted by file, then line
    std::size_t filesChecked = 0;
};

CheckResult checkContent(const ContentFolder& folder);

}  // namespace check
