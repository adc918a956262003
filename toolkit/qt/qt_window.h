#pragma once
// The window: a top-level widget whose client area has the window's fixed
// size, and which owns every control created in it. Frames are the other
// kind of container (qt_frame.h).
#include "toolkit/qt/qt_control.h"
#include "toolkit/ui/controls.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace qtui {

class QtWindow;

// A window or a frame: the widget its controls are placed in, and the window
// that owns them.
class QtContainer {
public:
    virtual ~QtContainer() = default;
    virtual QWidget* clientWidget() const = 0;
    virtual QtWindow& ownerWindow() = 0;
};

class WindowWidget : public QWidget {
public:
    std::function<void()> closeRequested;

protected:
    void closeEvent(QCloseEvent* event) override;
};

class QtWindow : public QtControl<ui::Window, WindowWidget>, public QtContainer {
public:
    QtWindow(const std::string& name, const std::string& caption, int width, int height);
    ~QtWindow() override;

    std::string caption() const override { return caption_; }
    void setCaption(const std::string& caption) override;
    // Fixes the client area to the size; the window system places the window.
    void setGeometry(const ui::Geometry& geometry) override;
    bool isVisible() const override { return view()->isVisible(); }
    void show() override;
    // A QShortcut of the window: Qt's shortcut map runs it while the window
    // is active; a text field that can be typed in keeps its keys
    // (qt_text_field.h).
    void addShortcut(ui::KeyChord keys, std::function<void()> action) override;

    QWidget* clientWidget() const override { return view(); }
    QtWindow& ownerWindow() override { return *this; }
    ui::Control& adopt(std::unique_ptr<ui::Control> control);
    // Every control of the window, those in its frames included, in the
    // order they were made.
    const std::vector<std::unique_ptr<ui::Control>>& controls() const { return controls_; }

private:
    void closeRequested();

    std::string caption_;
    std::vector<std::unique_ptr<ui::Control>> controls_;
};

}  // namespace qtui
