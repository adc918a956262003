#include "particle_catalogue.h"

#include "files/file_io.h"
#include "files/game_path.h"
#include "text/field_reader.h"
#include "text/line_writer.h"

namespace sparkloom {

Rows parseParticleRows(std::string bytes)
{
    tervok::FieldReader reader(std::move(bytes));
    Rows rows;
    if (reader.atEnd())
        return rows;
    reader.next();  // the header line
    while (!reader.atEnd())
        rows.push_back(reader.next().value_or(std::string()));
    return rows;
}

std::string particleCatalogueBytes(const Rows& rows)
{
    tervok::LineWriter writer;
    writer.line(kParticleHeader);
    for (const std::string& row : rows)
        writer.line(row);
    return writer.bytes();
}

tervok::Result<Rows> loadParticleCatalogue(std::string_view gamePath)
{
    tervok::Result<std::string> bytes = tervok::readWholeFile(tervok::nativePath(gamePath));
    if (!bytes)
        return bytes.error();
    return parseParticleRows(std::move(*bytes));
}

tervok::Status saveParticleCatalogue(std::string_view gamePath, const Rows& rows)
{
    return tervok::replaceFile(tervok::nativePath(gamePath), particleCatalogueBytes(rows));
}

}  // namespace sparkloom
