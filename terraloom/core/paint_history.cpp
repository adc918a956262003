#include "terraloom/core/paint_history.h"

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
        startStep(change);
}

void PaintHistory::strokePainted(const CellChange& change)
{
    if (change.before == change.after)
        return;
    if (strokeOpen_) {
        done_.back().push_back(change);
        return;
    }
    startStep(change);
    strokeOpen_ = true;
}

// A new step drops the steps that could have been redone.
void PaintHistory::startStep(const CellChange& change)
{
    undone_.clear();
    if (done_.size() == kKeptSteps)
        done_.pop_front();
    done_.push_back({change});
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
    done_.clear();
    undone_.clear();
    endStroke();
}

}  // namespace terraloom
