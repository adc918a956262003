// Tile bitmaps that are not what they seem: the view shows nothing for
// them, at once, without a message box; the reason goes to standard error.
#include "common/errors/failure_report.h"
#include "formats/map_file.h"
#include "terraloom/form/form_fixture.h"

#include <sys/stat.h>

namespace terraloom::testing {
namespace {

namespace fs = std::filesystem;

class TileBitmapFaults : public EditorTest {
protected:
    void loadMapOfTile(std::uint8_t tile)
    {
        writeFile("map/map1.map", std::string(formats::kMapFileSize, static_cast<char>(tile)));
        toolkit_.answerMessages({ui::kAnswerOk});
        button("Command1").click();
    }
    void chooseTile(int row) { find<HeadlessListBox>("List1").press(row); }
    int shownWidth(int k) { return cell(k).bitmap() ? cell(k).bitmap()->width() : 0; }
};

// A named pipe opened for reading waits for a writer that never comes; the
// guarded reader refuses it before any wait, at start-up (tile 0 named),
// on load and when the tile is chosen.
TEST_F(TileBitmapFaults, APipeInPlaceOfABitmapIsAMissingBitmap)
{
    writeFile("map/mapteile.lst", "[nr kl name]\r\n00 04 grass001\r\n01 04 grass001\r\n02 03 water001\r\n");
    fs::remove("ep/grass.bmp");
    ASSERT_EQ(::mkfifo("ep/grass.bmp", 0644), 0);
    restart();
    EXPECT_EQ(cell(1).bitmap(), nullptr);

    loadMapOfTile(1);
    EXPECT_EQ(cell(55).bitmap(), nullptr);
    chooseTile(1);
    EXPECT_EQ(cell(0).bitmap(), nullptr);
    chooseTile(2);
    EXPECT_EQ(cell(0).bitmapPath(), "ep/water.bmp");
    EXPECT_EQ(toolkit_.messages().size(), 1u);  // the load's question, nothing more
}

TEST_F(TileBitmapFaults, LinksToPipesFoldersAndDevicesAreMissingBitmaps)
{
    ASSERT_EQ(::mkfifo("pipe", 0644), 0);
    fs::remove("ep/grass.bmp");
    fs::create_symlink("../pipe", "ep/grass.bmp");
    fs::remove("ep/water.bmp");
    fs::create_directory("ep/water.bmp");
    fs::remove("ep/wall.bmp");
    fs::create_symlink("/dev/zero", "ep/wall.bmp");
    restart();
    for (std::uint8_t tile = 1; tile <= 3; ++tile) {
        loadMapOfTile(tile);
        EXPECT_EQ(cell(1).bitmap(), nullptr) << "tile " << int(tile);
    }
}

// Each damaged file says why on standard error once, however often the
// view is redrawn and whichever game path leads to it; a missing bitmap
// says nothing, as before.
TEST_F(TileBitmapFaults, ACutOrDamagedBitmapShowsNothingAndSaysWhyOnce)
{
    writeFile("map/mapteile.lst", "[nr kl name]\r\n01 04 grass001\r\n02 03 water001\r\n03 01 wall001\r\n"
                                  "04 04 GRASS002\r\n07 02 lava001\r\n");
    const std::string whole = tervok::testing::bmpFile();
    writeFile("ep/grass.bmp", whole.substr(0, 60));
    writeFile("ep/water.bmp", "BM");
    std::string bogusOffset = whole;
    tervok::testing::putLittleEndian(bogusOffset, 10, 4000, 4);
    writeFile("ep/wall.bmp", bogusOffset);
    const tervok::FailureCapture stderrLines;
    restart();
    for (std::uint8_t tile : {1, 2, 3, 4, 7}) {
        loadMapOfTile(tile);
        EXPECT_EQ(cell(1).bitmap(), nullptr) << "tile " << int(tile);
        chooseTile(tile);
        find<HeadlessButton>("Command4").click();  // scroll right: a redraw
        find<HeadlessButton>("Command5").click();
    }
    EXPECT_EQ(stderrLines.lines(), (std::vector<std::string>{
                                       "terraloom: ep\\grass.bmp: cannot read: pixel data cut short",
                                       "terraloom: ep\\water.bmp: cannot read: no bitmap header",
                                       "terraloom: ep\\wall.bmp: cannot read: pixel data cut short",
                                   }));
}

// A file mended and damaged again, even to the same bytes, is another
// version of it, and says why again.
TEST_F(TileBitmapFaults, ADamagedBitmapSaysWhyOncePerChange)
{
    const std::string cut = tervok::testing::bmpFile().substr(0, 800);
    const tervok::FailureCapture stderrLines;
    const auto redrawn = [this] {
        find<HeadlessButton>("Command4").click();
        return shownWidth(1);
    };
    loadMapOfTile(1);
    writeFile("ep/grass.bmp", cut);
    EXPECT_EQ(redrawn(), 0);
    EXPECT_EQ(redrawn(), 0);
    writeFile("ep/grass.bmp", tervok::testing::bmpFile(12, 20));
    EXPECT_EQ(redrawn(), 12);
    writeFile("ep/grass.bmp", cut);
    EXPECT_EQ(redrawn(), 0);
    EXPECT_EQ(redrawn(), 0);
    fs::remove("ep/grass.bmp");
    ASSERT_EQ(::mkfifo("ep/grass.bmp", 0644), 0);
    EXPECT_EQ(redrawn(), 0);
    const std::string line = "terraloom: ep\\grass.bmp: cannot read: ";
    EXPECT_EQ(stderrLines.lines(), (std::vector<std::string>{line + "pixel data cut short",
                                                              line + "pixel data cut short",
                                                              line + "not a regular file"}));
}

// The folder watch sees ep/, not the folder a link points into: a changed
// target is noticed at the next redraw all the same.
TEST_F(TileBitmapFaults, AChangeBehindALinkedBitmapShowsAtTheNextRedraw)
{
    writeFile("art/grass.bmp", tervok::testing::bmpFile(20, 20));
    fs::remove("ep/grass.bmp");
    fs::create_symlink("../art/grass.bmp", "ep/grass.bmp");
    loadMapOfTile(1);
    EXPECT_EQ(shownWidth(1), 20);

    writeFile("art/grass.bmp", tervok::testing::bmpFile(12, 20));
    find<HeadlessButton>("Command4").click();  // scroll right: a redraw
    EXPECT_EQ(shownWidth(1), 12);
    fs::remove("art/grass.bmp");
    find<HeadlessButton>("Command5").click();
    EXPECT_EQ(cell(1).bitmap(), nullptr);
}

}  // namespace
}  // namespace terraloom::testing
