#pragma once
// A whole-map listener for the tests: it records what the controller and
// its tools tell a window, and plays the clipboard.
#include "terraloom/core/region_clipboard.h"
#include "terraloom/core/whole_map_controller.h"

#include <string>
#include <vector>

namespace terraloom {

// A preview by value, to compare what was shown with what is.
struct PreviewSeen {
    std::optional<MapArea> selection, rectangle;
    bool fills = false;
    std::vector<std::uint16_t> region;
    std::optional<CellBlock> stamp;
    MapCell stampAt;

    static PreviewSeen of(const RegionPreview& preview)
    {
        PreviewSeen seen{preview.selection, preview.rectangle, preview.fills, {}, std::nullopt, preview.stampAt};
        if (preview.region)
            seen.region = preview.region->places();
        if (preview.stamp)
            seen.stamp = *preview.stamp;
        return seen;
    }
    bool operator==(const PreviewSeen&) const = default;
};

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
    // What a window would draw once told: a copy of the tools' preview.
    void previewChanged() override
    {
        ++previews;
        if (regionTools)
            shown = PreviewSeen::of(regionTools->preview());
    }
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
    // Set, the preview is copied whenever the window is told of it.
    const RegionTools* regionTools = nullptr;
    PreviewSeen shown;
};

}  // namespace terraloom
