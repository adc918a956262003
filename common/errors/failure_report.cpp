#include "common/errors/failure_report.h"

#include <cstdio>

namespace tervok {
namespace {

FailureCapture* innermostCapture = nullptr;

}  // namespace

std::string failureLine(std::string_view program, std::string_view path, std::string_view action,
                        const Error& error)
{
    std::string line(program);
    line += ": ";
    line += path;
    line += ": ";
    line += action;
    line += ": ";
    line += error.describe();
    return line;
}

void reportFailure(std::string_view program, std::string_view path, std::string_view action,
                   const Error& error)
{
    std::string line = failureLine(program, path, action, error);
    if (innermostCapture) {
        innermostCapture->lines_.push_back(std::move(line));
        return;
    }
    line += '\n';
    std::fputs(line.c_str(), stderr);
}

FailureCapture::FailureCapture() : outer_(innermostCapture)
{
    innermostCapture = this;
}

FailureCapture::~FailureCapture()
{
    innermostCapture = outer_;
}

}  // namespace tervok
