// The map script file on any bytes: a script of rows that fit a line each
// reads back as the same rows after it was saved.
#include "formats/script_file.h"
#include "fuzz/fuzz_check.h"

using tervok::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const tervok::Result<formats::ScriptRows> rows = formats::parseScriptFile(tervok::fuzz::bytesOf(data, size));
    if (!rows)
        return 0;
    check(rows->size() <= formats::kMaxScriptRows, "no more rows than a script holds");
    if (!tervok::fuzz::allPlainFields(*rows))
        return 0;
    const std::string saved = formats::scriptFileBytes("set <type> <nmr> <anz> <x> <y> <r>", *rows);
    check(formats::parseScriptFile(saved) == *rows, "a saved script reads back as the same rows");
    return 0;
}
