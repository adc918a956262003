#pragma once
// The factory side of the window toolkit contract: windows, controls,
// bitmaps, message boxes, the open-file dialog and deferred work.
#include "ui/controls.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace ui {

enum class MessageButtons { Ok, OkCancel };
enum class MessageIcon { None, Critical };
constexpr int kAnswerOk = 1;
constexpr int kAnswerCancel = 2;

class Toolkit {
public:
    virtual ~Toolkit() = default;

    // The program's name, the title of every message box.
    virtual const std::string& programName() const = 0;

    // A window whose client area measures width x height twips. The window
    // owns every control created inside it.
    virtual std::unique_ptr<Window> createWindow(const std::string& name, const std::string& caption,
                                                 int width, int height) = 0;

    // index is the control-array index, or -1 for a single control.
    virtual Frame& createFrame(Container& parent, const std::string& name, int index,
                               const Geometry& geometry, const std::string& caption) = 0;
    virtual Label& createLabel(Container& parent, const std::string& name, int index,
                               const Geometry& geometry, const std::string& caption) = 0;
    virtual Button& createButton(Container& parent, const std::string& name, int index,
                                 const Geometry& geometry, const std::string& caption) = 0;
    virtual TextField& createTextField(Container& parent, const std::string& name, int index,
                                       const Geometry& geometry, const std::string& text) = 0;
    virtual CheckBox& createCheckBox(Container& parent, const std::string& name, int index,
                                     const Geometry& geometry, const std::string& caption) = 0;
    virtual OptionButton& createOptionButton(Container& parent, const std::string& name, int index,
                                             const Geometry& geometry, const std::string& caption) = 0;
    virtual ListBox& createListBox(Container& parent, const std::string& name, int index,
                                   const Geometry& geometry) = 0;
    virtual Slider& createSlider(Container& parent, const std::string& name, int index,
                                 const Geometry& geometry, Orientation orientation) = 0;
    virtual PictureBox& createPictureBox(Container& parent, const std::string& name, int index,
                                         const Geometry& geometry) = 0;

    // Decodes a .bmp file; null when it cannot be loaded. Never shows a message.
    virtual BitmapRef loadBitmap(const std::filesystem::path& path) = 0;

    // Modal; returns kAnswerOk or kAnswerCancel (also for a closed box).
    virtual int messageBox(const std::string& text, MessageButtons buttons, MessageIcon icon) = 0;

    // Modal open-file dialog with its file name preset (for example
    // "sprites\*.spr"); the chosen file's name without its folder, as the
    // file system spells it (UTF-8 on this system, not Windows-1252), or
    // nothing when the user cancelled.
    virtual std::optional<std::string> openFileDialog(const std::string& presetFileName) = 0;

    // Runs task after the current event has been handled (for example to
    // replace a window from inside one of its own click handlers).
    virtual void post(std::function<void()> task) = 0;

    // Ends the program's event loop.
    virtual void quit() = 0;
};

}  // namespace ui
