#include "formats/slot_line.h"

#include "common/text/number_reader.h"

namespace formats {
namespace {

constexpr std::size_t kAmmunitionWidth = 4;

std::string columns(std::string_view line, std::size_t first, std::size_t count)
{
    const std::size_t start = first - 1;
    if (start >= line.size())
        return std::string();
    return std::string(line.substr(start, count));
}

}  // namespace

std::string fillAmmunition(std::string text)
{
    if (text.size() < kAmmunitionWidth)
        text.insert(0, kAmmunitionWidth - text.size(), '0');
    return text;
}

std::string slotLine(const WeaponSlot& slot)
{
    std::string line = slot.shottyp.size() < 2 ? "0" + slot.shottyp : slot.shottyp;
    line += tervok::signedText(slot.present);
    line += ' ';
    line += slot.munnition;
    line += ' ';
    line += slot.maxMunni;
    return line;
}

WeaponSlot readSlotLine(std::string_view line)
{
    WeaponSlot slot;
    slot.shottyp = columns(line, 1, 2);
    slot.present = static_cast<int>(tervok::roundHalfEven(tervok::readNumber(columns(line, 4, 1))));
    slot.munnition = columns(line, 6, 4);
    slot.maxMunni = columns(line, 11, 4);
    return slot;
}

std::string slotLabel(int slot)
{
    return std::string("weapon[") + static_cast<char>('1' + slot) + "]";
}

}  // namespace formats
