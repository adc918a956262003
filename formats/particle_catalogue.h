#pragma once
// The particle catalogue as this editor keeps it: a header line followed by
// rows, each row one line of the file kept exactly as it stands (entry lines,
// switched-off entries in brackets, empty lines).
#include "errors/result.h"
#include "game/game_files.h"

#include <string>
#include <string_view>
#include <vector>

namespace sparkloom {

inline constexpr std::string_view kParticleCataloguePath = tervok::kParticleCataloguePath;
inline constexpr std::string_view kParticleHeader = "[nummer repeat sprite]";

using Rows = std::vector<std::string>;

// The first field is the header and is dropped whatever it holds; every
// further field is one row, in file order. Empty bytes give no rows.
Rows parseParticleRows(std::string bytes);

// The header line, then one line per row, each ending with CR LF.
std::string particleCatalogueBytes(const Rows& rows);

// Reads the catalogue at gamePath whole.
tervok::Result<Rows> loadParticleCatalogue(std::string_view gamePath);

// Replaces the catalogue at gamePath safely; on failure the old file is left
// as it was.
tervok::Status saveParticleCatalogue(std::string_view gamePath, const Rows& rows);

}  // namespace sparkloom
