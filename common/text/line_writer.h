#pragma once
// Builds the bytes of a text file line by line: every line, the last one
// included, ends with CR LF. The finished text is written with replaceFile.
#include <string>
#include <string_view>

namespace tervok {

class LineWriter {
public:
    void line(std::string_view text)
    {
        bytes_.append(text);
        bytes_.append("\r\n");
    }
    const std::string& bytes() const { return bytes_; }

private:
    std::string bytes_;
};

}  // namespace tervok
