#pragma once
// Driving the real Qt widgets behind contract controls as a user would, and
// getting what that changed onto the (offscreen) screen.
//
// A repaint here is what the window system would do next: the action
// schedules updates of the widgets it changed, and paintPending() delivers
// the waiting update request, which paints exactly those regions into the
// window's backing store and flushes it.
#include "toolkit/ui/controls.h"

#include <functional>

class QWidget;

namespace bench {

QWidget* widgetOf(const ui::Control& control);

void click(const ui::Button& button);
// Moves the slider's handle as a drag by the user would.
void moveSlider(const ui::Slider& slider, int value);
// Moves the pointer over a picture box with Shift held and no button.
void shiftMove(const ui::PictureBox& picture);
// Schedules a repaint of the control without changing it.
void scheduleRepaint(const ui::Control& control);

// Paints everything that is waiting to be painted.
void paintPending();
// Shows a window and waits until it is on the screen and painted.
void showAndPaint(ui::Window& window);
void showAndPaint(QWidget* widget);
// The number of widgets painted while the action and the repaint after it ran.
int paintsDuring(const std::function<void()>& action);

}  // namespace bench
