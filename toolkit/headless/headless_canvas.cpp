#include "toolkit/headless/headless_canvas.h"

#include "toolkit/headless/headless_toolkit.h"

#include <algorithm>

namespace headless {

void HeadlessCellCanvas::setPictureSize(int columns, int rows, int cellPixels)
{
    columns_ = std::max(columns, 0);
    rows_ = std::max(rows, 0);
    cellPixels_ = std::max(cellPixels, 0);
    cells_.assign(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_), nullptr);
}

std::size_t HeadlessCellCanvas::indexOf(int column, int row) const
{
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) + static_cast<std::size_t>(column);
}

void HeadlessCellCanvas::setCell(int column, int row, const ui::BitmapRef& bitmap)
{
    if (column < 0 || row < 0 || column >= columns_ || row >= rows_)
        return;
    ++cellsDrawn_;
    cells_[indexOf(column, row)] = bitmap;
}

ui::BitmapRef HeadlessCellCanvas::cell(int column, int row) const
{
    if (column < 0 || row < 0 || column >= columns_ || row >= rows_)
        return nullptr;
    return cells_[indexOf(column, row)];
}

std::string HeadlessCellCanvas::cellBitmapPath(int column, int row) const
{
    const auto* bitmap = dynamic_cast<const HeadlessBitmap*>(cell(column, row).get());
    return bitmap ? bitmap->path().string() : std::string();
}

void HeadlessCellCanvas::setZoom(int zoom, int originX, int originY)
{
    zoom_ = std::max(zoom, 1);
    originX_ = originX;
    originY_ = originY;
}

void HeadlessCellCanvas::setScrollBars(const ui::ScrollBarState& horizontal, const ui::ScrollBarState& vertical)
{
    horizontal_ = horizontal;
    vertical_ = vertical;
}

void HeadlessCellCanvas::setMarkers(std::vector<ui::CanvasMarker> markers)
{
    markers_ = std::move(markers);
    if (highlighted_ >= static_cast<int>(markers_.size()))
        highlighted_ = -1;
}

// The picture is drawn at zoom device pixels a cell from the origin; the
// view shows the part of it inside its size.
std::optional<std::pair<int, int>> HeadlessCellCanvas::cellShownAt(int x, int y) const
{
    if (x < 0 || y < 0 || x >= viewWidth_ || y >= viewHeight_ || x < originX_ || y < originY_)
        return std::nullopt;
    const int column = (x - originX_) / zoom_;
    const int row = (y - originY_) / zoom_;
    if (column >= columns_ || row >= rows_)
        return std::nullopt;
    return std::pair{column, row};
}

std::vector<int> HeadlessCellCanvas::markersInView() const
{
    std::vector<int> inView;
    if (!markersShown_ || cellPixels_ == 0)
        return inView;
    for (std::size_t i = 0; i < markers_.size(); ++i) {
        const ui::CanvasMarker& marker = markers_[i];
        // The device pixel that holds the centre of the marker's picture pixel.
        const int x = originX_ + (2 * marker.x + 1) * zoom_ / (2 * cellPixels_);
        const int y = originY_ + (2 * marker.y + 1) * zoom_ / (2 * cellPixels_);
        if (x >= 0 && y >= 0 && x < viewWidth_ && y < viewHeight_)
            inView.push_back(static_cast<int>(i));
    }
    return inView;
}

void HeadlessCellCanvas::resize(int width, int height)
{
    viewWidth_ = std::max(width, 0);
    viewHeight_ = std::max(height, 0);
    if (onResize)
        onResize(viewWidth_, viewHeight_);
    toolkit_.runPending();
}

void HeadlessCellCanvas::pointer(const std::function<void(const ui::CanvasPointer&)>& handler, int button, int shift,
                                 int x, int y)
{
    if (!isEnabled())
        return;
    if (handler)
        handler({button, shift, x, y});
    toolkit_.runPending();
}

void HeadlessCellCanvas::press(int button, int shift, int x, int y)
{
    pointer(onPress, button, shift, x, y);
}

void HeadlessCellCanvas::move(int buttons, int shift, int x, int y)
{
    pointer(onMove, buttons, shift, x, y);
}

void HeadlessCellCanvas::release(int button, int shift, int x, int y)
{
    pointer(onRelease, button, shift, x, y);
}

void HeadlessCellCanvas::leave()
{
    if (onLeave)
        onLeave();
    toolkit_.runPending();
}

void HeadlessCellCanvas::turnWheel(const ui::CanvasWheel& wheel)
{
    if (!isEnabled())
        return;
    if (onWheel)
        onWheel(wheel);
    toolkit_.runPending();
}

void HeadlessCellCanvas::keyDown(int keyCode, int shift, bool autoRepeat)
{
    if (onKeyDown)
        onKeyDown({keyCode, shift, autoRepeat});
    toolkit_.runPending();
}

void HeadlessCellCanvas::keyUp(int keyCode, int shift, bool autoRepeat)
{
    if (onKeyUp)
        onKeyUp({keyCode, shift, autoRepeat});
    toolkit_.runPending();
}

void HeadlessCellCanvas::scroll(int horizontal, int vertical)
{
    horizontal_.value = std::clamp(horizontal, 0, horizontal_.maximum);
    vertical_.value = std::clamp(vertical, 0, vertical_.maximum);
    if (onScroll)
        onScroll(horizontal_.value, vertical_.value);
    toolkit_.runPending();
}

void HeadlessCellCanvas::loseFocus()
{
    if (onFocusLost)
        onFocusLost();
    toolkit_.runPending();
}

HeadlessCanvasWindow::HeadlessCanvasWindow(HeadlessToolkit& toolkit, const std::string& name,
                                           const std::string& caption, const ui::Geometry& geometry,
                                           const std::string& canvasName)
    : HeadlessControl(toolkit, name, -1, geometry),
      caption_(caption),
      canvas_(std::make_unique<HeadlessCellCanvas>(toolkit, canvasName, ui::Geometry{0, 0, geometry.width,
                                                                                        geometry.height}))
{
    toolkit.canvasWindowMade(this);
}

HeadlessCanvasWindow::~HeadlessCanvasWindow()
{
    toolkit_.canvasWindowGone(this);
}

void HeadlessCanvasWindow::raise()
{
    shown_ = true;
    ++raises_;
    activate();
}

void HeadlessCanvasWindow::addShortcut(ui::KeyChord keys, std::function<void()> action)
{
    shortcuts_.emplace_back(keys, std::move(action));
}

void HeadlessCanvasWindow::setStatusText(int field, const std::string& text)
{
    if (field < 0)
        return;
    if (static_cast<std::size_t>(field) >= status_.size())
        status_.resize(static_cast<std::size_t>(field) + 1);
    status_[static_cast<std::size_t>(field)] = text;
}

std::string HeadlessCanvasWindow::statusText(int field) const
{
    return field >= 0 && static_cast<std::size_t>(field) < status_.size() ? status_[static_cast<std::size_t>(field)]
                                                                          : std::string();
}

int HeadlessCanvasWindow::addToolButton(const std::string& caption, const std::string& toolTip, bool checkable)
{
    toolButtons_.push_back({caption, toolTip, checkable, false});
    return static_cast<int>(toolButtons_.size()) - 1;
}

void HeadlessCanvasWindow::setToolButtonChecked(int button, bool checked)
{
    if (button >= 0 && button < static_cast<int>(toolButtons_.size()))
        toolButtons_[static_cast<std::size_t>(button)].checked = checked;
}

bool HeadlessCanvasWindow::toolButtonChecked(int button) const
{
    return button >= 0 && button < static_cast<int>(toolButtons_.size()) &&
           toolButtons_[static_cast<std::size_t>(button)].checked;
}

void HeadlessCanvasWindow::clickToolButton(int button)
{
    if (button < 0 || button >= static_cast<int>(toolButtons_.size()))
        return;
    if (onToolButton)
        onToolButton(button);
    toolkit_.runPending();
}

void HeadlessCanvasWindow::close()
{
    shown_ = false;
    if (onClose)
        onClose();
    toolkit_.runPending();
}

void HeadlessCanvasWindow::activate()
{
    if (onActivate)
        onActivate();
    toolkit_.runPending();
}

void HeadlessCanvasWindow::pressKeys(int keyCode, int shift)
{
    const ui::KeyChord keys{keyCode, shift};
    for (const auto& [chord, action] : shortcuts_) {
        if (chord == keys) {
            action();
            toolkit_.runPending();
            return;
        }
    }
    canvas_->keyDown(keyCode, shift);
    canvas_->keyUp(keyCode, shift);
}

}  // namespace headless
