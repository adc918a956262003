#pragma once
// The cells of a tile layer in the forms Tiled stores them: CSV, base64 of
// little-endian 32-bit gids (plain, or packed with zlib, gzip or zstd), one
// number per cell (the old per-tile XML form, JSON arrays). A game map's
// layer holds exactly 10,000 cells, so unpacking stops at the 40,000 bytes
// they take: a small file cannot make the reader unpack megabytes.
#include "common/errors/result.h"
#include "tools/tmx/tiled_map.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tmx {

using Gids = std::vector<std::uint32_t>;

constexpr std::size_t kLayerBytes = kLayerCells * 4;

// A gid written as decimal digits, up to 4294967295; surrounding blanks and
// line ends are allowed.
std::optional<std::uint32_t> readGid(std::string_view text);

tervok::Result<Gids> decodeCsv(std::string_view text);

// compression: "" (none), "zlib", "gzip" or "zstd". Blanks and line ends
// around and inside the base64 text are skipped, as Tiled indents it.
tervok::Result<Gids> decodeBase64(std::string_view text, std::string_view compression);

// The format error for a layer that does not hold 10,000 cells.
tervok::Error wrongCellCount(std::size_t count);

// Tiled's CSV form: a line end, then one line per row of cells with a
// comma after every cell but the last, then a line end.
std::string encodeCsv(const Gids& gids);
// The same, written at the end of text.
void appendCsv(std::string& text, const Gids& gids);

}  // namespace tmx
