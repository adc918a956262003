#pragma once
// Which part of the map the 10 x 10 view shows, and how the scroll buttons,
// the overview and "goto" move it. The view column and row name the map
// cell in the view's top-left corner and stay within 1..91.
#include <string>

namespace terraloom {

constexpr int kViewSize = 10;
constexpr int kMaxViewStart = 91;  // 91 + 9 = 100, the last map column or row

struct MapCell {
    int x = 0, y = 0;
    bool operator==(const MapCell&) const = default;
};

struct ViewPosition {
    int column = 1;
    int row = 1;

    // The map cell shown by view cell k (1..100), counted row by row.
    MapCell cellOf(int k) const;
    // The view cell (1..100) that shows a map cell, or 0 when it is out of view.
    int viewCellOf(const MapCell& cell) const;
    bool operator==(const ViewPosition&) const = default;
};

int clampViewStart(double value);

// The scroll rules of the four buttons; step is 1..10.
int scrollForward(int start, int step);   // ">" and "v"
int scrollBackward(int start, int step);  // "<" and "^"

// The view that puts the clicked overview cell in the view's sixth column
// and row. px, py: pointer in twips; width, height: the overview's size.
ViewPosition viewFromOverviewClick(int px, int py, int width, int height);

// Label1: the view column and row as signed decimal texts around " :".
std::string positionText(const ViewPosition& view);

}  // namespace terraloom
