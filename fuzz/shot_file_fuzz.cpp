// The shot file on any bytes: a shot whose values each fit a line reads back
// as the same shot after it was saved.
#include "formats/shot_file.h"
#include "fuzz/fuzz_check.h"

#include <array>

using tervok::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const tervok::Result<formats::ShotRecord> shot = formats::parseShotFile(tervok::fuzz::bytesOf(data, size));
    if (!shot)
        return 0;
    const std::string saved = formats::shotFileBytes(*shot);
    const tervok::Result<formats::ShotRecord> reread = formats::parseShotFile(saved);
    check(reread.has_value(), "a saved shot file reads back");
    const std::array<std::string, 8> values{shot->schaden,     shot->speed,       shot->ttl,  shot->reloadTime,
                                            shot->shotSprite, shot->exploSprite, shot->name, shot->schadenradius};
    if (tervok::fuzz::allPlainFields(values))
        check(reread == *shot, "a saved shot reads back as the same shot");
    return 0;
}
