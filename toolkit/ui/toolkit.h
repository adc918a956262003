#pragma once
// The factory side of the window toolkit contract: windows, controls,
// canvas windows, bitmaps, message boxes, the open-file dialog and deferred
// work.
#include "common/errors/result.h"
#include "toolkit/ui/cell_canvas.h"
#include "toolkit/ui/controls.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace ui {

enum class ControlKind {
    Frame,
    Label,
    Button,
    TextField,
    CheckBox,
    OptionButton,
    ListBox,
    HorizontalSlider,
    VerticalSlider,
    PictureBox,
};

// A control as a form asks for it: its kind, its design name and
// control-array index (-1 for a single control), its place in twips inside
// its container, and its caption (a text field's first text; lists,
// sliders and pictures have none).
struct ControlDescription {
    ControlKind kind = ControlKind::Label;
    std::string name;
    int index = -1;
    Geometry geometry;
    std::string caption;
};

// A small modal dialog: fields to type in or to choose from a list of
// choices, check boxes, a line of text that the program keeps up to date
// while the user changes them, an accept button and a Cancel button. The
// accept button works only while the program finds the input acceptable.
struct DialogField {
    std::string label;
    std::vector<std::string> choices;
    std::string text;  // the text the field starts with
};
struct DialogCheck {
    std::string caption;
    bool checked = false;
};
struct ChoiceDialog {
    std::string title;
    std::vector<DialogField> fields;
    std::vector<DialogCheck> checks;
    std::string acceptCaption;
};
// What the user has entered: a text a field, a state a check box.
struct ChoiceInput {
    std::vector<std::string> texts;
    std::vector<bool> checks;
    bool operator==(const ChoiceInput&) const = default;
};
struct ChoiceFeedback {
    std::string text;
    bool acceptable = false;
};
using ChoiceFeedbackFunction = std::function<ChoiceFeedback(const ChoiceInput&)>;

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

    // A resizable window of its own whose client area of width x height
    // twips holds a cell canvas (named canvasName, which is also what screen
    // readers call it) above a status bar.
    virtual std::unique_ptr<CanvasWindow> createCanvasWindow(const std::string& name, const std::string& caption,
                                                             int width, int height,
                                                             const std::string& canvasName) = 0;

    // Creates a control inside parent (a window or a frame of one); the
    // window owns it.
    virtual Control& create(Container& parent, const ControlDescription& description) = 0;

    // Typed shorthands for create(); index is the control-array index, or
    // -1 for a single control.
    Frame& createFrame(Container& parent, const std::string& name, int index, const Geometry& geometry,
                       const std::string& caption)
    {
        return make<Frame>(parent, {ControlKind::Frame, name, index, geometry, caption});
    }
    Label& createLabel(Container& parent, const std::string& name, int index, const Geometry& geometry,
                       const std::string& caption)
    {
        return make<Label>(parent, {ControlKind::Label, name, index, geometry, caption});
    }
    Button& createButton(Container& parent, const std::string& name, int index, const Geometry& geometry,
                         const std::string& caption)
    {
        return make<Button>(parent, {ControlKind::Button, name, index, geometry, caption});
    }
    TextField& createTextField(Container& parent, const std::string& name, int index, const Geometry& geometry,
                               const std::string& text)
    {
        return make<TextField>(parent, {ControlKind::TextField, name, index, geometry, text});
    }
    CheckBox& createCheckBox(Container& parent, const std::string& name, int index, const Geometry& geometry,
                             const std::string& caption)
    {
        return make<CheckBox>(parent, {ControlKind::CheckBox, name, index, geometry, caption});
    }
    OptionButton& createOptionButton(Container& parent, const std::string& name, int index,
                                     const Geometry& geometry, const std::string& caption)
    {
        return make<OptionButton>(parent, {ControlKind::OptionButton, name, index, geometry, caption});
    }
    ListBox& createListBox(Container& parent, const std::string& name, int index, const Geometry& geometry)
    {
        return make<ListBox>(parent, {ControlKind::ListBox, name, index, geometry, {}});
    }
    Slider& createSlider(Container& parent, const std::string& name, int index, const Geometry& geometry,
                         Orientation orientation)
    {
        const ControlKind kind =
            orientation == Orientation::Horizontal ? ControlKind::HorizontalSlider : ControlKind::VerticalSlider;
        return make<Slider>(parent, {kind, name, index, geometry, {}});
    }
    PictureBox& createPictureBox(Container& parent, const std::string& name, int index, const Geometry& geometry)
    {
        return make<PictureBox>(parent, {ControlKind::PictureBox, name, index, geometry, {}});
    }

    // Decodes a .bmp file that bitmapShownInCell (common/files/bitmap_file.h)
    // takes; the reason when the file cannot be read or decoded. Never shows
    // a message.
    virtual tervok::Result<BitmapRef> loadBitmap(const std::filesystem::path& path) = 0;

    // Modal; returns kAnswerOk or kAnswerCancel (also for a closed box).
    virtual int messageBox(const std::string& text, MessageButtons buttons, MessageIcon icon) = 0;

    // Modal open-file dialog with its file name preset (for example
    // "sprites\*.spr"); the chosen file's name without its folder, as the
    // file system spells it (UTF-8 on this system, not Windows-1252), or
    // nothing when the user cancelled.
    virtual std::optional<std::string> openFileDialog(const std::string& presetFileName) = 0;

    // Modal; asks the program for its feedback at the start and after each
    // change. What the user entered when they accepted, or nothing when they
    // cancelled or closed the dialog.
    virtual std::optional<ChoiceInput> choiceDialog(const ChoiceDialog& dialog,
                                                    const ChoiceFeedbackFunction& feedback) = 0;

    // The system clipboard: a copy puts the text, and beside it the data
    // under the program's own MIME type; clipboardData gives the data under
    // that type, nothing when the clipboard holds none; clipboardText the
    // plain text, empty for none. Texts are Windows-1252 bytes, data bytes
    // as they are.
    virtual void setClipboard(const std::string& text, const std::string& mimeType, const std::string& data) = 0;
    virtual std::optional<std::string> clipboardData(const std::string& mimeType) = 0;
    virtual std::string clipboardText() = 0;

    // Runs task after the current event has been handled (for example to
    // replace a window from inside one of its own click handlers).
    virtual void post(std::function<void()> task) = 0;

    // Ends the program's event loop.
    virtual void quit() = 0;

private:
    template <class T>
    T& make(Container& parent, const ControlDescription& description)
    {
        return dynamic_cast<T&>(create(parent, description));
    }
};

}  // namespace ui
