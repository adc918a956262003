// "get" on any script line: when it takes a player line apart, a line
// composed again from those pieces takes apart into the same pieces, as long
// as the pieces keep the blanks between the words (no blank inside the
// number and count, no minus sign in front of x and y).
#include "common/text/number_reader.h"
#include "formats/script_line.h"
#include "fuzz/fuzz_check.h"

#include <cmath>

using tervok::fuzz::check;

namespace {

bool composesBack(const formats::PlayerLineFields& fields)
{
    const bool hasBlank = fields.number.find(' ') != std::string::npos || fields.count.find(' ') != std::string::npos;
    return !hasBlank && !std::signbit(fields.x) && fields.y >= 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::optional<formats::TakenScriptLine> taken =
        formats::takeScriptLineApart(tervok::fuzz::bytesOf(data, size));
    if (!taken || !taken->player || !composesBack(*taken->player))
        return 0;

    const formats::PlayerLineFields& fields = *taken->player;
    formats::ScriptLinePieces pieces;
    pieces.isUser = taken->isUser;
    pieces.type = fields.type;
    pieces.number = fields.number;
    pieces.count = fields.count;
    pieces.x = fields.x;
    pieces.y = fields.y;
    pieces.direction = fields.direction;
    const std::optional<formats::TakenScriptLine> again =
        formats::takeScriptLineApart(formats::composeScriptLine(pieces));
    check(again && again->player, "a composed player line takes apart again");
    const formats::PlayerLineFields& back = *again->player;
    check(again->isUser == taken->isUser, "the command word comes back");
    check(back.type == fields.type && back.number == fields.number && back.count == fields.count,
          "the words come back");
    check(back.x == tervok::readNumber(tervok::signedText(fields.x)), "x comes back as its written text");
    check(back.y == fields.y && back.direction == fields.direction, "y and the direction come back");
    return 0;
}
