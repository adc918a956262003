// The particle catalogue reload on any bytes: rows that each fit a line read
// back as the same rows after a save, and switching a row twice gives it
// back unless it starts with two brackets (one of them is lost on the way).
#include "formats/particle_catalogue.h"
#include "fuzz/fuzz_check.h"
#include "sparkloom/core/row_edits.h"

using tervok::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const formats::ParticleRows rows = formats::parseParticleRows(tervok::fuzz::bytesOf(data, size));
    check(rows.size() <= size, "no more rows than bytes");
    for (const std::string& row : rows) {
        if (row.rfind("[[", 0) != 0)
            check(sparkloom::switchedRow(sparkloom::switchedRow(row)) == row, "switching a row twice gives it back");
    }
    if (!tervok::fuzz::allPlainFields(rows))
        return 0;
    const std::string saved = formats::particleCatalogueBytes(rows);
    check(formats::parseParticleRows(saved) == rows, "saved rows read back as the same rows");
    return 0;
}
