#pragma once
// The fixed-column line that holds one weapon slot in a player file:
// columns 1-2 weapon number, 3-4 flag, 6-9 ammunition, 11-14 maximum.
#include "formats/player_record.h"

#include <string>
#include <string_view>

namespace formats {

// Pads an ammunition text on the left with "0" to four characters; the sign
// counts as a character, so -1 becomes 00-1. Longer texts stay as they are.
std::string fillAmmunition(std::string text);

// The slot line of a slot whose ammunition texts are already filled. A weapon
// number shorter than two characters gets one "0" in front.
std::string slotLine(const WeaponSlot& slot);

// Takes a slot back from its line by column; columns past the end of the
// line give shorter or empty texts, and a flag that is not a digit gives 0.
WeaponSlot readSlotLine(std::string_view line);

// "weapon[1]" for slot 0 up to "weapon[:]" for slot 9. Kept on purpose: the
// tenth label is the character after "9", as the game's files have it.
std::string slotLabel(int slot);

}  // namespace formats
