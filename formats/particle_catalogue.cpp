#include "formats/particle_catalogue.h"

#include "common/files/game_file.h"
#include "common/text/field_reader.h"
#include "common/text/line_writer.h"

namespace formats {

ParticleRows parseParticleRows(std::string bytes)
{
    tervok::FieldReader reader(std::move(bytes));
    ParticleRows rows;
    if (reader.atEnd())
        return rows;
    reader.next();  // the header line
    while (!reader.atEnd())
        rows.push_back(reader.next().value_or(std::string()));
    return rows;
}

std::string particleCatalogueBytes(const ParticleRows& rows)
{
    tervok::LineWriter writer;
    writer.line(kParticleHeader);
    for (const std::string& row : rows)
        writer.line(row);
    return writer.bytes();
}

tervok::Result<ParticleRows> loadParticleCatalogue(std::string_view gamePath)
{
    return tervok::loadGameFile(gamePath, parseParticleRows);
}

tervok::Status saveParticleCatalogue(std::string_view gamePath, const ParticleRows& rows)
{
    return tervok::saveGameFile(gamePath, particleCatalogueBytes(rows));
}

}  // namespace formats
