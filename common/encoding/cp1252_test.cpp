#include "encoding/cp1252.h"

#include <gtest/gtest.h>

namespace tervok {
namespace {

TEST(Cp1252, EveryByteSurvivesTheRoundTripThroughUtf8)
{
    std::string all;
    for (int i = 0; i < 256; ++i)
        all.push_back(static_cast<char>(i));
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
}

TEST(Cp1252, MapsTheSpecialRangeAndUndefinedBytes)
{
    EXPECT_EQ(cp1252ToUtf8("\x80"), "\xE2\x82\xAC");  // euro sign
    EXPECT_EQ(cp1252ToUtf8("\xE4"), "\xC3\xA4");      // a umlaut
    EXPECT_EQ(cp1252ToCodePoint(0x81), U'\u0081');
    EXPECT_EQ(cp1252ToCodePoint(0x9D), U'\u009D');
}

TEST(Cp1252, UnmappableAndMalformedInputBecomesQuestionMarks)
{
    EXPECT_EQ(utf8ToCp1252("\xE6\x97\xA5"), "?");   // a CJK character
    EXPECT_EQ(utf8ToCp1252("\xF0\x9F\x98\x80"), "?");  // an emoji
    EXPECT_EQ(utf8ToCp1252("a\xC3"), "a?");          // truncated sequence
    EXPECT_EQ(utf8ToCp1252("\xFF" "b"), "?b");
}

}  // namespace
}  // namespace tervok
