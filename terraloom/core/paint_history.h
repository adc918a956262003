#pragma once
// The undo and redo history of painting. A step is what one undo takes back:
// one left click that changed a cell, or one Shift-move stroke, that is every
// cell painted by consecutive Shift-moves from the first that changed a cell
// until the stroke ends. A paint that leaves a cell's tile as it was is no
// change, and a click or stroke made only of such paints is no step. A step
// keeps only the cells it changed (place, old tile, new tile), so the history
// grows with the painting, never with the size of the map.
#include "formats/map_grid.h"
#include "terraloom/core/view_navigation.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

namespace terraloom {

// One painted cell: its place in file order, its tile before and after.
struct CellChange {
    std::uint16_t place = 0;
    std::uint8_t before = 0;
    std::uint8_t after = 0;

    static CellChange of(const MapCell& cell, std::uint8_t before, std::uint8_t after);
    MapCell cell() const;
    bool operator==(const CellChange&) const = default;
};

// The changes of one step, in the order they were painted.
using PaintStep = std::vector<CellChange>;

class PaintHistory {
public:
    // The most steps kept; the oldest is dropped when one more is made.
    static constexpr std::size_t kKeptSteps = 1000;

    // A left click painted a cell: it ends the stroke under way and, if it
    // changed the cell, is a step of its own.
    void clickPainted(const CellChange& change);
    // A Shift-move painted a cell: a change joins the stroke under way or
    // starts one.
    void strokePainted(const CellChange& change);
    // Any event but a Shift-move over the view: the stroke under way, if any,
    // is a finished step.
    void endStroke() { strokeOpen_ = false; }

    // Both end the stroke under way first. undo puts the old tiles of the
    // last step back into the grid, redo the new tiles of the step last
    // undone. Each returns the step's changes, to show them, or null when
    // there is no step to take; the step stays valid until the history
    // changes again.
    const PaintStep* undo(formats::MapGrid& grid);
    const PaintStep* redo(formats::MapGrid& grid);

    // The grid was replaced (load, new): no step fits it any more.
    void clear();

    std::size_t undoSteps() const { return done_.size(); }
    std::size_t redoSteps() const { return undone_.size(); }

private:
    void startStep(const CellChange& change);

    std::deque<PaintStep> done_;
    std::vector<PaintStep> undone_;  // the step undone last at the back
    bool strokeOpen_ = false;        // the last step of done_ is the stroke under way
};

}  // namespace terraloom
