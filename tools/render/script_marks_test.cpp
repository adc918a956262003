// Player marks from a map's script: which rows give marks, the warning for
// a row that cannot be taken apart, and where a mark and its number land.
#include "tools/render/script_marks.h"

#include "formats/script_file.h"
#include "tools/render/digit_font.h"

#include <gtest/gtest.h>

#include <set>

namespace render {
namespace {

constexpr QRgb kGround = 0xFF808080;

QImage ground(int side)
{
    QImage picture(side, side, QImage::Format_RGB32);
    picture.fill(kGround);
    return picture;
}

TEST(ScriptMarks, PlayerRowsGiveMarksBrokenRowsAreListedWithTheirLineOthersAreLeftOut)
{
    // Line 2 holds two rows; the header is line 1.
    std::vector<std::size_t> lines;
    const tervok::Result<formats::ScriptRows> rows = formats::parseScriptFile(
        "[set <type>]\r\ndef player 1 1 130 90 3,set door 7 1 40 40 1\r\ngarbage\r\n"
        "set player 3 1 910.5 -20 1\r\nset player 2 1 330\r\n\r\n",
        &lines);
    ASSERT_TRUE(rows);
    const ScriptMarks marks = readScriptMarks(*rows, lines);
    ASSERT_EQ(marks.players.size(), 2u);
    EXPECT_EQ(marks.players[0].number, "1");
    EXPECT_EQ(marks.players[0].x, 130);
    EXPECT_EQ(marks.players[0].y, 90);
    EXPECT_EQ(marks.players[1].number, "3");
    EXPECT_EQ(marks.players[1].x, 910.5);
    EXPECT_EQ(marks.players[1].y, -20);
    ASSERT_EQ(marks.skipped.size(), 3u);
    EXPECT_EQ(marks.skipped[0].line, 3u);
    EXPECT_EQ(marks.skipped[0].text, "garbage");
    EXPECT_EQ(marks.skipped[1].line, 5u);
    EXPECT_EQ(marks.skipped[2].line, 6u);
}

// The row's bytes are Windows-1252 (0x9B is a closing angle quote there);
// a control character would drive the terminal.
TEST(ScriptMarks, TheWarningNamesScriptLineAndRowInUtf8WithControlsEscaped)
{
    EXPECT_EQ(skippedRowWarning("tervok-render", "map\\map1.msc", {4, "K\xE4se\x1b[2J\x9B"}),
              "tervok-render: map\\map1.msc:4: warning: cannot take the row apart: K\xC3\xA4se\\x1b[2J\xE2\x80\xBA");
}

TEST(ScriptMarks, AMarkIsAnOutlinedCrossAtItsPositionWithItsNumberBeside)
{
    QImage picture = ground(400);
    drawPlayerMarks(picture, {{130, 90, "3"}}, 1);
    for (int d = -kMarkArm; d <= kMarkArm; ++d) {
        EXPECT_EQ(picture.pixel(130 + d, 90), kMarkColour) << d;
        EXPECT_EQ(picture.pixel(130, 90 + d), kMarkColour) << d;
    }
    EXPECT_EQ(picture.pixel(130 + kMarkArm + 1, 90), kOutlineColour);
    EXPECT_EQ(picture.pixel(131, 91), kOutlineColour);
    EXPECT_EQ(picture.pixel(133, 93), kGround);
    // The number's 5 x 7 cell: white exactly where the glyph is, its
    // outline black around it.
    const int left = 130 + kMarkArm + 4;
    const int top = 90 - kGlyphHeight / 2;
    for (int row = 0; row < kGlyphHeight; ++row) {
        for (int column = 0; column < kGlyphWidth; ++column) {
            const QRgb pixel = picture.pixel(left + column, top + row);
            if (glyphPixel('3', column, row))
                EXPECT_EQ(pixel, kNumberColour) << column << ", " << row;
            else
                EXPECT_NE(pixel, kNumberColour) << column << ", " << row;
        }
    }
    EXPECT_EQ(picture.pixel(left - 1, top), kOutlineColour);
}

TEST(ScriptMarks, MarksFollowTheScaleAndAreCutAtThePicturesEdges)
{
    QImage overview = ground(200);
    drawPlayerMarks(overview, {{1490, 1490, "4"}, {1999, 0, "2"}, {-3, 2000, "-1"}, {1e12, 5, "9"}}, 0.1);
    EXPECT_EQ(overview.pixel(149, 149), kMarkColour);
    EXPECT_EQ(overview.pixel(199, 0), kMarkColour);
    EXPECT_EQ(overview.pixel(195, 0), kMarkColour);
    // Centre (-1, 200), just outside: only the outline of its arm shows.
    EXPECT_EQ(overview.pixel(0, 199), kOutlineColour);
    EXPECT_EQ(overview.pixel(5, 199), kGround);
}

TEST(DigitFont, EveryDigitAndTheMinusHaveAGlyphOfTheirOwnOtherCharactersABox)
{
    std::set<Glyph> seen;
    for (const char c : std::string("0123456789-")) {
        EXPECT_NE(glyphOf(c), Glyph{}) << c;
        EXPECT_TRUE(seen.insert(glyphOf(c)).second) << c;
    }
    EXPECT_EQ(glyphOf('x'), glyphOf('?'));
    EXPECT_FALSE(seen.count(glyphOf('x')));
}

}  // namespace
}  // namespace render
