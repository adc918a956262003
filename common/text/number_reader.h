#pragma once
// Turns texts into numbers and numbers into texts the way the data files
// expect them, independent of the user's locale.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tervok {

// The numeric value of a text: blanks, tabs and line feeds are skipped
// wherever they stand; then an optional sign, digits, an optional "." with
// digits and an optional exponent are read. A text that does not begin with a
// number gives 0.
double readNumber(std::string_view text);

// Whether the number reader takes the whole text as one number (blanks,
// tabs and line feeds aside): "12", " -3.5e2"; not "", "12a", "1,5".
bool isWholeNumberText(std::string_view text);

// The value of a text that is one number and nothing more, in one reading;
// nothing when isWholeNumberText would say no.
std::optional<double> readWholeNumber(std::string_view text);

// Nearest whole number, a half going to the even neighbour.
double roundHalfEven(double value);

// Rounded half to even and kept inside the signed 16-bit range.
std::int16_t toInt16(double value);

// Signed decimal text: one blank in front of zero and positive numbers, a
// minus sign in front of negative ones; "." as decimal point.
std::string signedText(double value);

// Plain decimal text of a whole number, without the leading blank.
std::string plainText(long long value);

}  // namespace tervok
