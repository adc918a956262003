#pragma once
// Reads a text file as a sequence of fields, the way every editor reads its
// data files: a field ends at a comma or at the end of a line, leading blanks
// are skipped, and a field that starts with a double quote runs to the next
// double quote.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tervok {

// Whether a value written as one field would read back as something else:
// a comma or a line end splits it, and a double quote at its start (after
// any blanks) cuts it at the next quote.
bool splitsOrCutsField(std::string_view value);

class FieldReader {
public:
    explicit FieldReader(std::string bytes) : bytes_(std::move(bytes)) {}

    // True once every byte has been consumed.
    bool atEnd() const { return pos_ >= bytes_.size(); }

    // The next field, or nothing when no byte is left (a read failure).
    std::optional<std::string> next();

    // The 1-based line the next field starts on (lone CR and LF count as
    // line ends, as they end fields).
    std::size_t line() const { return line_; }

private:
    bool atLineEnd() const;
    void skipLineEnd();
    void skipBlanks();
    std::string readQuoted();
    std::string readPlain();

    std::string bytes_;
    std::size_t pos_ = 0;
    std::size_t line_ = 1;
};

}  // namespace tervok
