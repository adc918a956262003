#include "formats/player_file.h"

#include "common/files/game_file.h"
#include "common/text/field_reader.h"
#include "common/text/line_writer.h"
#include "formats/slot_line.h"

#include <array>

namespace formats {
namespace {

constexpr const char* kSlotsHeader = "[shottyp (shots\\weapons.lst <nn>; da ? <n>; munnition <nnn> ]";

// The seven value fields with their header lines, in file order.
struct ValueField {
    const char* header;
    std::string PlayerRecord::*member;
    std::size_t PlayerFileLines::*line;
};

constexpr std::array<ValueField, 7> kValueFields{{
    {"[sprite (player\\player.lst)]", &PlayerRecord::sprite, &PlayerFileLines::sprite},
    {"[team]", &PlayerRecord::team, &PlayerFileLines::team},
    {"[health]", &PlayerRecord::health, &PlayerFileLines::health},
    {"[move speed *100]", &PlayerRecord::moveSpeed, &PlayerFileLines::moveSpeed},
    {"[step speed *100]", &PlayerRecord::stepSpeed, &PlayerFileLines::stepSpeed},
    {"[blood (sprites\\particle.lst)]", &PlayerRecord::blood, &PlayerFileLines::blood},
    // Kept on purpose: this header has no closing bracket; the game's files
    // have it so.
    {"[explo blood (sprites\\particle.lst)", &PlayerRecord::exploBlood, &PlayerFileLines::exploBlood},
}};

// Hands out the fields of a file one after another and remembers whether
// one was missing.
class FieldSource {
public:
    explicit FieldSource(std::string bytes) : reader_(std::move(bytes)) {}

    std::string next()
    {
        std::optional<std::string> field = reader_.next();
        if (!field)
            return std::string();
        ++read_;
        return std::move(*field);
    }
    void skip() { next(); }
    int read() const { return read_; }
    std::size_t line() const { return reader_.line(); }

private:
    tervok::FieldReader reader_;
    int read_ = 0;
};

}  // namespace

std::string playerFilePath(std::string_view directory, std::string_view name,
                           std::string_view extension)
{
    std::string path(directory);
    path += name;
    path += extension;
    return path;
}

PlayerRecord withFilledAmmunition(PlayerRecord record)
{
    for (WeaponSlot& slot : record.slots) {
        slot.munnition = fillAmmunition(std::move(slot.munnition));
        slot.maxMunni = fillAmmunition(std::move(slot.maxMunni));
    }
    return record;
}

std::string playerFileBytes(const PlayerRecord& record)
{
    tervok::LineWriter out;
    for (const ValueField& field : kValueFields) {
        out.line(field.header);
        out.line(record.*field.member);
    }
    out.line(kSlotsHeader);
    for (int i = 0; i < kWeaponSlotCount; ++i) {
        out.line(slotLabel(i));
        out.line(slotLine(record.slots[static_cast<std::size_t>(i)]));
    }
    return out.bytes();
}

tervok::Result<PlayerRecord> parsePlayerFile(std::string bytes, PlayerFileLines* lines)
{
    FieldSource fields(std::move(bytes));
    PlayerFileLines where;
    PlayerRecord record;
    for (const ValueField& field : kValueFields) {
        fields.skip();
        where.*field.line = fields.line();
        record.*field.member = fields.next();
    }
    fields.skip();
    for (std::size_t i = 0; i < record.slots.size(); ++i) {
        fields.skip();
        where.slots[i] = fields.line();
        record.slots[i] = readSlotLine(fields.next());
    }
    if (lines)
        *lines = where;
    if (fields.read() < kPlayerFileFields)
        return tervok::formatError("the file ends after " + std::to_string(fields.read()) + " of " +
                                   std::to_string(kPlayerFileFields) + " fields");
    return record;
}

tervok::Result<PlayerRecord> loadPlayerFile(std::string_view gamePath)
{
    return tervok::loadGameFile(gamePath, [](std::string bytes) { return parsePlayerFile(std::move(bytes)); });
}

tervok::Status savePlayerFile(std::string_view gamePath, const PlayerRecord& record)
{
    return tervok::saveGameFile(gamePath, playerFileBytes(withFilledAmmunition(record)));
}

}  // namespace formats
