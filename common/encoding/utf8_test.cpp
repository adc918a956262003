#include "common/encoding/utf8.h"

#include <gtest/gtest.h>

namespace tervok {
namespace {

std::size_t lengthOf(std::string_view bytes)
{
    return utf8SequenceLength(bytes, 0);
}

// Each well-formed sequence at the edges of the RFC 3629 table, beside the
// ill-formed one just across the edge.
TEST(Utf8, TakesWellFormedSequencesOnlyAsRfc3629DefinesThem)
{
    EXPECT_EQ(lengthOf("\x7F"), 1u);
    EXPECT_EQ(lengthOf("\xC2\x80"), 2u);
    EXPECT_EQ(lengthOf("\xC1\xBF"), 0u);          // overlong
    EXPECT_EQ(lengthOf("\xC0\x80"), 0u);          // overlong NUL
    EXPECT_EQ(lengthOf("\xE0\xA0\x80"), 3u);
    EXPECT_EQ(lengthOf("\xE0\x9F\xBF"), 0u);      // overlong
    EXPECT_EQ(lengthOf("\xED\x9F\xBF"), 3u);      // U+D7FF
    EXPECT_EQ(lengthOf("\xED\xA0\x80"), 0u);      // surrogate U+D800
    EXPECT_EQ(lengthOf("\xEF\xBF\xBF"), 3u);
    EXPECT_EQ(lengthOf("\xF0\x90\x80\x80"), 4u);  // U+10000
    EXPECT_EQ(lengthOf("\xF0\x8F\xBF\xBF"), 0u);  // overlong
    EXPECT_EQ(lengthOf("\xF4\x8F\xBF\xBF"), 4u);  // U+10FFFF
    EXPECT_EQ(lengthOf("\xF4\x90\x80\x80"), 0u);  // above U+10FFFF
    EXPECT_EQ(lengthOf("\xF5\x80\x80\x80"), 0u);
    EXPECT_EQ(lengthOf("\xFF"), 0u);
    EXPECT_EQ(lengthOf("\x80"), 0u);              // a continuation byte alone
    EXPECT_EQ(lengthOf("\xE2\x82"), 0u);          // cut short
    EXPECT_EQ(lengthOf("\xE2\x28\xA1"), 0u);
    EXPECT_EQ(utf8CodePointAt("\xF4\x8F\xBF\xBF", 0, 4), U'\U0010FFFF');
    EXPECT_EQ(utf8CodePointAt("\xE2\x82\xAC", 0, 3), U'\u20AC');
}

TEST(Utf8, TerminalTextKeepsLettersAndEscapesWhatCouldDriveTheTerminal)
{
    EXPECT_EQ(escapedForTerminal("K\xC3\xA4se \xE2\x82\xAC"), "K\xC3\xA4se \xE2\x82\xAC");
    EXPECT_EQ(escapedForTerminal("a\nb\rc\td\x1B[2J\x7F"), "a\\nb\\rc\\td\\x1b[2J\\x7f");
    EXPECT_EQ(escapedForTerminal("\x9B" "1m\xC2\x9B\xC2\x85\xC2\xA0"), "\\x9b1m\\u009b\\u0085\xC2\xA0");
    EXPECT_EQ(escapedForTerminal("\xED\xA0\x80\xE2\x82"), "\\xed\\xa0\\x80\\xe2\\x82");
    EXPECT_EQ(escapedForTerminal(std::string_view("\0x", 2)), "\\x00x");
}

}  // namespace
}  // namespace tervok
