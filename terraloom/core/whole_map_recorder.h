#pragma once
// A whole-map listener for the tests: it records what the controller and
// its tools tell a window, and plays the clipboard.
#include "terraloom/core/region_clipboard.h"
#include "terraloom/core/whole_map_controller.h"

#include <string>
#include <vector>

namespace terraloom {

struct WholeMapRecorder : WholeMapListener {
    void viewportChanged() override { ++viewports; }
    void cellsPainted(const std::vector<MapCell>& cells) override
    {
        painted.insert(painted.end(), cells.begin(), cells.end());
    }
    void tilePicked(const MapCell& cell) override { picked.push_back(cell); }
    void viewMoveAsked(const ViewPosition& view) override { views.push_back(view); }
    void markersShownChanged() override { ++markerToggles; }
    void cellsChanged(const PaintStep& changes) override { changed += changes.size(); }
    void previewChanged() override { ++previews; }
    void toolChanged() override { ++tools; }
    // A copy goes onto the clipboard, as the window puts it there.
    void cellsCopied(const CellBlock& cells) override
    {
        copied.push_back(cells);
        clipboard = cellsText(cells);
    }
    std::string clipboardText() override { return clipboard; }
    void replaceAsked() override { ++replaceAsks; }

    int viewports = 0;
    std::vector<MapCell> painted;
    std::vector<MapCell> picked;
    std::vector<ViewPosition> views;
    int markerToggles = 0;
    std::size_t changed = 0;
    int previews = 0;
    int tools = 0;
    std::vector<CellBlock> copied;
    std::string clipboard;
    int replaceAsks = 0;
};

}  // namespace terraloom
