// Checked against Tiled itself (Debian's package tiled, which ./tervok test
// installs): what tervok-tmx writes, opened and written again by Tiled as
// JSON and as TMX, imports as the same map and script bytes; every data
// encoding Tiled keeps reads back; and Tiled's own drawing of an exported
// map is tervok-render's picture. Tiled runs on Qt's offscreen platform
// with a home of its own, so that it neither needs a desktop nor waits for
// a session bus.
#include "common/testing/console_run.h"
#include "common/testing/temp_dir.h"
#include "tools/tmx/packed_layers.h"
#include "tools/tmx/tmx_test_data.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace tmx {
namespace {

namespace fs = std::filesystem;
using tervok::testing::ProgramRun;
using tervok::testing::readFile;
using tervok::testing::writeFile;

class TiledCheck : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!tiled_)
            GTEST_SKIP() << "tiled is not installed: Debian's package tiled runs these checks";
        for (const char* folder : {"home/config", "home/runtime"})
            fs::create_directories(folder);
        fs::permissions("home/runtime", fs::perms::owner_all);
        const std::string home = (dir_.path() / "home").string();
        environment_ = {"HOME=" + home, "XDG_CONFIG_HOME=" + home + "/config", "XDG_RUNTIME_DIR=" + home + "/runtime",
                        "QT_QPA_PLATFORM=offscreen"};
    }

    // Tiled reads one file and writes another, the form following the name.
    void tiledExport(const std::string& from, const std::string& to)
    {
        const ProgramRun run = tervok::testing::runOnConsole(tiled_->string(), {"--new-instance", "--export-map", from, to},
                                                             ".", environment_);
        ASSERT_EQ(run.status, 0) << from << " -> " << to << ": " << run.err;
    }

    static ProgramRun tmx(std::vector<std::string> arguments)
    {
        return tervok::testing::runOnConsole(TERVOK_TMX_PROGRAM, std::move(arguments));
    }

    void expectImport(const std::string& file, const std::string& map, const std::string& script)
    {
        writeFile("game/map/back.map", "");
        const ProgramRun run = tmx({"import", "-C", "game", "-o", "map\\back.map", file});
        ASSERT_EQ(run.status, 0) << file << ": " << run.err;
        EXPECT_EQ(readFile("game/map/back.map"), map) << file;
        EXPECT_EQ(readFile("game/map/back.msc"), script) << file;
    }

    QImage rasterized(const std::string& file)
    {
        const std::optional<fs::path> rasterizer = tervok::testing::findOnPath("tmxrasterizer");
        EXPECT_TRUE(rasterizer) << "tiled came without tmxrasterizer";
        const ProgramRun run = tervok::testing::runOnConsole(rasterizer.value_or("tmxrasterizer").string(),
                                                             {"--hide-layer", "script", file, "tiled.png"}, ".", environment_);
        EXPECT_EQ(run.status, 0) << run.err;
        return QImage("tiled.png");
    }

    tervok::testing::TempDir dir_;
    std::optional<fs::path> tiled_ = tervok::testing::findOnPath("tiled");
    tervok::testing::EnvironmentChanges environment_;
};

void copySample(const fs::path& to)
{
    const char* sample = std::getenv("TERVOK_SAMPLE_DIR");
    ASSERT_TRUE(sample && fs::is_directory(sample)) << "the sample data is missing";
    fs::copy(sample, to, fs::copy_options::recursive);
}

TEST_F(TiledCheck, TheSampleAndGeneratedMapsComeBackThroughTiledByteForByte)
{
    ASSERT_NO_FATAL_FAILURE(copySample("game"));
    testing::MapGenerator generator(2023, true);
    for (int i = 0; i <= 20; ++i) {
        const std::string name = i == 0 ? "map1" : "level" + std::to_string(i);
        if (i > 0)
            testing::writeGameFolder("game", generator.next(), name);
        const std::string map = readFile("game/map/" + name + ".map");
        const std::string script = readFile("game/map/" + name + ".msc");
        ASSERT_EQ(tmx({"export", "-C", "game", "-o", "ours.tmx", "map\\" + name + ".map"}).status, 0) << name;
        tiledExport("ours.tmx", "tiled.json");
        tiledExport("tiled.json", "tiled.tmx");
        expectImport("tiled.json", map, script);
        expectImport("tiled.tmx", map, script);
        if (HasFailure())
            return;
    }
}

// Tiled writes a map's data in the encoding it read it in.
TEST_F(TiledCheck, EveryDataEncodingTiledWritesReadsBack)
{
    ASSERT_NO_FATAL_FAILURE(copySample("game"));
    ASSERT_EQ(tmx({"export", "-C", "game", "map\\map1.map"}).status, 0);
    const std::string ours = readFile("map1.tmx");
    const std::size_t start = ours.find("<data encoding=\"csv\">");
    const std::size_t end = ours.find("</data>", start) + 7;
    const Gids gids = *decodeCsv(ours.substr(start + 21, end - start - 28));
    const std::string map = readFile("game/map/map1.map");
    const std::string script = readFile("game/map/map1.msc");
    for (const std::string compression : {"", "zlib", "gzip", "zstd", "xml"}) {
        std::string data = "<data>";
        for (const std::uint32_t gid : gids)
            data += "<tile gid=\"" + std::to_string(gid) + "\"/>";
        if (compression != "xml")
            data = "<data encoding=\"base64\"" + (compression.empty() ? "" : " compression=\"" + compression + "\"") +
                   ">" + testing::packed(gids, compression);
        writeFile("edited.tmx", std::string(ours).replace(start, end - start, data + "</data>"));
        tiledExport("edited.tmx", "tiled.tmx");
        tiledExport("edited.tmx", "tiled.json");
        const std::string written = readFile("tiled.tmx");
        EXPECT_NE(written.find(compression == "xml" ? "<tile gid=" : "encoding=\"base64\""), std::string::npos) << compression;
        expectImport("tiled.tmx", map, script);
        expectImport("tiled.json", map, script);
    }
}

// Tiled's drawing laid on the neutral grey, against tervok-render's.
void expectSamePixels(const QImage& tiled, const QImage& ours, const std::string& what)
{
    ASSERT_EQ(tiled.size(), QSize(2000, 2000)) << what;
    ASSERT_EQ(ours.size(), QSize(2000, 2000)) << what;
    QImage laid(tiled.size(), QImage::Format_RGB32);
    laid.fill(0xFF808080);
    QPainter(&laid).drawImage(0, 0, tiled);
    const QImage drawn = ours.convertToFormat(QImage::Format_RGB32);
    int differing = 0;
    for (int y = 0; y < laid.height(); ++y)
        for (int x = 0; x < laid.width(); ++x)
            differing += laid.pixel(x, y) != drawn.pixel(x, y);
    EXPECT_EQ(differing, 0) << what;
}

TEST_F(TiledCheck, TiledDrawsAnExportedMapAsTervokRenderDrawsIt)
{
    ASSERT_NO_FATAL_FAILURE(copySample("game"));
    for (const bool damaged : {false, true}) {
        if (damaged) {  // a row of tile 0 (unnamed) and tile 100; bitmaps gone, cut short, named in capitals
            std::string map = readFile("game/map/map1.map");
            map.replace(0, 100, std::string(50, '\0') + std::string(50, '\x64'));
            writeFile("game/map/map1.map", map);
            fs::remove("game/ep/lava.bmp");
            fs::resize_file("game/ep/water.bmp", 100);
            fs::rename("game/ep/sand.bmp", "game/ep/SAND.BMP");
        }
        ASSERT_EQ(tmx({"export", "-C", "game", "map\\map1.map"}).status, 0);
        const ProgramRun render = tervok::testing::runOnConsole(TERVOK_RENDER_PROGRAM, {"-C", "game", "-o", "ours.png", "map\\map1.map"});
        ASSERT_EQ(render.status, 0) << render.err;
        expectSamePixels(rasterized("map1.tmx"), QImage("ours.png"), damaged ? "with a bitmap missing" : "the sample");
    }
}

}  // namespace
}  // namespace tmx
