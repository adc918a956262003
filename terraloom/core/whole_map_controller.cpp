#include "terraloom/core/whole_map_controller.h"

namespace terraloom {

WholeMapStatus WholeMapController::status() const
{
    WholeMapStatus status;
    if (pointer_) {
        if (const std::optional<MapCell> cell = viewport_.cellAt(*pointer_))
            status.cell = cellText(state_, *cell);
        if (const std::optional<ScriptPosition> pixel = viewport_.mapPixelAt(*pointer_))
            status.pixel = mapPixelText(*pixel);
    }
    status.zoom = zoomText(viewport_.zoom());
    status.currentTile = currentTileText(state_);
    status.region = tools_.statusText();
    return status;
}

std::optional<MapCell> WholeMapController::pointedCell() const
{
    return pointer_ ? viewport_.cellAt(*pointer_) : std::nullopt;
}

// A drag that paints here is a stroke of its own, which only its release
// ends; every other event ends the stroke under way in the view.
void WholeMapController::endViewStroke()
{
    if (drag_ != Drag::Tool)
        state_.history.endStroke();
}

// A stamp or a flood fill's region under a resting pointer follows the map
// as it scrolls or zooms.
void WholeMapController::showViewport()
{
    listener_.viewportChanged();
    if (drag_ == Drag::None && pointer_)
        tools_.hovered(viewport_.cellAt(*pointer_));
}

void WholeMapController::resized(int width, int height)
{
    viewport_.resize(width, height);
    if (fitted_)
        viewport_.fit();
    showViewport();
}

void WholeMapController::scrolled(int horizontal, int vertical)
{
    endViewStroke();
    viewport_.scrollTo(horizontal, vertical);
    fitted_ = false;
    showViewport();
}

// A press during a drag (another button) changes nothing.
void WholeMapController::pressed(const WholeMapPointer& event)
{
    pointer_ = event.at;
    if (drag_ != Drag::None)
        return;
    endViewStroke();
    if (event.button == button::kMiddle || (event.button == button::kLeft && spaceHeld_)) {
        drag_ = Drag::Moving;
        dragButton_ = event.button;
        lastAt_ = event.at;
    } else if (event.button == button::kLeft && (event.shift & modifier::kCtrl)) {
        if (const std::optional<MapCell> cell = viewport_.cellAt(event.at))
            listener_.viewMoveAsked(viewAroundCell(*cell));
    } else if (event.button == button::kLeft && tools_.tool() == Tool::Pick && !tools_.pasting()) {
        pick(event.at);
    } else if (event.button == button::kLeft) {
        drag_ = Drag::Tool;
        dragButton_ = button::kLeft;
        tools_.pressed(viewport_.mapPointAt(event.at), viewport_.cellAt(event.at), event.shift);
    } else if (event.button == button::kRight) {
        pick(event.at);
    }
}

// A drag whose button is no longer held lost its release (to a message
// box, say): it ended there.
void WholeMapController::moved(const WholeMapPointer& event)
{
    pointer_ = event.at;
    if (drag_ != Drag::None && !(event.button & dragButton_)) {
        if (drag_ == Drag::Tool)
            tools_.dragLost();
        drag_ = Drag::None;
        state_.history.endStroke();
    }
    if (drag_ == Drag::Tool) {
        tools_.dragged(viewport_.mapPointAt(event.at), event.shift);
    } else if (drag_ == Drag::Moving) {
        viewport_.moveMapBy(event.at.x - lastAt_.x, event.at.y - lastAt_.y);
        lastAt_ = event.at;
        fitted_ = false;
        showViewport();
    } else {
        endViewStroke();
        tools_.hovered(viewport_.cellAt(event.at));
    }
}

void WholeMapController::released(const WholeMapPointer& event)
{
    pointer_ = event.at;
    if (drag_ == Drag::Tool && event.button == button::kLeft) {
        drag_ = Drag::None;
        tools_.released(viewport_.mapPointAt(event.at), event.shift);
    } else if (drag_ == Drag::Moving && event.button == dragButton_) {
        drag_ = Drag::None;
    }
    endViewStroke();
}

void WholeMapController::left()
{
    pointer_.reset();
    endViewStroke();
    if (drag_ == Drag::None)
        tools_.hovered(std::nullopt);
}

void WholeMapController::wheel(const WholeMapWheel& event)
{
    pointer_ = event.at;
    endViewStroke();
    if (event.shift & modifier::kCtrl)
        zoomByWheel(event.angleY, event.at);
    else
        scrollByWheel(event);
}

// A notch is a zoom level; a wheel that turns in finer steps gets there by
// adding them up.
void WholeMapController::zoomByWheel(int angle, CanvasPoint anchor)
{
    constexpr int kNotch = 120;
    if ((angle > 0) != (wheelZoomAngle_ > 0))
        wheelZoomAngle_ = 0;
    wheelZoomAngle_ += angle;
    int zoom = viewport_.zoom();
    for (; wheelZoomAngle_ >= kNotch; wheelZoomAngle_ -= kNotch)
        zoom = nextZoomIn(zoom);
    for (; wheelZoomAngle_ <= -kNotch; wheelZoomAngle_ += kNotch)
        zoom = nextZoomOut(zoom);
    zoomAround(zoom, anchor);
}

// A touchpad's pixels move the map by as much; a notch by a few cells. The
// wheel turned away from the user shows what lies above (Shift: to the left).
void WholeMapController::scrollByWheel(const WholeMapWheel& event)
{
    const bool pixels = event.pixelX != 0 || event.pixelY != 0;
    const int notch = kCellsPerNotch * viewport_.zoom();
    int dx = pixels ? event.pixelX : event.angleX * notch / 120;
    int dy = pixels ? event.pixelY : event.angleY * notch / 120;
    if (event.shift & modifier::kShift) {
        dx += dy;
        dy = 0;
    }
    if (dx == 0 && dy == 0)
        return;
    viewport_.moveMapBy(dx, dy);
    fitted_ = false;
    showViewport();
}

bool WholeMapController::keyPressed(int keyCode, int shift, bool autoRepeat)
{
    if (keyCode == key::kSpace) {
        if (!autoRepeat) {
            endViewStroke();
            spaceHeld_ = true;
        }
        return true;
    }
    return runKey(keyCode, shift);
}

void WholeMapController::keyReleased(int keyCode, bool autoRepeat)
{
    if (keyCode == key::kSpace && !autoRepeat)
        spaceHeld_ = false;
}

void WholeMapController::focusLost()
{
    spaceHeld_ = false;
}

// The keypad's + and - zoom with Ctrl or without; Shift is how a US keyboard
// types "+" on the key of "=".
bool WholeMapController::runKey(int keyCode, int shift)
{
    const bool ctrl = (shift & modifier::kCtrl) != 0;
    const bool ctrlAlone = shift == modifier::kCtrl;
    if (keyCode == key::kKeypadPlus || (ctrl && keyCode == key::kPlus))
        zoomIn();
    else if (keyCode == key::kKeypadMinus || (ctrlAlone && keyCode == key::kMinus))
        zoomOut();
    else if (ctrlAlone && (keyCode == key::kZero || keyCode == key::kKeypadZero))
        fit();
    else if (ctrlAlone && (keyCode == key::kOne || keyCode == key::kKeypadOne))
        showActualSize();
    else if (ctrlAlone && keyCode == key::kHome)
        showTopLeft();
    else if (ctrlAlone && keyCode == key::kP)
        toggleMarkers();
    else {
        endViewStroke();
        return tools_.keyPressed(keyCode, shift);
    }
    return true;
}

void WholeMapController::zoomIn()
{
    zoomAround(nextZoomIn(viewport_.zoom()), viewport_.centre());
}

void WholeMapController::zoomOut()
{
    zoomAround(nextZoomOut(viewport_.zoom()), viewport_.centre());
}

void WholeMapController::fit()
{
    endViewStroke();
    viewport_.fit();
    fitted_ = true;
    showViewport();
}

void WholeMapController::showActualSize()
{
    zoomAround(kActualSizeZoom, viewport_.centre());
}

void WholeMapController::showTopLeft()
{
    endViewStroke();
    viewport_.scrollTo(0, 0);
    fitted_ = false;
    showViewport();
}

void WholeMapController::toggleMarkers()
{
    endViewStroke();
    markersShown_ = !markersShown_;
    listener_.markersShownChanged();
}

void WholeMapController::zoomAround(int zoom, CanvasPoint anchor)
{
    endViewStroke();
    if (zoom == viewport_.zoom())
        return;
    viewport_.zoomAround(zoom, anchor);
    fitted_ = false;
    showViewport();
}

void WholeMapController::pick(CanvasPoint at)
{
    const std::optional<MapCell> cell = viewport_.cellAt(at);
    if (!cell)
        return;
    state_.currentTile = state_.grid.at(cell->x, cell->y);
    state_.scriptPosition = *viewport_.mapPixelAt(at);
    listener_.tilePicked(*cell);
}

}  // namespace terraloom
