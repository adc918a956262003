#include "common/text/field_reader.h"

#include <gtest/gtest.h>

#include <vector>

namespace tervok {
namespace {

std::vector<std::string> allFields(std::string bytes)
{
    FieldReader reader(std::move(bytes));
    std::vector<std::string> fields;
    while (!reader.atEnd())
        fields.push_back(*reader.next());
    return fields;
}

using Fields = std::vector<std::string>;

TEST(FieldReader, SplitsAtCommasAndLineEndsAndSkipsLeadingBlanks)
{
    EXPECT_EQ(allFields("a,b\r\n  c d \r\n"), (Fields{"a", "b", "c d "}));
    EXPECT_EQ(allFields("05 12 big,fire.spr\r\n"), (Fields{"05 12 big", "fire.spr"}));
}

TEST(FieldReader, EmptyLinesGiveEmptyFieldsAndLastLineNeedsNoLineEnd)
{
    EXPECT_EQ(allFields("a\r\n\r\nb"), (Fields{"a", "", "b"}));
    EXPECT_EQ(allFields("a\r\n\r\n"), (Fields{"a", ""}));
    EXPECT_EQ(allFields("a\r\n"), (Fields{"a"}));
    EXPECT_EQ(allFields("a\nb\rc"), (Fields{"a", "b", "c"}));
}

TEST(FieldReader, QuotedFieldRunsToClosingQuoteAndDropsTheRestUpToTheSeparator)
{
    EXPECT_EQ(allFields("\"a,b\" x,c\r\n"), (Fields{"a,b", "c"}));
    EXPECT_EQ(allFields("\"line\r\nbreak\"\r\nnext"), (Fields{"line\r\nbreak", "next"}));
    EXPECT_EQ(allFields("\"unclosed"), (Fields{"unclosed"}));
}

TEST(FieldReader, ReadingPastTheEndFails)
{
    FieldReader reader("x");
    EXPECT_EQ(reader.next(), "x");
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(reader.next(), std::nullopt);
    FieldReader empty("");
    EXPECT_TRUE(empty.atEnd());
    EXPECT_EQ(empty.next(), std::nullopt);
}

TEST(FieldReader, AnyBytesTerminate)
{
    std::string bytes;
    for (int i = 0; i < 256; ++i)
        bytes.push_back(static_cast<char>(i));
    bytes += "\"\r\n,,\"";
    const Fields fields = allFields(bytes);
    EXPECT_FALSE(fields.empty());
}

}  // namespace
}  // namespace tervok
