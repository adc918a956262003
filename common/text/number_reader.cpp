#include "common/text/number_reader.h"

#include <cctype>
#include <optional>
#include <cmath>
#include <charconv>
#include <system_error>
#include <limits>

namespace tervok {
namespace {

bool isSkipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Collects the characters of the number, with the skipped characters removed,
// into a plain C-locale literal that strtod can read.
class NumberScanner {
public:
    explicit NumberScanner(std::string_view text) : text_(text) {}

    std::string scan()
    {
        if (peekIs('+') || peekIs('-'))
            take();
        const bool intDigits = takeDigits();
        bool fracDigits = false;
        if (peekIs('.')) {
            take();
            fracDigits = takeDigits();
        }
        if (!intDigits && !fracDigits)
            return {};
        scanExponent();
        return out_;
    }

    // Whether nothing but skipped characters follows what scan() took.
    bool atEnd() { return peek() == '\0' && pos_ >= text_.size(); }

private:
    char peek()
    {
        while (pos_ < text_.size() && isSkipped(text_[pos_]))
            ++pos_;
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }
    bool peekIs(char c) { return peek() == c; }
    void take() { out_.push_back(text_[pos_++]); }
    bool takeDigits()
    {
        bool any = false;
        while (isDigit(peek())) {
            take();
            any = true;
        }
        return any;
    }
    // An exponent counts only when digits follow the letter (and sign).
    void scanExponent()
    {
        const char c = peek();
        if (c != 'e' && c != 'E' && c != 'd' && c != 'D')
            return;
        const std::size_t savedPos = pos_;
        const std::size_t savedLen = out_.size();
        ++pos_;
        out_.push_back('e');
        if (peekIs('+') || peekIs('-'))
            take();
        if (!takeDigits()) {
            pos_ = savedPos;
            out_.resize(savedLen);
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::string out_;
};

}  // namespace

namespace {

// The value of a literal the scanner collected; 0 for none.
double valueOf(const std::string& literal)
{
    if (literal.empty())
        return 0.0;
    // from_chars ignores the C locale, so "." stays the decimal point
    // whatever the user's locale; it takes no leading "+" and reports
    // overflow instead of giving infinity.
    std::string_view digits = literal;
    if (digits.front() == '+')
        digits.remove_prefix(1);
    double value = 0.0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        const bool negative = digits.front() == '-';
        const bool tiny = literal.find("e-") != std::string::npos;
        if (tiny)
            return 0.0;
        return negative ? -std::numeric_limits<double>::max() : std::numeric_limits<double>::max();
    }
    return value;
}

// The common case of a data file's number: an optional sign and up to 15
// digits, nothing else. The general scanner gives the same value.
std::optional<double> plainInteger(std::string_view text)
{
    const bool negative = !text.empty() && text.front() == '-';
    const std::size_t start = !text.empty() && (text.front() == '-' || text.front() == '+') ? 1 : 0;
    if (text.size() == start || text.size() - start > 15)
        return std::nullopt;
    long long value = 0;
    for (std::size_t i = start; i < text.size(); ++i) {
        if (!isDigit(text[i]))
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return negative ? -static_cast<double>(value) : static_cast<double>(value);
}

}  // namespace

double readNumber(std::string_view text)
{
    if (const std::optional<double> value = plainInteger(text))
        return *value;
    return valueOf(NumberScanner(text).scan());
}

std::optional<double> readWholeNumber(std::string_view text)
{
    if (const std::optional<double> value = plainInteger(text))
        return value;
    NumberScanner scanner(text);
    const std::string literal = scanner.scan();
    if (literal.empty() || !scanner.atEnd())
        return std::nullopt;
    return valueOf(literal);
}

bool isWholeNumberText(std::string_view text)
{
    NumberScanner scanner(text);
    return !scanner.scan().empty() && scanner.atEnd();
}

double roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    return std::nearbyint(value);  // the default rounding mode is to nearest, ties to even
}

std::int16_t toInt16(double value)
{
    if (std::isnan(value))
        return 0;
    const double r = roundHalfEven(value);
    if (r < std::numeric_limits<std::int16_t>::min())
        return std::numeric_limits<std::int16_t>::min();
    if (r > std::numeric_limits<std::int16_t>::max())
        return std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(r);
}

std::string signedText(double value)
{
    char buffer[64];
    buffer[0] = ' ';
    char* const digits = buffer + 1;
    char* end = nullptr;
    // Whole numbers below 10^15 have the same digits either way; written as
    // integers they take a fraction of the time (and -0 comes out as "0").
    if (std::trunc(value) == value && std::abs(value) < 1e15)
        end = std::to_chars(digits, buffer + sizeof buffer, static_cast<long long>(value)).ptr;
    else
        end = std::to_chars(digits, buffer + sizeof buffer, value, std::chars_format::general, 15).ptr;
    return std::string(*digits == '-' ? digits : buffer, end);
}

std::string plainText(long long value)
{
    return std::to_string(value);
}

}  // namespace tervok
