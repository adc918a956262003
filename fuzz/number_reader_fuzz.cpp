// The number reader on any text: the value is always a finite number, the
// conversions that follow it are defined, and the signed text written for it
// reads back as the same number to the digits it keeps.
#include "common/text/number_reader.h"
#include "fuzz/fuzz_check.h"

#include <cmath>

using tervok::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text = tervok::fuzz::bytesOf(data, size);
    const double value = tervok::readNumber(text);
    check(std::isfinite(value), "a read number is finite");

    const double rounded = tervok::roundHalfEven(value);
    check(std::isfinite(rounded) && std::abs(rounded - value) <= 0.5, "rounding moves by at most a half");
    tervok::toInt16(value);

    const double again = tervok::readNumber(tervok::signedText(value));
    const double tolerance = std::abs(value) * 1e-14 + 1e-300;
    check(std::abs(again - value) <= tolerance, "signed text reads back as the same number");
    return 0;
}
