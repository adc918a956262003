#include "terraloom/form/form_fixture.h"

namespace terraloom::testing {
namespace {

TEST_F(EditorTest, StartsWithTheDesignedWindowAndState)
{
    auto* window = toolkit_.window();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->caption(), "Tervok LevelEditor V1.0 by Drummel");
    EXPECT_EQ(window->geometry(), (ui::Geometry{0, 0, 9465, 8355}));
    EXPECT_EQ(label("Label1"), " 1 : 1");
    EXPECT_EQ(label("Label2"), "0 : 0");
    EXPECT_EQ(find<HeadlessSlider>("Slider4").value(), 1);
    EXPECT_EQ(find<HeadlessSlider>("Slider3").value(), 1);
    EXPECT_EQ(find<HeadlessTextField>("Text1").text(), "map1");
    EXPECT_TRUE(find<HeadlessTextField>("Text2").isReadOnly());
    EXPECT_EQ(state().currentTile, 0);
}

TEST_F(EditorTest, CreatesTheViewCellsAsAGaplessBlock)
{
    EXPECT_EQ(cell(1).geometry(), (ui::Geometry{300, 500, 300, 300}));
    EXPECT_EQ(cell(12).geometry(), (ui::Geometry{600, 800, 300, 300}));
    EXPECT_EQ(cell(100).geometry(), (ui::Geometry{3000, 3200, 300, 300}));
    for (int k = 0; k <= 100; ++k)
        EXPECT_EQ(cell(k).backColour(), ui::kAppWorkspaceColour);
}

TEST_F(EditorTest, FillsTheTileListWith101ItemsAndThePlayerList)
{
    const auto& tiles = find<HeadlessListBox>("List1").items();
    ASSERT_EQ(tiles.size(), 101u);
    EXPECT_EQ(tiles[0], "");
    EXPECT_EQ(tiles[1], "grass001");
    EXPECT_EQ(tiles[7], "lava001");
    EXPECT_EQ(tiles[100], "");
    EXPECT_EQ(find<HeadlessListBox>("List3").items(), (std::vector<std::string>{"<none>", " 3: hero", " 7: orc"}));
}

TEST_F(EditorTest, EveryCellShowsTileZeroWhichIsUnnamed)
{
    for (int k = 1; k <= 100; ++k)
        EXPECT_EQ(cell(k).bitmap(), nullptr);
    writeFile("map/mapteile.lst", "00 04 grass001\r\n");
    restart();
    EXPECT_EQ(cell(55).bitmapPath(), "ep/grass.bmp");
    EXPECT_EQ(find<HeadlessListBox>("List1").item(0), "");
}

TEST_F(EditorTest, StartsWithoutCataloguesAndShowsTheHelp)
{
    std::filesystem::remove_all("map");
    std::filesystem::remove_all("player");
    restart();
    EXPECT_EQ(find<HeadlessListBox>("List1").count(), 101);
    EXPECT_EQ(find<HeadlessListBox>("List3").items(), std::vector<std::string>{"<none>"});
    EXPECT_TRUE(toolkit_.messages().empty());

    button("Command9").click();
    ASSERT_EQ(toolkit_.messages().size(), 1u);
    EXPECT_EQ(toolkit_.messages()[0].text,
              "rechtsklick - get picture\r\nlinksklick - set picture\r\nShift+MouseMove - set pictures");
    EXPECT_EQ(toolkit_.messages()[0].icon, ui::MessageIcon::None);
}

TEST_F(EditorTest, ClosingEndsTheProgramWithoutAQuestion)
{
    cell(1).mouseDown(ui::kLeftButton, 0, 0, 0);
    toolkit_.window()->close();
    EXPECT_TRUE(toolkit_.quitRequested());
    EXPECT_TRUE(toolkit_.messages().empty());
}

}  // namespace
}  // namespace terraloom::testing
