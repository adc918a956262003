#pragma once
// A map script as the object group "script" of a Tiled map, and back, byte
// for byte.
//
// The script file is taken as lines: the header line, then one row per line
// (a line with commas stays one row here, though the editor would split it).
// A row that the line grammar reads as a player row, that the field reader
// gives back whole and whose point the script editor could have made
// becomes a point object at its pixel position, named after its player in
// player\player.lst, with the row's fields as properties:
//   command (set or def), type, number, count, direction, row,
//   and text: the row as it stands, only where composing the fields would
//   not give it back (a hand-edited row).
// Every other row is kept verbatim as a property "row 00012" of the group,
// the header as "header"; the map properties "script line ends" (CRLF or
// LF) and "script last line ends" say how lines end. Bytes that a Tiled
// document cannot carry are escaped (byte_escapes.h).
//
// Back from Tiled: an object whose fields and position still read as its
// stored row gives that row unchanged; any other object composes its row
// from its fields with the line grammar, a fractional position rounded to
// the nearest pixel (with a warning). Rows keep their numbers' order; an
// object without a row number, or with one that an object of a lower id or a
// verbatim row already holds (a copy made in Tiled), becomes a new row after
// the others, in the document's order.
#include "common/catalogue/catalogue.h"
#include "common/errors/result.h"
#include "tools/tmx/tiled_map.h"

#include <string>
#include <string_view>
#include <vector>

namespace tmx {

constexpr const char* kLineEndsProperty = "script line ends";
constexpr const char* kLastLineEndsProperty = "script last line ends";
constexpr const char* kHeaderProperty = "header";

// Positions the script editor can give a row, on either axis: a right click
// reaches 0 to 2000, "round" at most 2010.
constexpr double kMaxScriptPosition = 2010;

struct ExportedScript {
    Properties mapProperties;
    ObjectGroup group;
};

// The reason a script cannot go into a document: the editor cannot load it
// (no header line, more than 32767 rows), or it has more lines than rows.
tervok::Status checkExportableScript(std::string_view bytes);

ExportedScript exportScript(std::string_view bytes, const std::vector<tervok::CatalogueEntry>& players);

struct Warning {
    std::size_t line = 0;  // in the Tiled document; 0 when unknown
    std::string text;
};

struct ImportedScript {
    std::string bytes;
    std::vector<Warning> warnings;
};

// A format error, with the object's line, for what no script can hold.
tervok::Result<ImportedScript> importScript(const Properties& mapProperties, const ObjectGroup& group);

}  // namespace tmx
