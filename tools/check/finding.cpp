#include "finding.h"

#include <algorithm>
#include <tuple>

namespace check {

void Findings::error(std::string file, std::optional<std::size_t> line, std::string code, std::string message)
{
    all_.push_back({std::move(file), line, std::nullopt, Severity::Error, std::move(code), std::move(message)});
}

void Findings::warning(std::string file, std::optional<std::size_t> line, std::string code, std::string message)
{
    all_.push_back({std::move(file), line, std::nullopt, Severity::Warning, std::move(code), std::move(message)});
}

void Findings::cellError(std::string file, Cell cell, std::string code, std::string message)
{
    all_.push_back({std::move(file), std::nullopt, cell, Severity::Error, std::move(code), std::move(message)});
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
        const int cellA = a.cell ? (a.cell->y - 1) * 100 + a.cell->x : 0;
        const int cellB = b.cell ? (b.cell->y - 1) * 100 + b.cell->x : 0;
        return std::tie(a.file, lineA, cellA) < std::tie(b.file, lineB, cellB);
    });
}

}  // namespace check
