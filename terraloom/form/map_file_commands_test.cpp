#include "common/errors/failure_report.h"
#include "formats/map_file.h"
#include "terraloom/form/form_fixture.h"

namespace terraloom::testing {
namespace {

class MapFileTest : public EditorTest {
protected:
    void answerAndClick(const std::string& buttonName, int answer = ui::kAnswerOk)
    {
        toolkit_.answerMessages({answer});
        button(buttonName).click();
    }
    std::vector<std::string> messageTexts()
    {
        std::vector<std::string> texts;
        for (const auto& m : toolkit_.messages())
            texts.push_back(m.text);
        return texts;
    }
    static std::string mapWith(std::uint8_t first, std::uint8_t last, std::size_t size = 10000)
    {
        std::string bytes(size, '\0');
        bytes[0] = static_cast<char>(first);
        bytes[9999] = static_cast<char>(last);
        return bytes;
    }
};

TEST_F(MapFileTest, SaveWritesTheGridRowByRowAndLoadBringsItBack)
{
    state().grid.set(1, 1, 3);
    state().grid.set(100, 1, 2);
    state().grid.set(1, 2, 1);
    state().grid.set(100, 100, 100);
    const formats::MapGrid saved = state().grid;
    answerAndClick("Command2");
    const std::string bytes = readFile("map/map1.map");
    ASSERT_EQ(bytes.size(), 10000u);
    EXPECT_EQ(bytes[0], 3);
    EXPECT_EQ(bytes[99], 2);
    EXPECT_EQ(bytes[100], 1);
    EXPECT_EQ(static_cast<unsigned char>(bytes[9999]), 100);
    EXPECT_EQ(messageTexts(), std::vector<std::string>{"SPECIHERN ?"});
    EXPECT_EQ(toolkit_.messages()[0].buttons, ui::MessageButtons::OkCancel);

    state().grid.clear();
    answerAndClick("Command1");
    EXPECT_EQ(state().grid, saved);
    EXPECT_EQ(overview().pixel(0, 0), 0xA0A0A0u);  // tile 3 is a wall, class 1
    EXPECT_EQ(cell(1).bitmapPath(), "ep/wall.bmp");
}

TEST_F(MapFileTest, CancelChangesNothing)
{
    writeFile("map/map1.map", mapWith(1, 2));
    answerAndClick("Command1", ui::kAnswerCancel);
    answerAndClick("Command2", ui::kAnswerCancel);
    EXPECT_EQ(state().grid, formats::MapGrid{});
    EXPECT_EQ(readFile("map/map1.map"), mapWith(1, 2));
}

TEST_F(MapFileTest, FailedLoadsReportAndLeaveTheGridAsItWas)
{
    state().grid.set(5, 5, 2);
    const formats::MapGrid before = state().grid;

    answerAndClick("Command1");  // no such file
    EXPECT_FALSE(std::filesystem::exists("map/map1.map"));

    std::string bad = mapWith(1, 1);
    bad[5000] = static_cast<char>(101);
    writeFile("map/map1.map", bad);
    answerAndClick("Command1");  // a byte above 100 in the middle

    EXPECT_EQ(state().grid, before);
    EXPECT_EQ(messageTexts(), (std::vector<std::string>{"LADEN ?", "Fehler beim laden !", "LADEN ?",
                                                        "Fehler beim laden !"}));
    EXPECT_EQ(toolkit_.messages()[1].icon, ui::MessageIcon::Critical);
}

// A link that leads nowhere, and links in a circle, give the same reason to
// the load, the save and "new"; "new" creates nothing where the link points.
TEST_F(MapFileTest, DanglingLinksAndLinkCirclesGiveOneReasonToEveryCommand)
{
    std::filesystem::create_symlink("gone.map", "map/map1.map");
    std::filesystem::create_symlink("loop2.map", "map/loop1.map");
    std::filesystem::create_symlink("loop1.map", "map/loop2.map");
    const tervok::FailureCapture reasons;
    for (const char* name : {"map1", "loop1"}) {
        find<HeadlessTextField>("Text1").type(name);
        for (const char* command : {"Command1", "Command2", "Command3"})
            answerAndClick(command);
    }
    EXPECT_EQ(reasons.lines(), (std::vector<std::string>{
        "terraloom: map\\map1.map: cannot load: broken symbolic link",
        "terraloom: map\\map1.map: cannot save: broken symbolic link",
        "terraloom: map\\map1.map: cannot create: broken symbolic link",
        "terraloom: map\\loop1.map: cannot load: symbolic links in a circle",
        "terraloom: map\\loop1.map: cannot save: symbolic links in a circle",
        "terraloom: map\\loop1.map: cannot create: symbolic links in a circle",
    }));
    EXPECT_FALSE(std::filesystem::exists("map/gone.map"));
    EXPECT_EQ(entryCount("map"), 4u);  // the catalogue and the three links
}

TEST_F(MapFileTest, ShortFilesLoadWithZerosAndLongFilesKeepTheirTail)
{
    writeFile("map/map1.map", std::string(1, '\x02'));
    state().grid.set(100, 100, 3);
    answerAndClick("Command1");
    EXPECT_EQ(state().grid.at(1, 1), 2);
    EXPECT_EQ(state().grid.at(100, 100), 0);

    writeFile("map/map1.map", mapWith(1, 1, 10000) + "TAIL");
    answerAndClick("Command1");
    state().grid.set(1, 1, 3);
    answerAndClick("Command2");
    EXPECT_EQ(readFile("map/map1.map"), mapWith(3, 1, 10000) + "TAIL");
}

TEST_F(MapFileTest, FailedSavesReportAndLeaveTheOldFile)
{
    writeFile("map/map1.map", mapWith(1, 1));
    makeReadOnly("map/map1.map");
    state().grid.set(1, 1, 2);
    answerAndClick("Command2");
    EXPECT_EQ(readFile("map/map1.map"), mapWith(1, 1));

    find<HeadlessTextField>("Text1").type("nofolder\\x");
    answerAndClick("Command2");
    EXPECT_EQ(messageTexts(), (std::vector<std::string>{"SPECIHERN ?", "Fehler beim speichern !", "SPECIHERN ?",
                                                        "Fehler beim speichern !"}));
    EXPECT_EQ(entryCount("map"), 2u);  // the map and the tile catalogue, no temporary file
}

TEST_F(MapFileTest, NewClearsTheGridCreatesAnEmptyFileAndKeepsTheOverview)
{
    writeFile("map/map1.map", mapWith(2, 2));
    answerAndClick("Command1");
    EXPECT_EQ(overview().pixel(0, 0), 0xFF0000u);  // water, class 3: blue

    find<HeadlessTextField>("Text1").type("fresh");
    answerAndClick("Command3");
    EXPECT_EQ(state().grid, formats::MapGrid{});
    EXPECT_EQ(readFile("map/fresh.map"), "");
    EXPECT_EQ(cell(1).bitmap(), nullptr);
    EXPECT_EQ(overview().pixel(0, 0), 0xFF0000u);

    find<HeadlessTextField>("Text1").type("map1");
    answerAndClick("Command3");
    EXPECT_EQ(readFile("map/map1.map"), mapWith(2, 2));
    answerAndClick("Command1");
    EXPECT_EQ(state().grid.at(1, 1), 2);
}

TEST_F(MapFileTest, NewCancelledRedrawsOnlyAndFailedNewReports)
{
    state().grid.set(1, 1, 1);
    answerAndClick("Command3", ui::kAnswerCancel);
    EXPECT_EQ(state().grid.at(1, 1), 1);
    EXPECT_EQ(cell(1).bitmapPath(), "ep/grass.bmp");

    std::filesystem::remove_all("map");
    answerAndClick("Command3");
    EXPECT_EQ(state().grid, formats::MapGrid{});
    EXPECT_EQ(messageTexts().back(), "Fehler beim speichern !");
    EXPECT_FALSE(std::filesystem::exists("map"));
}

TEST_F(MapFileTest, AnEmptyNameUsesTheBareExtension)
{
    find<HeadlessTextField>("Text1").type("");
    answerAndClick("Command2");
    EXPECT_EQ(readFile("map/.map").size(), 10000u);
}

// "new" can create a file whose name nears the system's limit of 255
// bytes; its save must fit a temporary file beside it too.
TEST_F(MapFileTest, AMapNamedAsLongAsNewAllowsCanBeSaved)
{
    const std::string name(246, 'w');
    find<HeadlessTextField>("Text1").type(name);
    answerAndClick("Command3");
    ASSERT_TRUE(std::filesystem::exists("map/" + name + ".map"));
    state().grid.set(5, 5, 3);
    answerAndClick("Command2");
    EXPECT_EQ(messageTexts(), (std::vector<std::string>{"Wirklich neu anlegen ?", "SPECIHERN ?"}));
    EXPECT_EQ(readFile("map/" + name + ".map"), formats::mapFileBytes(state().grid, ""));
}

// Windows matches the letters of Windows-1252 case-insensitively, so a map
// typed "wüste" is the file "wÜste.map", and "new" finds it too instead of
// making a second, empty file beside it.
TEST_F(MapFileTest, NamesMatchTheAccentedLettersOfWindows1252WhateverTheirCase)
{
    writeFile("map/w\xC3\x9Cste.map", mapWith(2, 3));
    find<HeadlessTextField>("Text1").type("w\xFCste");
    answerAndClick("Command1");
    EXPECT_EQ(messageTexts(), std::vector<std::string>{"LADEN ?"});
    EXPECT_EQ(state().grid.at(1, 1), 2);

    answerAndClick("Command3");
    EXPECT_EQ(tervok::testing::entryCount("map"), 2u);  // the catalogue and the map
    EXPECT_EQ(readFile("map/w\xC3\x9Cste.map"), mapWith(2, 3));
}

}  // namespace
}  // namespace terraloom::testing
