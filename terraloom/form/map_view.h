#pragma once
// Shows the map: the 10 x 10 view cells, the position display with its two
// sliders, the overview in class colours, and the navigation that moves the
// view (scroll buttons, position sliders, overview click, "goto").
#include "terraloom/core/editor_state.h"
#include "terraloom/form/editor_events.h"
#include "terraloom/form/form1_layout.h"
#include "toolkit/ui/bitmap_cache.h"

#include <array>
#include <cstdint>
#include <optional>

namespace terraloom {

class MapView {
public:
    MapView(Form1Controls& controls, EditorState& state, tervok::BitmapCache& bitmaps, EditorEvents& events)
        : c_(controls), state_(state), bitmaps_(bitmaps), events_(events)
    {
    }

    // The image of a tile, or null for an unnamed tile or a missing bitmap.
    ui::BitmapRef tileImage(int tile);

    // Shows the tiles under the view in its cells and the view's position
    // in the label and the two position sliders; then tells viewRedrawn.
    void redrawView();
    // Shows a map cell's tile as painting does: in its view cell when the
    // cell is in view, and as its overview square in the class colour.
    void showCell(const MapCell& cell);
    void refreshPositionDisplay();
    void redrawOverview();
    void drawOverviewSquare(int x, int y, ui::Colour colour);

    void scrollRight();
    void scrollLeft();
    void scrollUp();
    void scrollDown();
    void viewRowSliderChanged();
    void viewColumnSliderChanged();
    void overviewClicked(const ui::MouseEvent& event);
    // Moves the view to a new top-left cell through the position sliders.
    void moveTo(const ViewPosition& view);

private:
    // What the view cells show: the view's position and the tile of each
    // cell.
    struct ViewContents {
        ViewPosition view;
        std::array<std::uint8_t, kViewCells> tiles{};
        bool operator==(const ViewContents&) const = default;
    };
    ViewContents contentsNow() const;
    void drawCells(const ViewContents& contents);
    void showInViewCell(int k, int tile);

    Form1Controls& c_;
    EditorState& state_;
    tervok::BitmapCache& bitmaps_;
    EditorEvents& events_;
    // What the last drawing of the cells showed, and whether a redraw is
    // refreshing the position display (its sliders' handlers redraw again).
    std::optional<ViewContents> drawn_;
    bool refreshing_ = false;
};

}  // namespace terraloom
