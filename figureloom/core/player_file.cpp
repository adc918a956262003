#include "player_file.h"

#include "files/file_io.h"
#include "files/game_path.h"
#include "slot_line.h"
#include "text/field_reader.h"
#include "text/line_writer.h"

#include <array>

namespace figureloom {
namespace {

constexpr const char* kSlotsHeader = "[shottyp (shots\\weapons.lst <nn>; da ? <n>; munnition <nnn> ]";

// The seven value fields with their header lines, in file order.
struct ValueField {
    const char* header;
    std::string PlayerRecord::*member;
};

constexpr std::array<ValueField, 7> kValueFields{{
    {"[sprite (player\\player.lst)]", &PlayerRecord::sprite},
    {"[team]", &PlayerRecord::team},
    {"[health]", &PlayerRecord::health},
    {"[move speed *100]", &PlayerRecord::moveSpeed},
    {"[step speed *100]", &PlayerRecord::stepSpeed},
    {"[blood (sprites\\particle.lst)]", &PlayerRecord::blood},
    // This header has no closing bracket; the game reads it exactly so.
    {"[explo blood (sprites\\particle.lst)", &PlayerRecord::exploBlood},
}};

// Hands out the fields of a file one after another and remembers whether
// one was missing.
class FieldSource {
public:
    explicit FieldSource(std::string bytes) : reader_(std::move(bytes)) {}

    std::string next()
    {
        std::optional<std::string> field = reader_.next();
        if (!field) {
            complete_ = false;
            return std::string();
        }
        return std::move(*field);
    }
    void skip() { next(); }
    bool complete() const { return complete_; }

private:
    tervok::FieldReader reader_;
    bool complete_ = true;
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

std::optional<PlayerRecord> parsePlayerFile(std::string bytes)
{
    FieldSource fields(std::move(bytes));
    PlayerRecord record;
    for (const ValueField& field : kValueFields) {
        fields.skip();
        record.*field.member = fields.next();
    }
    fields.skip();
    for (WeaponSlot& slot : record.slots) {
        fields.skip();
        slot = readSlotLine(fields.next());
    }
    if (!fields.complete())
        return std::nullopt;
    return record;
}

std::optional<PlayerRecord> loadPlayerFile(std::string_view gamePath)
{
    std::optional<std::string> bytes = tervok::readWholeFile(tervok::nativePath(gamePath));
    if (!bytes)
        return std::nullopt;
    return parsePlayerFile(std::move(*bytes));
}

bool savePlayerFile(std::string_view gamePath, PlayerRecord& record)
{
    PlayerRecord filled = withFilledAmmunition(record);
    if (!tervok::replaceFile(tervok::nativePath(gamePath), playerFileBytes(filled)))
        return false;
    record = std::move(filled);
    return true;
}

}  // namespace figureloom
