// The catalogues the content files refer to by number: "player\player.lst",
// "shots\weapons.lst" and "sprites\particle.lst".
#include "tools/check/check_context.h"

#include "common/catalogue/catalogue.h"
#include "common/game/game_files.h"

#include <map>

namespace check {
namespace {

void checkTooMany(CheckContext& context, const std::string& path, const tervok::IgnoredEntries& ignored)
{
    if (ignored.count == 0)
        return;
    context.findings.error(path, ignored.firstLine, "catalogue-too-many",
                           "more than 100 entries: the editors list none from here on (" +
                               std::to_string(ignored.count) + (ignored.count == 1 ? " entry)" : " entries)"));
}

void checkSpriteFile(CheckContext& context, const std::string& path, const tervok::CatalogueEntry& entry)
{
    if (entry.name.empty()) {
        context.findings.error(path, entry.line, "particle-sprite-missing",
                               "particle " + std::to_string(entry.number) + " names no sprite file");
        return;
    }
    if (lookUp(context, "sprites\\" + entry.name).missing())
        context.findings.error(path, entry.line, "particle-sprite-missing",
                               "the sprite " + shown(entry.name) + " of particle " + std::to_string(entry.number) +
                                   " is missing from " + realOrNamedPath(context, "sprites"));
}

// Reads one catalogue into its listing. Switched-off entries are not
// listed and not reported.
void checkCatalogue(CheckContext& context, const char* gamePath, int nameColumn, Listing& listing)
{
    const NamedFile catalogue = lookUp(context, gamePath);
    listing.path = catalogue.path;
    if (catalogue.missing()) {
        context.findings.error(listing.path, std::nullopt, "missing",
                               "the catalogue is missing: the editors list no entries");
        return;
    }
    const std::optional<std::string> bytes = readTextFile(context, listing.path);
    if (!bytes)
        return;
    listing.read = true;
    checkCommaLines(context, listing.path, *bytes);
    tervok::IgnoredEntries ignored;
    const std::vector<tervok::CatalogueEntry> entries = tervok::parseCatalogue(*bytes, nameColumn, &ignored);
    checkTooMany(context, listing.path, ignored);
    std::map<int, std::size_t> firstLine;
    for (const tervok::CatalogueEntry& entry : entries) {
        const auto [first, isNew] = firstLine.emplace(entry.number, entry.line);
        if (!isNew)
            context.findings.warning(listing.path, entry.line, "catalogue-duplicate",
                                     "number " + std::to_string(entry.number) + " is listed again (first on line " +
                                         std::to_string(first->second) + ")");
        listing.list(entry.number);
        if (&listing == &context.particles)
            checkSpriteFile(context, listing.path, entry);
    }
}

}  // namespace

void checkCatalogues(CheckContext& context)
{
    checkCatalogue(context, tervok::kPlayerCataloguePath, tervok::kPlayerNameColumn, context.players);
    checkCatalogue(context, tervok::kWeaponCataloguePath, tervok::kWeaponNameColumn, context.weapons);
    checkCatalogue(context, tervok::kParticleCataloguePath, tervok::kParticleNameColumn, context.particles);
}

}  // namespace check
