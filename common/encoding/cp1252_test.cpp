#include "common/encoding/cp1252.h"

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

TEST(Cp1252, ExactConversionRefusesWhatWindows1252CannotHold)
{
    EXPECT_EQ(utf8ToCp1252Exactly("w\xC3\x9Cste?.spr"), "w\xDCste?.spr");
    EXPECT_EQ(utf8ToCp1252Exactly("\xE2\x82\xAC"), "\x80");
    EXPECT_EQ(utf8ToCp1252Exactly("\xD0\xBA\xD0\xBE\xD1\x82.spr"), std::nullopt);  // Cyrillic
    EXPECT_EQ(utf8ToCp1252Exactly("a\xFF"), std::nullopt);                          // no UTF-8
    EXPECT_EQ(utf8ToCp1252Exactly(""), "");
}

TEST(Cp1252, FoldsCaseAsWindowsDoes)
{
    EXPECT_EQ(foldCaseCp1252('A'), 'a');
    EXPECT_EQ(foldCaseCp1252('z'), 'z');
    EXPECT_EQ(foldCaseCp1252(0xC0), 0xE0);  // À
    EXPECT_EQ(foldCaseCp1252(0xDC), 0xFC);  // Ü
    EXPECT_EQ(foldCaseCp1252(0xDE), 0xFE);  // Þ
    EXPECT_EQ(foldCaseCp1252(0xD7), 0xD7);  // × has no lower case
    EXPECT_EQ(foldCaseCp1252(0xF7), 0xF7);  // ÷ neither
    EXPECT_EQ(foldCaseCp1252(0xDF), 0xDF);  // ß has no capital here
    EXPECT_EQ(foldCaseCp1252(0x8A), 0x9A);  // Š
    EXPECT_EQ(foldCaseCp1252(0x8C), 0x9C);  // Œ
    EXPECT_EQ(foldCaseCp1252(0x8E), 0x9E);  // Ž
    EXPECT_EQ(foldCaseCp1252(0x9F), 0xFF);  // Ÿ
    EXPECT_EQ(foldCaseCp1252(0x80), 0x80);
}

}  // namespace
}  // namespace tervok
