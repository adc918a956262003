#include "formats/script_file.h"

#include "common/files/game_file.h"
#include "common/text/field_reader.h"
#include "common/text/line_writer.h"

namespace formats {

std::string scriptPath(std::string_view directory, std::string_view mapName)
{
    std::string path(directory);
    path += mapName;
    path += ".msc";
    return path;
}

tervok::Result<ScriptRows> parseScriptFile(std::string bytes, std::vector<std::size_t>* rowLines)
{
    tervok::FieldReader fields(std::move(bytes));
    if (!fields.next())
        return tervok::formatError("no header line");
    ScriptRows rows;
    while (!fields.atEnd()) {
        static_assert(kMaxScriptRows == 32767, "the message names the limit");
        if (rows.size() == kMaxScriptRows)
            return tervok::formatErrorAtLine(fields.line(), "more than 32767 rows");
        if (rowLines)
            rowLines->push_back(fields.line());
        rows.push_back(*fields.next());
    }
    return rows;
}

std::string scriptFileBytes(std::string_view grammar, const ScriptRows& rows)
{
    tervok::LineWriter writer;
    std::string header = "[";
    header += grammar;
    header += ']';
    writer.line(header);
    for (const std::string& row : rows)
        writer.line(row);
    return writer.bytes();
}

tervok::Result<ScriptRows> loadScriptFile(std::string_view gamePath, std::vector<std::size_t>* rowLines)
{
    return tervok::loadGameFile(gamePath,
                                [rowLines](std::string bytes) { return parseScriptFile(std::move(bytes), rowLines); });
}

tervok::Status saveScriptFile(std::string_view gamePath, std::string_view grammar, const ScriptRows& rows)
{
    return tervok::saveGameFile(gamePath, scriptFileBytes(grammar, rows));
}

}  // namespace formats
