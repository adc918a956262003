#pragma once
// The undo and redo history of the map's cells, shared by the editor's view
// and the whole-map window. A step is what one undo takes back: one left
// click in the view that changed a cell; one stroke, that is every cell
// painted by consecutive Shift-moves over the view (or by one drag in the
// whole-map window) from the first that changed a cell until the stroke
// ends; or one region action (a fill, a paste, a move, a replace...). A paint
// that leaves a cell's tile as it was is no change, and an action made only
// of such paints is no step. A step keeps only the cells it changed (place,
// old tile, new tile: 4 bytes each), so the history grows with the changes,
// never with the size of the map.
//
// The history keeps at most a number of steps and, whichever comes first, a
// number of bytes of changes, counting each step as kStepBytes plus 4 bytes
// a changed cell; the oldest steps are dropped to stay within both.
#include "formats/map_grid.h"
#include "terraloom/core/view_navigation.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

namespace terraloom {

// One changed cell: its place in file order, its tile before and after.
struct CellChange {
    std::uint16_t place = 0;
    std::uint8_t before = 0;
    std::uint8_t after = 0;

    static CellChange of(const MapCell& cell, std::uint8_t before, std::uint8_t after);
    MapCell cell() const;
    bool operator==(const CellChange&) const = default;
};
static_assert(sizeof(CellChange) == 4);

// The changes of one step, in the order they were made.
using PaintStep = std::vector<CellChange>;

class PaintHistory {
public:
    static constexpr std::size_t kKeptSteps = 1000;
    static constexpr std::size_t kKeptBytes = std::size_t{16} << 20;
    // What a step costs besides its changes: the step's own record.
    static constexpr std::size_t kStepBytes = 64;

    struct Limits {
        std::size_t steps = kKeptSteps;
        std::size_t bytes = kKeptBytes;
    };

    PaintHistory() = default;
    explicit PaintHistory(Limits limits) : limits_(limits) {}

    // A left click painted a cell: it ends the stroke under way and, if it
    // changed the cell, is a step of its own.
    void clickPainted(const CellChange& change);
    // A Shift-move (or a drag in the whole-map window) painted a cell: a
    // change joins the stroke under way or starts one.
    void strokePainted(const CellChange& change);
    // Any event but a Shift-move over the view: the stroke under way, if
    // any, is a finished step.
    void endStroke();
    // A region action: ends the stroke under way, puts the new tiles of the
    // changes into the grid in their order and keeps them as one step, each
    // change's old tile taken from the grid as it is put. Changes that
    // change nothing are left out; with none left there is no step and null
    // is returned, else the step, valid until the history changes again.
    const PaintStep* record(formats::MapGrid& grid, PaintStep changes);

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
    // The bytes the kept steps count for, undone ones included.
    std::size_t bytesKept() const { return bytes_; }
    static std::size_t bytesOf(const PaintStep& step) { return kStepBytes + step.size() * sizeof(CellChange); }

private:
    void startStep(PaintStep step);
    void dropOldest();

    Limits limits_;
    std::deque<PaintStep> done_;
    std::vector<PaintStep> undone_;  // the step undone last at the back
    bool strokeOpen_ = false;        // the last step of done_ is the stroke under way
    std::size_t bytes_ = 0;
};

}  // namespace terraloom
