#include "common/text/field_reader.h"

#include <algorithm>

namespace tervok {
namespace {

// Line ends inside a quoted value, counted as skipLineEnd counts them.
std::size_t lineEndsIn(const std::string& text)
{
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
            ++count;
    return count;
}

}  // namespace

bool FieldReader::atLineEnd() const
{
    return bytes_[pos_] == '\r' || bytes_[pos_] == '\n';
}

// CR LF counts as one line end; a lone CR or LF ends a line as well.
void FieldReader::skipLineEnd()
{
    ++line_;
    if (bytes_[pos_] == '\r' && pos_ + 1 < bytes_.size() && bytes_[pos_ + 1] == '\n')
        pos_ += 2;
    else
        pos_ += 1;
}

void FieldReader::skipBlanks()
{
    while (pos_ < bytes_.size() && bytes_[pos_] == ' ')
        ++pos_;
}

std::string FieldReader::readPlain()
{
    const std::size_t start = pos_;
    while (pos_ < bytes_.size() && bytes_[pos_] != ',' && !atLineEnd())
        ++pos_;
    std::string value = bytes_.substr(start, pos_ - start);
    if (pos_ < bytes_.size()) {
        if (bytes_[pos_] == ',')
            ++pos_;
        else
            skipLineEnd();
    }
    return value;
}

// The value runs to the closing quote; whatever stands between that quote and
// the next comma or line end is dropped together with the separator.
std::string FieldReader::readQuoted()
{
    ++pos_;
    const std::size_t close = bytes_.find('"', pos_);
    const std::size_t end = close == std::string::npos ? bytes_.size() : close;
    std::string value = bytes_.substr(pos_, end - pos_);
    line_ += lineEndsIn(value);
    pos_ = end == bytes_.size() ? end : end + 1;
    readPlain();
    return value;
}

bool splitsOrCutsField(std::string_view value)
{
    // One pass over the bytes; find_first_of would search the set per byte.
    if (std::any_of(value.begin(), value.end(), [](char c) { return c == ',' || c == '\r' || c == '\n'; }))
        return true;
    const std::size_t first = value.find_first_not_of(' ');
    return first != std::string_view::npos && value[first] == '"';
}

std::optional<std::string> FieldReader::next()
{
    if (atEnd())
        return std::nullopt;
    skipBlanks();
    if (pos_ < bytes_.size() && bytes_[pos_] == '"')
        return readQuoted();
    return readPlain();
}

}  // namespace tervok
