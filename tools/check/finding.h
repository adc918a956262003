#pragma once
// One problem the content check found, where it is and how bad it is.
//
// Severity follows one rule: an error is what makes an editor refuse the
// file, or makes the editor or the game show or read something other than
// what the maker meant (a missing bitmap, an out-of-range number, a
// reference to something that is not listed or does not exist); a warning
// is legal but probably a mistake (a duplicate, a comma that makes a second
// entry, digits that join the class, a short map file, line ends).
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace check {

enum class Severity { Error, Warning };

struct Cell {
    int x = 0, y = 0;
};

struct Finding {
    std::string file;                 // relative to the game folder, "/" separators, real case
    std::optional<std::size_t> line;  // 1-based, for text files
    std::optional<Cell> cell;         // for map files
    bool countsCells = false;         // counts the cells past those listed: sorted after every cell
    Severity severity = Severity::Error;
    std::string code;                 // a stable short name per kind of finding
    std::string message;              // UTF-8
};

// Where the findings of a check go.
class Findings {
public:
    void error(std::string file, std::optional<std::size_t> line, std::string code, std::string message);
    void warning(std::string file, std::optional<std::size_t> line, std::string code, std::string message);
    void cellError(std::string file, Cell cell, std::string code, std::string message);
    // The count of a map's cells of one kind that are not listed one by one.
    void cellCount(std::string file, std::string code, std::string message);
    void add(Finding finding) { all_.push_back(std::move(finding)); }

    const std::vector<Finding>& all() const { return all_; }
    std::size_t errors() const;
    std::size_t warnings() const;
    // By file, then line (findings without a line first), then cell in file
    // order, the cell counts last; findings of the same place keep the
    // order they were found in.
    void sort();

private:
    std::vector<Finding> all_;
};

}  // namespace check
