#pragma once
// The particle catalogue as sparkloom keeps it: a header line followed by
// rows, each row one line of the file kept exactly as it stands (entry lines,
// switched-off entries in brackets, empty lines).
#include "common/errors/result.h"
#include "common/game/game_files.h"

#include <string>
#include <string_view>
#include <vector>

namespace formats {

inline constexpr std::string_view kParticleCataloguePath = tervok::kParticleCataloguePath;
inline constexpr std::string_view kParticleHeader = "[nummer repeat sprite]";

using ParticleRows = std::vector<std::string>;

// The first field is the header and is dropped whatever it holds; every
// further field is one row, in file order. Empty bytes give no rows.
ParticleRows parseParticleRows(std::string bytes);

// The header line, then one line per row, each ending with CR LF.
std::string particleCatalogueBytes(const ParticleRows& rows);

// Reads the catalogue at gamePath whole.
tervok::Result<ParticleRows> loadParticleCatalogue(std::string_view gamePath);

// Replaces the catalogue at gamePath safely; on failure the old file is left
// as it was.
tervok::Status saveParticleCatalogue(std::string_view gamePath, const ParticleRows& rows);

}  // namespace formats
