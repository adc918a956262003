#pragma once
// The whole-map window on the Qt back end as its benchmarks drive it: alone,
// over the editor's part (its state over map A, the script's rows, the
// bitmap cache with every tile's bitmap read), or as the program runs it
// beside the editor window; 1920 x 1080 pixels, with the user's pointer and
// keys sent to the canvas.
#include "bench/driven_toolkit.h"
#include "formats/script_file.h"
#include "terraloom/form/program.h"
#include "terraloom/form/whole_map_window.h"
#include "toolkit/qt/qt_cell_canvas.h"

#include <QPoint>
#include <Qt>

#include <memory>

namespace bench {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

struct Editor {
    DrivenToolkit toolkit{"terraloom"};
    terraloom::EditorState state;
    tervok::BitmapCache bitmaps{toolkit};
    formats::ScriptRows rows;

    Editor();
};

// The heap in use: malloc's arenas and the blocks it maps by themselves
// (the picture and the window's drawing buffer are such blocks).
double heapInUse();

// Opens the window over the editor and paints it.
std::unique_ptr<terraloom::WholeMapWindow> openWholeMap(Editor& editor);
qtui::CanvasView& canvasView(terraloom::WholeMapWindow& whole);
void sendPointer(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons,
                 Qt::KeyboardModifiers modifiers = Qt::NoModifier);

struct WholeMap {
    Editor editor;
    std::unique_ptr<terraloom::WholeMapWindow> whole = openWholeMap(editor);

    qtui::CanvasView& view() const { return canvasView(*whole); }
    QWidget* area() const { return view().viewport(); }
    QPoint centre() const;

    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier);
    void fit() { key(Qt::Key_0); }
    void actualSize() { key(Qt::Key_1); }
    // A left click at a device pixel of the canvas, with the move there
    // before it.
    void click(QPoint at);
    void repaint();
};

// The level editor as the program runs it, with map A and the folder's map1
// script loaded (row 0 selected), the view at the map's top-left corner;
// the whole-map window, when it opens, takes 1920 x 1080 pixels.
struct Terraloom {
    DrivenToolkit toolkit{"terraloom"};
    ui::WindowPlacesInMemory places;
    std::unique_ptr<terraloom::Program> program;
    terraloom::Form1Controls* c = nullptr;

    Terraloom();
    terraloom::EditorState& state() { return program->form().state(); }
    // Ctrl+M, and the first frame of the window.
    terraloom::WholeMapWindow& open();
    QWidget* area() { return canvasView(*program->wholeMap()).viewport(); }
    // As the window system delivers keys: to the focused widget of the
    // active window, where Qt's shortcut map sees them first.
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers);
};

}  // namespace bench
