#pragma once
// The one line a program writes to standard error when a read, write or
// parse fails: "terraloom: map\map1.map: cannot save: permission denied".
// Windows show their fixed messages besides; this line says why.
#include "common/errors/error.h"

#include <string>
#include <string_view>
#include <vector>

namespace tervok {

std::string failureLine(std::string_view program, std::string_view path, std::string_view action,
                        const Error& error);

// Writes failureLine to standard error, or to the innermost live capture.
void reportFailure(std::string_view program, std::string_view path, std::string_view action,
                   const Error& error);

// While alive, reported lines are kept here instead of going to standard
// error; tests read them back.
class FailureCapture {
public:
    FailureCapture();
    ~FailureCapture();
    FailureCapture(const FailureCapture&) = delete;
    FailureCapture& operator=(const FailureCapture&) = delete;

    const std::vector<std::string>& lines() const { return lines_; }
    // The newest line, or "" when nothing was reported.
    std::string last() const { return lines_.empty() ? std::string() : lines_.back(); }
    void clear() { lines_.clear(); }

private:
    friend void reportFailure(std::string_view, std::string_view, std::string_view, const Error&);
    std::vector<std::string> lines_;
    FailureCapture* outer_;
};

}  // namespace tervok
