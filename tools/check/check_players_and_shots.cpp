// Every player file "player\*.dat" and shot file "shots\*.sht": enough
// fields, numbers where numbers belong, and the catalogue entries and
// sprite files they refer to.
#include "tools/check/check_context.h"

#include "common/text/number_reader.h"
#include "formats/player_file.h"
#include "formats/shot_file.h"

namespace check {
namespace {

// An empty value reads as 0, as a new player's blood fields do.
bool isNumberOrEmpty(const std::string& text)
{
    return text.empty() || tervok::isWholeNumberText(text);
}

// Ammunition is filled with "0" in front to four characters: "00-1" is -1.
bool isAmmunition(const std::string& text)
{
    const std::size_t digits = text.find_first_not_of('0');
    return digits == std::string::npos || tervok::isWholeNumberText(text.substr(digits));
}

class ValueCheck {
public:
    ValueCheck(CheckContext& context, std::string path) : context_(context), path_(std::move(path)) {}

    // False (and reported) when the value is no number.
    bool number(std::size_t line, const std::string& what, const std::string& text, bool ammunition = false)
    {
        if (ammunition ? isAmmunition(text) : isNumberOrEmpty(text))
            return true;
        context_.findings.error(path_, line, "not-a-number", what + " \"" + shown(text) + "\" is not a number");
        return false;
    }

    // A number that must be listed in a catalogue; 0 means none. "the
    // weapon 5 of slot 3 is not listed in shots/weapons.lst"
    void listed(std::size_t line, const std::string& what, const std::string& text, const Listing& listing,
                const char* code, const std::string& where = std::string())
    {
        if (!number(line, what + where, text) || !listing.read)
            return;
        const std::int16_t entry = tervok::toInt16(tervok::readNumber(text));
        if (entry != 0 && !listing.lists(entry))
            context_.findings.error(path_, line, code,
                                    what + " " + std::to_string(entry) + where + " is not listed in " + listing.path);
    }

private:
    CheckContext& context_;
    std::string path_;
};

void checkPlayer(CheckContext& context, const std::string& path)
{
    const std::optional<std::string> bytes = readTextFile(context, path);
    if (!bytes)
        return;
    formats::PlayerFileLines at;
    const tervok::Result<formats::PlayerRecord> player = formats::parsePlayerFile(*bytes, &at);
    if (!player) {
        context.findings.error(path, std::nullopt, "player-short", player.error().describe());
        return;
    }
    ValueCheck value(context, path);
    value.listed(at.sprite, "the sprite particle", player->sprite, context.particles, "player-particle-unlisted");
    value.number(at.team, "the team", player->team);
    value.number(at.health, "the health", player->health);
    value.number(at.moveSpeed, "the move speed", player->moveSpeed);
    value.number(at.stepSpeed, "the step speed", player->stepSpeed);
    value.listed(at.blood, "the blood particle", player->blood, context.particles, "player-particle-unlisted");
    value.listed(at.exploBlood, "the explosion particle", player->exploBlood, context.particles,
                 "player-particle-unlisted");
    for (std::size_t i = 0; i < player->slots.size(); ++i) {
        const formats::WeaponSlot& slot = player->slots[i];
        const std::string which = " of slot " + std::to_string(i + 1);
        value.listed(at.slots[i], "the weapon", slot.shottyp, context.weapons, "player-weapon-unlisted", which);
        value.number(at.slots[i], "the ammunition" + which, slot.munnition, true);
        value.number(at.slots[i], "the most ammunition" + which, slot.maxMunni, true);
    }
}

void checkShotSprite(CheckContext& context, const std::string& path, std::size_t line, const std::string& sprite)
{
    if (sprite.empty())
        context.findings.error(path, line, "shot-sprite-missing", "the shot names no sprite file");
    else if (lookUp(context, "sprites\\" + sprite).missing())
        context.findings.error(path, line, "shot-sprite-missing",
                               "the shot sprite " + shown(sprite) + " is missing from " +
                                   realOrNamedPath(context, "sprites"));
}

void checkShot(CheckContext& context, const std::string& path)
{
    const std::optional<std::string> bytes = readTextFile(context, path);
    if (!bytes)
        return;
    formats::ShotFileLines at{};
    const tervok::Result<formats::ShotRecord> shot = formats::parseShotFile(*bytes, &at);
    if (!shot) {
        context.findings.error(path, std::nullopt, "shot-short", shot.error().describe());
        return;
    }
    ValueCheck value(context, path);
    value.number(at[0], "the damage", shot->schaden);
    value.number(at[1], "the speed", shot->speed);
    value.number(at[2], "the time to live", shot->ttl);
    value.number(at[3], "the reload time", shot->reloadTime);
    checkShotSprite(context, path, at[4], shot->shotSprite);
    value.listed(at[5], "the explosion particle", shot->exploSprite, context.particles, "shot-particle-unlisted");
    value.number(at[7], "the damage radius", shot->schadenradius);
}

}  // namespace

void checkPlayers(CheckContext& context)
{
    for (const std::string& path : filesWithExtension(context, "player", ".dat"))
        checkPlayer(context, path);
}

void checkShots(CheckContext& context)
{
    for (const std::string& path : filesWithExtension(context, "shots", ".sht"))
        checkShot(context, path);
}

}  // namespace check
