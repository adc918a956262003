#include "tools/tmx/byte_escapes.h"

#include "common/encoding/cp1252.h"

#include <algorithm>

namespace tmx {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

bool needsEscape(unsigned char byte)
{
    switch (byte) {
    case 0x81: case 0x8D: case 0x8F: case 0x90: case 0x9D: return true;
    default: return byte < 0x20 || byte == 0x7F || byte == '\\';
    }
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

}  // namespace

std::string escapeBytes(std::string_view bytes)
{
    // Most texts are plain ASCII and stay as they are.
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return c >= 0x20 && c < 0x7F && c != '\\'; }))
        return std::string(bytes);
    std::string text;
    text.reserve(bytes.size());
    std::size_t plainStart = 0;
    auto flushPlain = [&](std::size_t end) {
        text += tervok::cp1252ToUtf8(bytes.substr(plainStart, end - plainStart));
    };
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (!needsEscape(byte))
            continue;
        flushPlain(i);
        if (byte == '\\') {
            text += "\\\\";
        } else {
            text += "\\x";
            text += kHexDigits[byte >> 4];
            text += kHexDigits[byte & 0x0F];
        }
        plainStart = i + 1;
    }
    flushPlain(bytes.size());
    return text;
}

std::string unescapeText(std::string_view utf8)
{
    std::string bytes;
    bytes.reserve(utf8.size());
    std::size_t plainStart = 0;
    auto flushPlain = [&](std::size_t end) {
        bytes += tervok::utf8ToCp1252(utf8.substr(plainStart, end - plainStart));
    };
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] != '\\' || i + 1 == utf8.size())
            continue;
        if (utf8[i + 1] == '\\') {
            flushPlain(i);
            bytes += '\\';
            plainStart = i + 2;
            ++i;
        } else if (utf8[i + 1] == 'x' && i + 3 < utf8.size() && hexValue(utf8[i + 2]) >= 0 &&
                   hexValue(utf8[i + 3]) >= 0) {
            flushPlain(i);
            bytes += static_cast<char>(hexValue(utf8[i + 2]) * 16 + hexValue(utf8[i + 3]));
            plainStart = i + 4;
            i += 3;
        }
    }
    flushPlain(utf8.size());
    return bytes;
}

}  // namespace tmx
