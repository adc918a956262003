#include "terraloom/core/paint_history.h"

#include <algorithm>

namespace terraloom {

CellChange CellChange::of(const MapCell& cell, std::uint8_t before, std::uint8_t after)
{
    return {static_cast<std::uint16_t>(formats::MapGrid::indexOf(cell.x, cell.y)), before, after};
}

MapCell CellChange::cell() const
{
    return {place % formats::kMapSize + 1, place / formats::kMapSize + 1};
}

void PaintHistory::clickPainted(const CellChange& change)
{
    endStroke();
    if (change.before != change.after)
        startStep({change});
}

void PaintHistory::strokePainted(const CellChange& change)
{
    if (change.before == change.after)
        return;
    if (strokeOpen_) {
        done_.back().push_back(change);
        bytes_ += sizeof(CellChange);
        dropOldest();
        return;
    }
    startStep({change});
    strokeOpen_ = true;
}

// A finished stroke gives back what its growth reserved beyond its changes.
void PaintHistory::endStroke()
{
    if (!strokeOpen_)
        return;
    strokeOpen_ = false;
    done_.back().shrink_to_fit();
}

const PaintStep* PaintHistory::record(formats::MapGrid& grid, PaintStep changes)
{
    endStroke();
    for (CellChange& change : changes) {
        change.before = grid.cells()[change.place];
        grid.cells()[change.place] = change.after;
    }
    std::erase_if(changes, [](const CellChange& change) { return change.before == change.after; });
    if (changes.empty())
        return nullptr;
    changes.shrink_to_fit();
    startStep(std::move(changes));
    return &done_.back();
}

// A new step drops the steps that could have been redone.
void PaintHistory::startStep(PaintStep step)
{
    for (const PaintStep& undone : undone_)
        bytes_ -= bytesOf(undone);
    undone_.clear();
    bytes_ += bytesOf(step);
    done_.push_back(std::move(step));
    dropOldest();
}

// The newest step always stays, however large.
void PaintHistory::dropOldest()
{
    while (done_.size() > 1 && (done_.size() > limits_.steps || bytes_ > limits_.bytes)) {
        bytes_ -= bytesOf(done_.front());
        done_.pop_front();
    }
}

// A stroke may paint a cell more than once; going backwards leaves the
// oldest tile in it.
const PaintStep* PaintHistory::undo(formats::MapGrid& grid)
{
    endStroke();
    if (done_.empty())
        return nullptr;
    undone_.push_back(std::move(done_.back()));
    done_.pop_back();
    const PaintStep& step = undone_.back();
    for (auto change = step.rbegin(); change != step.rend(); ++change)
        grid.cells()[change->place] = change->before;
    return &step;
}

const PaintStep* PaintHistory::redo(formats::MapGrid& grid)
{
    endStroke();
    if (undone_.empty())
        return nullptr;
    done_.push_back(std::move(undone_.back()));
    undone_.pop_back();
    const PaintStep& step = done_.back();
    for (const CellChange& change : step)
        grid.cells()[change.place] = change.after;
    return &step;
}

void PaintHistory::clear()
{
    endStroke();
    done_.clear();
    undone_.clear();
    bytes_ = 0;
}

}  // namespace terraloom
