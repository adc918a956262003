#pragma once
// The sample level: a walled meadow with a river, a lake, a forest, a lava
// pit and a small fort, as the 10,000 bytes of a map file.
#include <string>

namespace sample {

std::string sampleMapFile();

}  // namespace sample
