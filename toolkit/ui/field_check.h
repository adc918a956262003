#pragma once
// Values the user puts into a document are written as fields of a text
// file. A value that the field reader would split or cut would come back
// shifted or shortened, and a second save would make the damage permanent,
// so such a value is refused before anything is written or added.
#include "toolkit/ui/toolkit.h"

#include <vector>
#include <string>

namespace tervok {

struct NamedField {
    const ui::TextField* field;
    std::string name;  // the caption the user sees beside the field
};

// True when every field can be stored; otherwise shows a message naming the
// first field that cannot (critical icon, OK) and returns false.
bool fieldsCanBeStored(ui::Toolkit& toolkit, const std::vector<NamedField>& fields);

}  // namespace tervok
