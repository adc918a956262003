#include "common/encoding/utf8.h"

namespace tervok {
namespace {

// "\x1b", "\u009b": a prefix and the value's lowest hex digits.
void appendEscape(std::string& out, std::string_view prefix, unsigned value, int digits)
{
    static constexpr char kHex[] = "0123456789abcdef";
    out += prefix;
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
        out += kHex[(value >> shift) & 0xF];
}

// How many bytes from text[at] on are printable ASCII (space to "~"): the
// run that passes through unchanged, taken in one piece.
std::size_t plainAsciiRun(std::string_view text, std::size_t at)
{
    std::size_t end = at;
    while (end < text.size() && static_cast<unsigned char>(text[end] - 0x20) < 0x5F)
        ++end;
    return end - at;
}

}  // namespace

// The second byte carries the limits: E0 and F0 would be overlong below A0
// and 90, ED a surrogate from A0 on, F4 above U+10FFFF from 90 on.
std::size_t utf8SequenceLength(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() - at < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
    return length;
}

char32_t utf8CodePointAt(std::string_view text, std::size_t at, std::size_t length)
{
    static constexpr unsigned char kLeadBits[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t cp = static_cast<unsigned char>(text[at]) & kLeadBits[length];
    for (std::size_t i = 1; i < length; ++i)
        cp = (cp << 6) | (static_cast<unsigned char>(text[at + i]) & 0x3F);
    return cp;
}

std::string escapedForTerminal(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t plain = plainAsciiRun(text, at);
        out.append(text, at, plain);
        if ((at += plain) == text.size())
            break;
        const std::size_t length = utf8SequenceLength(text, at);
        if (length == 0) {
            appendEscape(out, "\\x", static_cast<unsigned char>(text[at]), 2);
            ++at;
            continue;
        }
        const char32_t cp = utf8CodePointAt(text, at, length);
        if (cp == '\n')
            out += "\\n";
        else if (cp == '\r')
            out += "\\r";
        else if (cp == '\t')
            out += "\\t";
        else if (cp < 0x20 || cp == 0x7F)
            appendEscape(out, "\\x", static_cast<unsigned>(cp), 2);
        else if (cp >= 0x80 && cp <= 0x9F)
            appendEscape(out, "\\u", static_cast<unsigned>(cp), 4);
        else
            out.append(text, at, length);
        at += length;
    }
    return out;
}

}  // namespace tervok
