#pragma once
// Shows the map: the 10 x 10 view cells, the position display with its two
// sliders, the overview in class colours, and the navigation that moves the
// view (scroll buttons, position sliders, overview click, "goto").
#include "terraloom/core/editor_state.h"
#include "terraloom/form/form1_layout.h"
#include "toolkit/ui/bitmap_cache.h"

namespace terraloom {

class MapView {
public:
    MapView(Form1Controls& controls, EditorState& state, tervok::BitmapCache& bitmaps)
        : c_(controls), state_(state), bitmaps_(bitmaps)
    {
    }

    // The image of a tile, or null for an unnamed tile or a missing bitmap.
    ui::BitmapRef tileImage(int tile);

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
    void showInViewCell(int k, int tile);

    Form1Controls& c_;
    EditorState& state_;
    tervok::BitmapCache& bitmaps_;
};

}  // namespace terraloom
