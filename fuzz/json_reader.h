#pragma once
// A strict reader of JSON text (RFC 8259) for the fuzz targets that print
// JSON: any value; strings of well-formed UTF-8 (RFC 3629, checked here
// apart from the code that wrote them), no raw control characters, only
// the escapes JSON knows, surrogates only in pairs; nothing but blanks
// around the top value. It keeps what a check needs: each value's kind, a
// string or number as written, an array's items and an object's members
// in order. It is the target's oracle, not code under test, so the fuzzer
// does not trace it.
#include "fuzz/fuzz_check.h"

#include <optional>
#include <string_view>
#include <vector>

namespace tervok::fuzz {

struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object } kind = Kind::Null;
    std::string_view raw;            // a string between its quotes as written, a number, "true" or "false"
    std::vector<JsonValue> items;    // an array's items, or an object's values
    std::vector<std::string_view> keys;  // an object's names as written, one for each of its items

    TERVOK_FUZZ_UNTRACED const JsonValue* member(std::string_view name) const
    {
        for (std::size_t i = 0; i < keys.size(); ++i)
            if (keys[i] == name)
                return &items[i];
        return nullptr;
    }
};

class JsonReader {
public:
    // The value the whole text holds, or nothing when it is no JSON.
    TERVOK_FUZZ_UNTRACED static std::optional<JsonValue> parse(std::string_view text)
    {
        JsonReader reader(text);
        JsonValue value;
        if (!reader.value(value, 0))
            return std::nullopt;
        reader.blanks();
        if (reader.at_ != text.size())
            return std::nullopt;
        return value;
    }

private:
    static constexpr int kMaxDepth = 64;
    static constexpr std::size_t kFewItems = 8;  // room made at once for an array's or object's items

    explicit JsonReader(std::string_view text) : text_(text) {}

    TERVOK_FUZZ_UNTRACED unsigned char byte(std::size_t at) const
    {
        return at < text_.size() ? static_cast<unsigned char>(text_[at]) : 0;
    }
    TERVOK_FUZZ_UNTRACED void blanks()
    {
        while (byte(at_) == ' ' || byte(at_) == '\t' || byte(at_) == '\n' || byte(at_) == '\r')
            ++at_;
    }
    TERVOK_FUZZ_UNTRACED bool take(char c)
    {
        blanks();
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }
    TERVOK_FUZZ_UNTRACED bool word(std::string_view w)
    {
        if (text_.substr(at_, w.size()) != w)
            return false;
        at_ += w.size();
        return true;
    }

    TERVOK_FUZZ_UNTRACED bool value(JsonValue& out, int depth)
    {
        blanks();
        if (at_ >= text_.size() || depth > kMaxDepth)
            return false;
        const std::size_t start = at_;
        switch (text_[at_]) {
        case '"':
            out.kind = JsonValue::Kind::String;
            return string(out.raw);
        case '[':
            out.kind = JsonValue::Kind::Array;
            out.items.reserve(kFewItems);
            ++at_;
            if (take(']'))
                return true;
            do {
                out.items.emplace_back();
                if (!value(out.items.back(), depth + 1))
                    return false;
            } while (take(','));
            return take(']');
        case '{':
            out.kind = JsonValue::Kind::Object;
            out.items.reserve(kFewItems);
            out.keys.reserve(kFewItems);
            ++at_;
            if (take('}'))
                return true;
            do {
                out.keys.emplace_back();
                blanks();
                if (!string(out.keys.back()) || !take(':'))
                    return false;
                out.items.emplace_back();
                if (!value(out.items.back(), depth + 1))
                    return false;
            } while (take(','));
            return take('}');
        default:
            if (word("null"))
                return true;
            if (word("true") || word("false")) {
                out.kind = JsonValue::Kind::Bool;
            } else if (number()) {
                out.kind = JsonValue::Kind::Number;
            } else {
                return false;
            }
            out.raw = text_.substr(start, at_ - start);
            return true;
        }
    }

    TERVOK_FUZZ_UNTRACED bool digits()
    {
        const std::size_t start = at_;
        while (byte(at_) >= '0' && byte(at_) <= '9')
            ++at_;
        return at_ > start;
    }
    // -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?
    TERVOK_FUZZ_UNTRACED bool number()
    {
        word("-");
        if (!word("0") && !(byte(at_) >= '1' && byte(at_) <= '9' && digits()))
            return false;
        if (word(".") && !digits())
            return false;
        if (word("e") || word("E")) {
            if (!word("+"))
                word("-");
            if (!digits())
                return false;
        }
        return true;
    }

    // Four hex digits.
    TERVOK_FUZZ_UNTRACED std::optional<unsigned> hex4()
    {
        unsigned value = 0;
        for (int i = 0; i < 4; ++i, ++at_) {
            const unsigned char c = byte(at_);
            const int digit = c >= '0' && c <= '9'   ? c - '0'
                              : c >= 'a' && c <= 'f' ? c - 'a' + 10
                              : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                     : -1;
            if (digit < 0)
                return std::nullopt;
            value = value * 16 + static_cast<unsigned>(digit);
        }
        return value;
    }
    // After "\u": a code point, a surrogate only as the first of a pair.
    TERVOK_FUZZ_UNTRACED bool unicodeEscape()
    {
        const std::optional<unsigned> high = hex4();
        if (!high)
            return false;
        if (*high < 0xD800 || *high > 0xDFFF)
            return true;
        if (*high > 0xDBFF || !word("\\u"))
            return false;
        const std::optional<unsigned> low = hex4();
        return low && *low >= 0xDC00 && *low <= 0xDFFF;
    }
    // The length of the well-formed UTF-8 sequence of two to four bytes at
    // at_ (RFC 3629, table 3-7 of the Unicode standard), or 0.
    TERVOK_FUZZ_UNTRACED std::size_t multiByteSequence() const
    {
        const unsigned char lead = byte(at_), second = byte(at_ + 1);
        const auto continuation = [this](std::size_t i) { return (byte(at_ + i) & 0xC0) == 0x80; };
        if (lead >= 0xC2 && lead <= 0xDF)
            return continuation(1) ? 2 : 0;
        const bool second3 = lead == 0xE0   ? second >= 0xA0 && second <= 0xBF
                             : lead == 0xED ? second >= 0x80 && second <= 0x9F
                                            : lead >= 0xE1 && lead <= 0xEF && continuation(1);
        if (second3)
            return continuation(2) ? 3 : 0;
        const bool second4 = lead == 0xF0   ? second >= 0x90 && second <= 0xBF
                             : lead == 0xF4 ? second >= 0x80 && second <= 0x8F
                                            : lead >= 0xF1 && lead <= 0xF3 && continuation(1);
        return second4 && continuation(2) && continuation(3) ? 4 : 0;
    }
    TERVOK_FUZZ_UNTRACED bool string(std::string_view& raw)
    {
        if (!word("\""))
            return false;
        const std::size_t start = at_;
        while (at_ < text_.size()) {
            const unsigned char c = byte(at_);
            if (c == '"') {
                raw = text_.substr(start, at_ - start);
                ++at_;
                return true;
            }
            if (c < 0x20)
                return false;  // a control character must be escaped
            if (c == '\\') {
                const unsigned char e = byte(++at_);
                ++at_;
                if (e == 'u' ? !unicodeEscape() : std::string_view("\"\\/bfnrt").find(static_cast<char>(e)) == std::string_view::npos)
                    return false;
            } else if (c < 0x80) {
                ++at_;
            } else if (const std::size_t length = multiByteSequence()) {
                at_ += length;
            } else {
                return false;
            }
        }
        return false;
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

}  // namespace tervok::fuzz
