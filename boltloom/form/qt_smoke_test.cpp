#include "boltloom/form/program.h"
#include "common/testing/temp_dir.h"
#include "toolkit/qt/qt_application.h"
#include "toolkit/qt/qt_caption_fit.h"

#include <gtest/gtest.h>

namespace boltloom {
namespace {

// Starts the real window on the Qt back end (offscreen) in a small data
// folder and looks at it through the toolkit contract.
TEST(BoltloomQtSmoke, WindowComesUpWithItsControls)
{
    tervok::testing::TempDir dir;
    tervok::testing::writeFile("sprites/particle.lst", "[nummer repeat sprite]\r\n05 12 fire.spr\r\n");
    int argc = 1;
    char name[] = "boltloom";
    char* argv[] = {name, nullptr};
    qtui::QtApplication app(argc, argv, "boltloom");
    {
        Program program(app.toolkit());
        Form1& form = program.form();
        EXPECT_EQ(form.window().caption(), "ShotEditor by Drummel V1");
        EXPECT_EQ(form.directory().text(), "shots\\");
        EXPECT_EQ(form.extension().text(), ".sht");
        EXPECT_EQ(form.schadenradius().text(), "0");
        EXPECT_EQ(form.particles().geometry(), (ui::Geometry{2760, 480, 1935, 3765}));
        ASSERT_EQ(form.particles().count(), 2);
        EXPECT_EQ(form.particles().item(1), " 5: fire.spr");
    }
}

// With the font the windows are laid out for (Arial, or Liberation Sans of
// the same metrics, which the package depends on), every caption fits its
// control.
TEST(BoltloomQtSmoke, EveryCaptionFitsItsControl)
{
    tervok::testing::TempDir dir;
    int argc = 1;
    char name[] = "boltloom";
    char* argv[] = {name, nullptr};
    qtui::QtApplication app(argc, argv, "boltloom");
    ASSERT_TRUE(qtui::testing::captionFontInstalled())
        << "captions are drawn in " << qtui::testing::captionFontFamily()
        << ", not in Arial or Liberation Sans: install fonts-liberation2 (./tervok test does)";
    Program program(app.toolkit());
    // Where the design leaves no room: "ttl (in frames)" is drawn whole, but
    // its box covers the top right corner of its frame's border.
    const qtui::testing::CaptionAllowance allowance{{"Frame3", 4}};
    EXPECT_EQ(qtui::testing::cutCaptions(program.form().window(), allowance), std::vector<std::string>{});
}

}  // namespace
}  // namespace boltloom
