#pragma once
// What the parts of the content check share: the game folder, the findings,
// the files read so far, and what the catalogues list, which the content
// files refer to.
#include "tools/check/content_folder.h"
#include "tools/check/finding.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace check {

constexpr int kTileCount = 101;  // tile numbers 0 to 100

struct TileInfo {
    bool named = false;
    std::string name;          // Windows-1252, as the catalogue holds it
    bool showsBitmap = false;  // its cells show its bitmap (of any size)
};

// The entry numbers a catalogue lists (switched-off entries are not listed).
struct Listing {
    std::string path;   // where it was looked for, real path when found
    bool read = false;  // the catalogue could be read

    void list(std::int16_t number) { listed_.set(static_cast<std::uint16_t>(number)); }
    bool lists(std::int16_t number) const { return listed_.test(static_cast<std::uint16_t>(number)); }

private:
    std::bitset<65536> listed_;  // by the number's 16 bits
};

struct CheckContext {
    explicit CheckContext(const ContentFolder& folder) : folder(folder) {}

    const ContentFolder& folder;
    Findings findings;
    std::set<std::string> filesChecked;
    std::array<TileInfo, kTileCount> tiles{};
    Listing players, weapons, particles;
};

// A file the game names, looked up as the editors look it up.
struct NamedFile {
    std::string path;                     // the real path, or the path as the game names it, with "/"
    std::optional<tervok::Error> failure;  // why it was not found: not found, or why it could not be asked for

    // Looked for and not there. A file that could not be looked for (its
    // folder may not be searched) is not called missing: reading it says why.
    bool missing() const { return failure && failure->kind == tervok::ErrorKind::NotFound; }
};
NamedFile lookUp(const CheckContext& context, std::string_view gamePath);

// The real path of a game path, or the path as the game names it with "/"
// when it is not found (for findings about missing files).
std::string realOrNamedPath(const CheckContext& context, std::string_view gamePath);

// The files in a folder (found case-insensitively) whose names end in the
// extension (any case), as real paths; entries that are not regular files
// are included, so that reading them reports why.
std::vector<std::string> filesWithExtension(const CheckContext& context, std::string_view folderName,
                                            std::string_view extension);

// Reads a text file of the game, reports it when it cannot be read, and
// checks its line ends and bytes. Counts the file as checked.
std::optional<std::string> readTextFile(CheckContext& context, const std::string& path);

// Catalogue files: a line other than a bracket line that holds a comma
// gives two entries.
void checkCommaLines(CheckContext& context, const std::string& path, std::string_view bytes);

// The data's own text (Windows-1252) for a message (UTF-8).
std::string shown(std::string_view cp1252);

void checkTileCatalogue(CheckContext& context);
void checkCatalogues(CheckContext& context);
void checkMaps(CheckContext& context);
void checkScripts(CheckContext& context);
void checkPlayers(CheckContext& context);
void checkShots(CheckContext& context);
// The folders the check could not list: what is in them was asked for by
// name only.
void checkFolderListings(CheckContext& context);

}  // namespace check
