// Edits a level maker makes in Tiled, applied to an exported script group,
// and what comes back: rows rebuilt from their fields, copies and new points
// as new rows, and refusals that name the object.
#include "common/catalogue/catalogue.h"
#include "tools/tmx/script_conversion.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tmx {
namespace {

const std::string kHeader = "[set <type> <nmr> <anz> <x> <y> <r>]";
const std::vector<tervok::CatalogueEntry> kPlayers = tervok::parseCatalogue("01 soldier\r\n03 heavy\r\n", 4);

// Three rows: a player, a line the grammar does not read, a hand-edited
// player row.
const std::string kScript = kHeader + "\r\nset player 3 1 130 250 2\r\nbroken,row\r\ndef player 01 1 0410 70 4\r\n";

struct Edited {
    ExportedScript script = exportScript(kScript, kPlayers);
    MapObject& object(std::size_t i) { return script.group.objects.at(i); }
    void set(std::size_t i, const std::string& name, const std::string& value)
    {
        auto& properties = object(i).properties;
        auto found = std::find_if(properties.begin(), properties.end(), [&](const Property& p) { return p.name == name; });
        if (found == properties.end())
            properties.push_back({name, "string", value});
        else
            found->value = value;
    }
    tervok::Result<ImportedScript> imported() const { return importScript(script.mapProperties, script.group); }
    std::string bytes() const
    {
        const tervok::Result<ImportedScript> result = imported();
        return result ? result->bytes : "refused: " + result.error().describe();
    }
};

std::string scriptOf(const std::vector<std::string>& rows)
{
    std::string bytes = kHeader + "\r\n";
    for (const std::string& row : rows)
        bytes += row + "\r\n";
    return bytes;
}

TEST(ScriptEdits, ExportedRowsAreNamedPointsAndVerbatimProperties)
{
    Edited edited;
    ASSERT_EQ(edited.script.group.objects.size(), 2u);
    EXPECT_EQ(edited.object(0).name, "heavy");
    EXPECT_EQ(edited.object(1).name, "soldier");  // number "01"
    EXPECT_EQ(findProperty(edited.object(0).properties, "text"), nullptr);
    EXPECT_EQ(findProperty(edited.object(1).properties, "text")->value, "def player 01 1 0410 70 4");
    EXPECT_EQ(findProperty(edited.script.group.properties, "row 00002")->value, "broken,row");
    EXPECT_EQ(edited.bytes(), kScript);

    // Properties in any order, as another writer may keep them.
    for (MapObject& object : edited.script.group.objects)
        std::reverse(object.properties.begin(), object.properties.end());
    std::reverse(edited.script.group.properties.begin(), edited.script.group.properties.end());
    std::reverse(edited.script.mapProperties.begin(), edited.script.mapProperties.end());
    EXPECT_EQ(edited.bytes(), kScript);
}

TEST(ScriptEdits, MovedOrChangedObjectsRebuildTheirRows)
{
    Edited edited;
    edited.object(0).x = 150;
    edited.set(1, "count", "5");  // the hand-edited row is composed anew
    EXPECT_EQ(edited.bytes(), scriptOf({"set player 3 1 150 250 2", "broken,row", "def player 01 5 410 70 4"}));

    Edited fractional;
    fractional.object(0).x = 130.5;
    fractional.object(0).y = 249.6;
    const tervok::Result<ImportedScript> rounded = fractional.imported();
    ASSERT_TRUE(rounded);
    EXPECT_EQ(rounded->bytes, scriptOf({"set player 3 1 130 250 2", "broken,row", "def player 01 1 0410 70 4"}));
    ASSERT_EQ(rounded->warnings.size(), 1u);
    EXPECT_EQ(rounded->warnings[0].text, "object 1 (row 1): the point (130.5, 249.6) is rounded to (130, 250)");
}

TEST(ScriptEdits, CopiesAndNewPointsBecomeNewRowsInTheDocumentsOrder)
{
    Edited edited;
    MapObject added;  // a point placed in Tiled with its player number only
    added.id = 9;
    added.x = 40;
    added.y = 60;
    added.properties = {{"number", "int", "7"}};
    MapObject copy = edited.object(0);  // Tiled gives a copy the next id
    copy.id = 10;
    copy.x = 20;
    edited.script.group.objects.insert(edited.script.group.objects.begin(), copy);
    edited.script.group.objects.push_back(added);
    std::swap(edited.script.group.objects[0], edited.script.group.objects[1]);  // the copy stays where it was
    edited.script.group.objects.erase(edited.script.group.objects.begin() + 2);  // the soldier is deleted
    EXPECT_EQ(edited.bytes(), scriptOf({"set player 3 1 130 250 2", "broken,row", "set player 3 1 20 250 2",
                                        "set player 7  40 60 0"}));

    Edited classed;  // Tiled 1.9's class field says the type of a new point
    added.type = "enemy";
    added.properties.push_back({"direction", "int", "3"});
    added.properties.push_back({"command", "string", "def"});
    classed.script.group.objects.push_back(added);
    classed.script.group.properties.pop_back();  // the verbatim row is deleted
    EXPECT_EQ(classed.bytes(), scriptOf({"set player 3 1 130 250 2", "def player 01 1 0410 70 4",
                                         "def enemy 7  40 60 3"}));
}

TEST(ScriptEdits, WhatNoScriptRowCanHoldIsRefusedNamingTheObject)
{
    const std::vector<std::pair<std::function<void(Edited&)>, std::string>> cases = {
        {[](Edited& e) { e.object(0).x = 2011; }, "object 1 (row 1): its point (2011, 250) lies outside the positions a script row can hold, 0 to 2010 on either axis"},
        {[](Edited& e) { e.object(0).y = -0.6; }, "object 1 (row 1): its point (130, -0.6) lies outside the positions a script row can hold, 0 to 2010 on either axis"},
        {[](Edited& e) { e.object(0).properties.erase(e.object(0).properties.begin() + 3); }, "object 1 (row 1): it has no player number (property 'number')"},
        {[](Edited& e) { e.set(0, "command", "go"); }, "object 1 (row 1): its command is 'go', not set or def"},
        {[](Edited& e) { e.set(0, "direction", "5"); }, "object 1 (row 1): its direction is '5', not 0 to 4"},
        {[](Edited& e) { e.set(0, "count", "1,2"); }, "object 1 (row 1): its count holds a comma or a line end, which no script row can"},
        {[](Edited& e) { e.set(0, "type", "a\\x0Ab"); }, "object 1 (row 1): its type holds a comma or a line end, which no script row can"},
        {[](Edited& e) { e.set(1, "row", "0"); }, "object 2: its row '0' is no row from 1 to 32767"},
        {[](Edited& e) { e.script.group.properties.push_back({"row 40000", "string", "x"}); }, "the script property 'row 40000' names no row from 1 to 32767"},
        {[](Edited& e) { e.script.mapProperties[1].value = "CR"; }, "the map property 'script line ends' is 'CR', not CRLF or LF"},
        {[](Edited& e) {
             for (std::uint32_t id = 10; id < 32776; ++id)
                 e.script.group.objects.push_back(e.object(0));
         }, "the script holds 32769 rows, more than 32767"},
    };
    for (const auto& [edit, message] : cases) {
        Edited edited;
        edit(edited);
        const tervok::Result<ImportedScript> imported = edited.imported();
        ASSERT_FALSE(imported) << message;
        EXPECT_EQ(imported.error().detail, message);
    }
}

TEST(ScriptEdits, LinesEndAsTheMapPropertiesSay)
{
    const std::string unix = "[h]\nset player 1 1 10 10 1\nx";  // LF, the last line open
    const ExportedScript script = exportScript(unix, kPlayers);
    EXPECT_EQ(findProperty(script.mapProperties, kLineEndsProperty)->value, "LF");
    EXPECT_EQ(findProperty(script.mapProperties, kLastLineEndsProperty)->value, "false");
    EXPECT_EQ(importScript(script.mapProperties, script.group)->bytes, unix);

    ExportedScript bare = script;  // without the properties: what the editor writes
    bare.mapProperties.clear();
    bare.group.properties.clear();
    EXPECT_EQ(importScript(bare.mapProperties, bare.group)->bytes, kHeader + "\r\nset player 1 1 10 10 1\r\n");
}

}  // namespace
}  // namespace tmx
