#pragma once
// The canvas window: a main window of its own, without a parent, holding
// the cell canvas between a tool bar (made with its first button) and a
// status bar of text fields. Closing it hides it and never ends the
// program; the program hears of it through onClose.
#include "toolkit/qt/qt_cell_canvas.h"
#include "toolkit/qt/qt_control.h"
#include "toolkit/ui/cell_canvas.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QLabel;
class QToolBar;

namespace qtui {

class CanvasMainWindow : public QMainWindow {
public:
    std::function<void()> closeRequested;
    std::function<void()> activated;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
};

class QtCanvasWindow : public QtControl<ui::CanvasWindow, CanvasMainWindow> {
public:
    QtCanvasWindow(const std::string& name, const std::string& caption, int width, int height,
                   const std::string& canvasName);
    ~QtCanvasWindow() override;

    std::string caption() const override { return caption_; }
    void setCaption(const std::string& caption) override;
    ui::Geometry geometry() const override;
    void setGeometry(const ui::Geometry& geometry) override;
    bool isVisible() const override { return view()->isVisible(); }
    void show() override { view()->show(); }
    void hide() override { view()->hide(); }
    void raise() override;
    // A shortcut of this window only, as QtWindow's.
    void addShortcut(ui::KeyChord keys, std::function<void()> action) override;
    ui::CellCanvas& canvas() override { return *canvas_; }
    void setStatusText(int field, const std::string& text) override;
    std::string statusText(int field) const override;
    int addToolButton(const std::string& caption, const std::string& toolTip, bool checkable) override;
    void addToolSeparator() override;
    void setToolButtonChecked(int button, bool checked) override;
    bool toolButtonChecked(int button) const override;

    QToolBar* toolBar() const { return toolBar_; }
    QAction* toolAction(int button) const { return tools_.at(static_cast<std::size_t>(button)); }

private:
    QToolBar& ensureToolBar();
    void placeBesideTheWorkingWindow();

    std::string caption_;
    bool placed_ = false;  // a place was given, or the window was shown once
    std::unique_ptr<QtCellCanvas> canvas_;
    std::vector<QLabel*> status_;
    QToolBar* toolBar_ = nullptr;
    std::vector<QAction*> tools_;
};

}  // namespace qtui
