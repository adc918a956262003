// The player file on any bytes: a record whose texts fit their places in the
// file (value texts on a line of their own, slot texts in their columns)
// reads back as the same record after it was saved.
#include "formats/player_file.h"
#include "formats/slot_line.h"
#include "fuzz/fuzz_check.h"

#include <array>

using tervok::fuzz::check;
using tervok::fuzz::isPlainField;

namespace {

bool fitsSlotColumns(const formats::WeaponSlot& slot)
{
    return slot.shottyp.size() == 2 && isPlainField(formats::slotLine(slot)) && slot.present >= 0 &&
           slot.present <= 9 && slot.munnition.size() == 4 && slot.maxMunni.size() == 4;
}

bool fitsFile(const formats::PlayerRecord& record)
{
    const std::array<std::string, 7> values{record.sprite,    record.team,  record.health,    record.moveSpeed,
                                            record.stepSpeed, record.blood, record.exploBlood};
    if (!tervok::fuzz::allPlainFields(values))
        return false;
    for (const formats::WeaponSlot& slot : record.slots) {
        if (!fitsSlotColumns(slot))
            return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const tervok::Result<formats::PlayerRecord> record = formats::parsePlayerFile(tervok::fuzz::bytesOf(data, size));
    if (!record)
        return 0;
    const formats::PlayerRecord filled = formats::withFilledAmmunition(*record);
    const std::string saved = formats::playerFileBytes(filled);
    const tervok::Result<formats::PlayerRecord> reread = formats::parsePlayerFile(saved);
    check(reread.has_value(), "a saved player file reads back");
    if (fitsFile(filled))
        check(reread == filled, "a saved player reads back as the same record");
    return 0;
}
