#include "script_file.h"

#include "text/field_reader.h"
#include "text/line_writer.h"

namespace terraloom {

std::string scriptPath(std::string_view directory, std::string_view mapName)
{
    std::string path(directory);
    path += mapName;
    path += ".msc";
    return path;
}

std::optional<ScriptRows> parseScriptFile(std::string bytes)
{
    tervok::FieldReader fields(std::move(bytes));
    if (!fields.next())
        return std::nullopt;
    ScriptRows rows;
    while (!fields.atEnd()) {
        if (rows.size() == kMaxScriptRows)
            return std::nullopt;
        rows.push_back(*fields.next());
    }
    return rows;
}

std::string scriptFileBytes(std::string_view grammar, const ScriptRows& rows)
{
    tervok::LineWriter writer;
    writer.line("[" + std::string(grammar) + "]");
    for (const std::string& row : rows)
        writer.line(row);
    return writer.bytes();
}

}  // namespace terraloom
