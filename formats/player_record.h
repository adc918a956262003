#pragma once
// One character definition of the game as figureloom holds it. Every
// value is kept as the text the user typed; only the "present" flag of a
// weapon slot is a number.
#include <array>
#include <string>

namespace formats {

struct WeaponSlot {
    std::string shottyp = "0";    // entry number in "shots\weapons.lst"
    int present = 0;              // 0 not ticked, 1 ticked, 2 greyed
    std::string munnition = "0";  // ammunition, -1 for unlimited
    std::string maxMunni = "0";   // maximum ammunition, -1 for unlimited

    bool operator==(const WeaponSlot&) const = default;
};

constexpr int kWeaponSlotCount = 10;

// A default-constructed record is the new player.
struct PlayerRecord {
    std::string sprite = "1";
    std::string team = "1";
    std::string health = "100";
    std::string moveSpeed = "150";  // movement speed times 100
    std::string stepSpeed = "100";  // strafe speed times 100
    std::string blood;              // entry number in "sprites\particle.lst"
    std::string exploBlood;         // entry number in "sprites\particle.lst"
    std::array<WeaponSlot, kWeaponSlotCount> slots{};

    bool operator==(const PlayerRecord&) const = default;
};

// The check box state that shows a slot's flag: a 2 shows the box greyed,
// any other value above 0 shows it ticked.
constexpr int checkStateOf(int present)
{
    if (present == 2)
        return 2;
    return present > 0 ? 1 : 0;
}

}  // namespace formats
