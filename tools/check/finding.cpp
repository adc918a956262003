#include "tools/check/finding.h"

#include <algorithm>
#include <tuple>

namespace check {

void Findings::error(std::string file, std::optional<std::size_t> line, std::string code, std::string message)
{
    all_.push_back(
        {std::move(file), line, std::nullopt, false, Severity::Error, std::move(code), std::move(message)});
}

void Findings::warning(std::string file, std::optional<std::size_t> line, std::string code, std::string message)
{
    all_.push_back(
        {std::move(file), line, std::nullopt, false, Severity::Warning, std::move(code), std::move(message)});
}

void Findings::cellError(std::string file, Cell cell, std::string code, std::string message)
{
    all_.push_back({std::move(file), std::nullopt, cell, false, Severity::Error, std::move(code), std::move(message)});
}

void Findings::cellCount(std::string file, std::string code, std::string message)
{
    all_.push_back(
        {std::move(file), std::nullopt, std::nullopt, true, Severity::Error, std::move(code), std::move(message)});
}

std::size_t Findings::errors() const
{
    return static_cast<std::size_t>(
        std::count_if(all_.begin(), all_.end(), [](const Finding& f) { return f.severity == Severity::Error; }));
}

std::size_t Findings::warnings() const
{
    return all_.size() - errors();
}

void Findings::sort()
{
    std::stable_sort(all_.begin(), all_.end(), [](const Finding& a, const Finding& b) {
        const std::size_t lineA = a.line ? *a.line : 0;
        const std::size_t lineB = b.line ? *b.line : 0;
        constexpr int kAfterEveryCell = 100 * 100 + 1;
        const auto rank = [](const Finding& f) {
            return f.cell ? (f.cell->y - 1) * 100 + f.cell->x : f.countsCells ? kAfterEveryCell : 0;
        };
        const int cellA = rank(a);
        const int cellB = rank(b);
        return std::tie(a.file, lineA, cellA) < std::tie(b.file, lineB, cellB);
    });
}

}  // namespace check
