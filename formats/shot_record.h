#pragma once
// One projectile definition: eight texts, each exactly as the user typed it.
// Nothing is converted to a number or checked; the game reads them.
#include <string>

namespace formats {

struct ShotRecord {
    std::string schaden;        // damage
    std::string speed;          // speed times 100
    std::string ttl;            // time to live, in frames
    std::string reloadTime;     // reload time, in frames
    std::string shotSprite;     // sprite file name, such as laser.spr
    std::string exploSprite;    // particle number of the explosion
    std::string name;           // the shot's name
    std::string schadenradius;  // radius of the damage

    bool operator==(const ShotRecord&) const = default;
};

}  // namespace formats
