#include "common/text/number_reader.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cmath>
#include <limits>

namespace tervok {
namespace {

TEST(NumberReader, ReadsTheLeadingNumberAndSkipsBlanksAnywhere)
{
    EXPECT_EQ(readNumber("05"), 5);
    EXPECT_EQ(readNumber("7 "), 7);
    EXPECT_EQ(readNumber("ab"), 0);
    EXPECT_EQ(readNumber("03 12"), 312);
    EXPECT_EQ(readNumber(" -1"), -1);
    EXPECT_EQ(readNumber("- 4\t2"), -42);
    EXPECT_EQ(readNumber("7.5"), 7.5);
    EXPECT_EQ(readNumber(".5x"), 0.5);
    EXPECT_EQ(readNumber("12abc"), 12);
    EXPECT_EQ(readNumber(""), 0);
    EXPECT_EQ(readNumber("-"), 0);
    EXPECT_EQ(readNumber("."), 0);
}

TEST(NumberReader, TellsAWholeNumberFromTextThatHoldsMore)
{
    for (const char* number : {"12", " -3.5e2", "0 5", "+.5", "7\t"})
        EXPECT_TRUE(isWholeNumberText(number)) << number;
    for (const char* other : {"", " ", "12a", "1,5", "-", "abc", "1\r"}) {
        EXPECT_FALSE(isWholeNumberText(other)) << other;
        EXPECT_EQ(readWholeNumber(other), std::nullopt) << other;
    }
    EXPECT_EQ(readWholeNumber(" -3.5e2"), -350.0);
    EXPECT_EQ(readWholeNumber("0 5"), 5.0);
    const std::string_view nul("1.5\0", 4);  // a NUL is a character like any other
    EXPECT_FALSE(isWholeNumberText(nul));
    EXPECT_EQ(readNumber(nul), 1.5);
}

// Only blanks, tabs and line feeds are skipped: a carriage return ends the
// number as any other character does.
TEST(NumberReader, ACarriageReturnStopsTheNumber)
{
    EXPECT_EQ(readNumber("\r5"), 0);
    EXPECT_EQ(readNumber("1\r2"), 1);
    EXPECT_EQ(readNumber("1\n2"), 12);
    EXPECT_EQ(readNumber("- \r4"), 0);
}

// The exponent's letter is e, E, d or D; without digits after it (and its
// sign) it is no part of the number, so the text is no whole number.
TEST(NumberReader, ReadsAnExponentOnlyWithDigits)
{
    EXPECT_EQ(readNumber("1e3"), 1000);
    EXPECT_EQ(readNumber("1E3"), 1000);
    EXPECT_EQ(readNumber("2d2"), 200);
    EXPECT_EQ(readNumber("3D-1"), 0.3);
    EXPECT_EQ(readWholeNumber("5E+1"), 50.0);
    EXPECT_EQ(readNumber("1E"), 1);
    EXPECT_EQ(readNumber("2e+x"), 2);
    EXPECT_EQ(readNumber("1e999"), std::numeric_limits<double>::max());
    EXPECT_EQ(readNumber("-1d999"), -std::numeric_limits<double>::max());
    EXPECT_EQ(readNumber("1e-999"), 0);
    for (const char* cut : {"1e", "1e+", "1D-", "2x"}) {
        EXPECT_FALSE(isWholeNumberText(cut)) << cut;
        EXPECT_EQ(readWholeNumber(cut), std::nullopt) << cut;
    }
}

// Up to 15 digits are read as a whole number at once; longer ones take the
// general way, which rounds to the nearest double and never overflows.
TEST(NumberReader, SignsAndLongDigitRunsGiveTheNearestValue)
{
    EXPECT_EQ(readNumber("+1.5"), 1.5);
    EXPECT_EQ(readWholeNumber("+7"), 7.0);
    EXPECT_EQ(readNumber("-42"), -42);
    EXPECT_EQ(readWholeNumber("+12"), 12.0);
    // A view ends where it ends, whatever the bytes after it.
    EXPECT_EQ(readNumber(std::string_view("1234").substr(0, 2)), 12);
    EXPECT_EQ(readNumber(std::string_view("-1.55").substr(0, 4)), -1.5);
    EXPECT_EQ(readWholeNumber("-0"), 0.0);
    EXPECT_EQ(readNumber("999999999999999"), 999999999999999.0);
    EXPECT_EQ(readNumber("1234567890123456"), 1234567890123456.0);
    EXPECT_EQ(readNumber("-12345678901234567"), -12345678901234567.0);
    EXPECT_EQ(readWholeNumber("9999999999999999999"), 9999999999999999999.0);
    EXPECT_EQ(readNumber("+99999999999999999999"), 99999999999999999999.0);
}

TEST(NumberReader, RoundsHalvesToEvenAndClampsTo16Bits)
{
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(toInt16(12.5), 12);
    EXPECT_EQ(toInt16(40000), 32767);
    EXPECT_EQ(toInt16(-40000), -32768);
    EXPECT_EQ(toInt16(std::nan("")), 0);
}

TEST(SignedText, BlankBeforeZeroAndPositiveMinusBeforeNegative)
{
    EXPECT_EQ(signedText(5), " 5");
    EXPECT_EQ(signedText(0), " 0");
    EXPECT_EQ(signedText(-0.0), " 0");
    EXPECT_EQ(signedText(-1), "-1");
    EXPECT_EQ(signedText(130), " 130");
    EXPECT_EQ(signedText(7.25), " 7.25");
    EXPECT_EQ(signedText(-0.5), "-0.5");
    EXPECT_EQ(signedText(1.0 / 3), " 0.333333333333333");  // 15 significant digits
    EXPECT_EQ(signedText(-999999999999999.0), "-999999999999999");
    EXPECT_EQ(signedText(1e15), " 1e+15");
    EXPECT_EQ(plainText(5), "5");
    EXPECT_EQ(plainText(-3), "-3");
}

// The build makes a German locale of its own (common/CMakeLists.txt); glibc
// finds it through LOCPATH, which setlocale reads at each call.
bool useGermanLocale()
{
    if (std::setlocale(LC_ALL, "de_DE.UTF-8"))
        return true;
    ::setenv("LOCPATH", TERVOK_TEST_LOCALES, 1);
    const bool made = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    ::unsetenv("LOCPATH");
    return made;
}

TEST(NumberText, DecimalPointIsAPointInAnyLocale)
{
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!useGermanLocale())
        GTEST_SKIP() << "no German locale: install Debian's \"locales\" and build again";
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%.1f", 7.5);
    EXPECT_STREQ(buffer, "7,5") << "the German locale is in force";
    EXPECT_EQ(readNumber("7.5"), 7.5);
    EXPECT_EQ(readNumber("7,5"), 7);
    EXPECT_EQ(signedText(7.5), " 7.5");
    EXPECT_EQ(signedText(-0.25), "-0.25");
    std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace
}  // namespace tervok
