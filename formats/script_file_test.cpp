#include "formats/script_file.h"

#include <gtest/gtest.h>

namespace formats {
namespace {

TEST(ScriptFile, SkipsTheFirstFieldWhateverItHolds)
{
    EXPECT_EQ(parseScriptFile("set player 3 1 130 250 2\r\ndef x\r\n"), ScriptRows{"def x"});
    EXPECT_EQ(parseScriptFile("[a,b]\r\nrow\r\n"), (ScriptRows{"b]", "row"}));
}

TEST(ScriptFile, AnEmptyLastLineIsAnEmptyRow)
{
    EXPECT_EQ(parseScriptFile("[h]\r\nrow\r\n\r\n"), (ScriptRows{"row", ""}));
}

TEST(ScriptFile, RefusesMoreRowsThanAScriptHolds)
{
    std::string bytes = "[h]\r\n";
    for (std::size_t i = 0; i < kMaxScriptRows; ++i)
        bytes += "x\r\n";
    EXPECT_EQ(parseScriptFile(bytes)->size(), kMaxScriptRows);
    EXPECT_FALSE(parseScriptFile(bytes + "x\r\n"));
}

}  // namespace
}  // namespace formats
