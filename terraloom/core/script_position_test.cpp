#include "terraloom/core/script_position.h"

#include <gtest/gtest.h>

namespace terraloom {
namespace {

TEST(ScriptPosition, RightClickGivesTheMapPixelUnderThePointer)
{
    EXPECT_EQ(positionFromRightClick({1, 1}, 1, 150, 75), (ScriptPosition{10, 5}));
    EXPECT_EQ(positionFromRightClick({1, 1}, 12, 150, 75), (ScriptPosition{30, 25}));
    EXPECT_EQ(positionFromRightClick({91, 91}, 100, 0, 0), (ScriptPosition{1980, 1980}));
    EXPECT_EQ(positionFromRightClick({1, 1}, 1, 22, 38), (ScriptPosition{1, 3}));  // 1.47 and 2.53
    EXPECT_EQ(positionFromRightClick({1, 1}, 1, 7, 7), (ScriptPosition{0, 0}));    // a half goes to even
}

TEST(ScriptPosition, RoundSnapsToTheCentreAndKeepsYIn16Bits)
{
    EXPECT_EQ(roundToTileCentre({10, 5}), (ScriptPosition{10, 10}));
    EXPECT_EQ(roundToTileCentre({1980, 1995}), (ScriptPosition{1990, 1990}));
    EXPECT_EQ(roundToTileCentre({-5, -5}), (ScriptPosition{-10, -10}));
    EXPECT_EQ(roundToTileCentre({0, 32760}).y, 32767);
    EXPECT_EQ(roundToTileCentre({0, -32768}).y, -32768);
}

TEST(ScriptPosition, GotoPutsThePointInTheSixthColumnAndRow)
{
    EXPECT_EQ(viewForGoto({130, 250}), (ViewPosition{2, 8}));
    EXPECT_EQ(viewForGoto({50, 0}), (ViewPosition{1, 1}));
    EXPECT_EQ(viewForGoto({1990, 1990}), (ViewPosition{91, 91}));
    EXPECT_EQ(viewForGoto({1e300, -32768}), (ViewPosition{91, 1}));
}

TEST(ScriptPosition, LabelText)
{
    EXPECT_EQ(scriptPositionText({130, 250}), " 130 : 250");
    EXPECT_EQ(scriptPositionText({10.5, -3}), " 10.5 :-3");
}

}  // namespace
}  // namespace terraloom
