#pragma once
// The window toolkit contract: the controls the forms build and talk to.
// Forms see only these classes; the Qt back end shows them on screen and the
// headless back end records them for the tests. Positions and sizes are in
// twips (15 twips to a logical pixel) relative to the parent container.
// Texts are Windows-1252 bytes, as in the data files.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ui {

constexpr int kTwipsPerPixel = 15;

// 0x00BBGGRR, or a system colour when the top bit is set.
using Colour = std::uint32_t;
constexpr Colour kAppWorkspaceColour = 0x8000000C;
constexpr Colour kWindowBackgroundColour = 0x80000009;

constexpr Colour rgb(int r, int g, int b)
{
    return static_cast<Colour>(r) | (static_cast<Colour>(g) << 8) | (static_cast<Colour>(b) << 16);
}

struct Geometry {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const Geometry&) const = default;
};

enum MouseButton { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };
enum ModifierKey { kShiftKey = 1, kCtrlKey = 2, kAltKey = 4 };
constexpr int kDeleteKey = 46;

// A key as the user presses it: its Windows virtual-key code (a letter or
// digit is its upper-case character, 'Z') and the modifier keys held
// (1 Shift, 2 Ctrl, 4 Alt, added).
struct KeyChord {
    int keyCode = 0;
    int shift = 0;
    bool operator==(const KeyChord&) const = default;
};

struct MouseEvent {
    int index = -1;   // control-array index, -1 for a single control
    int button = 0;   // buttons held (1 left, 2 right, 4 middle, added)
    int shift = 0;    // modifier keys (1 Shift, 2 Ctrl, 4 Alt, added)
    int x = 0, y = 0; // pointer position in twips inside the control
};

// A decoded bitmap; only the back end that loaded it knows its pixels.
class Bitmap {
public:
    virtual ~Bitmap() = default;
    virtual int width() const = 0;   // pixels
    virtual int height() const = 0;  // pixels
};
using BitmapRef = std::shared_ptr<const Bitmap>;

class Control {
public:
    Control(std::string name, int index) : name_(std::move(name)), index_(index) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }
    int index() const { return index_; }

    virtual Geometry geometry() const = 0;
    virtual void setGeometry(const Geometry& geometry) = 0;
    virtual bool isVisible() const = 0;
    virtual void setVisible(bool visible) = 0;
    virtual bool isEnabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual void setToolTip(const std::string& tip) = 0;
    virtual void setFocus() = 0;

private:
    std::string name_;
    int index_;
};

// A window or a frame: controls are placed inside one.
class Container : public Control {
public:
    using Control::Control;
    virtual std::string caption() const = 0;
    virtual void setCaption(const std::string& caption) = 0;
};

class Window : public Container {
public:
    using Container::Container;
    virtual void show() = 0;
    // Runs action when the user presses the keys in the active window,
    // wherever the keyboard focus is, except in a text field that can be
    // typed in: that field keeps the keys for its own editing (Ctrl+Z takes
    // back typing there).
    virtual void addShortcut(KeyChord keys, std::function<void()> action) = 0;
    // The user closed the window, which is hidden now. A plain window
    // without a handler ends the program when closed, as a program's only
    // window does; a canvas window (cell_canvas.h) never does.
    std::function<void()> onClose;
};

using Frame = Container;

class Label : public Control {
public:
    using Control::Control;
    virtual std::string caption() const = 0;
    virtual void setCaption(const std::string& caption) = 0;
};

class Button : public Control {
public:
    using Control::Control;
    virtual std::string caption() const = 0;
    virtual void setBold(bool bold) = 0;
    std::function<void()> onClick;
};

// Change fires synchronously inside setText, for the program's changes as
// for the user's, but only when the text really changes.
class TextField : public Control {
public:
    using Control::Control;
    std::string text() const { return text_; }
    void setText(const std::string& text)
    {
        if (text == text_)
            return;
        text_ = text;
        showText(text_);
        if (onChange)
            onChange();
    }
    virtual bool isReadOnly() const = 0;
    virtual void setReadOnly(bool readOnly) = 0;
    std::function<void()> onChange;

protected:
    // Back ends: show the stored text.
    virtual void showText(const std::string& text) = 0;
    // Back ends: the user typed; stores the text and raises Change.
    void userTyped(const std::string& text) { setTextFromUser(text); }

private:
    void setTextFromUser(const std::string& text)
    {
        if (text == text_)
            return;
        text_ = text;
        if (onChange)
            onChange();
    }
    std::string text_;
};

// Value 0 clear, 1 ticked, 2 greyed.
class CheckBox : public Control {
public:
    using Control::Control;
    virtual int value() const = 0;
    virtual void setValue(int value) = 0;
    virtual std::string caption() const = 0;
    std::function<void()> onClick;
};

// Choosing one option clears the other options of the same container.
class OptionButton : public Control {
public:
    using Control::Control;
    virtual bool value() const = 0;
    virtual void setValue(bool chosen) = 0;
    std::function<void()> onClick;
};

// Selection -1 means no row; setting it from code raises no mouse event.
class ListBox : public Control {
public:
    using Control::Control;
    virtual void clear() = 0;
    virtual void addItem(const std::string& text) = 0;
    // Replaces every row at once (a list filled from a file); no row is
    // selected afterwards.
    virtual void setItems(std::vector<std::string> rows) = 0;
    virtual void removeItem(int row) = 0;
    virtual std::string item(int row) const = 0;
    // Every row, without a copy: valid until the rows change.
    virtual const std::vector<std::string>& items() const = 0;
    virtual void setItem(int row, const std::string& text) = 0;
    virtual int count() const = 0;
    virtual int selectedIndex() const = 0;
    virtual void setSelectedIndex(int row) = 0;
    std::function<void(const MouseEvent&)> onMouseDown;
    std::function<void()> onDblClick;
    std::function<void(int keyCode, int shift)> onKeyDown;
    // The selected row is another one now, whoever moved it: a press, a key,
    // or the program (setItems, removeItem, setSelectedIndex...). Runs once
    // the change is complete.
    std::function<void()> onSelectionChange;
};

enum class Orientation { Horizontal, Vertical };

// Change fires synchronously inside setValue, only when the value changes.
class Slider : public Control {
public:
    using Control::Control;
    int minimum() const { return min_; }
    int maximum() const { return max_; }
    int value() const { return value_; }
    void setRange(int minimum, int maximum)
    {
        min_ = minimum;
        max_ = maximum;
        showRange(min_, max_);
        // A value outside the new range is moved in silently.
        if (value_ < min_ || value_ > max_) {
            value_ = value_ < min_ ? min_ : max_;
            showValue(value_);
        }
    }
    void setValue(int value)
    {
        value = value < min_ ? min_ : (value > max_ ? max_ : value);
        if (value == value_)
            return;
        value_ = value;
        showValue(value_);
        if (onChange)
            onChange();
    }
    std::function<void()> onChange;

protected:
    virtual void showRange(int minimum, int maximum) = 0;
    virtual void showValue(int value) = 0;
    // Back ends: the user moved the slider.
    void userMoved(int value) { setValue(value); }

private:
    int min_ = 0, max_ = 10, value_ = 0;
};

// Shows one bitmap at its top-left corner at natural size, or nothing, over
// its background colour; filled rectangles are drawn into a persistent
// buffer that survives repaints. A click gives it the keyboard focus (Tab
// passes it by).
class PictureBox : public Control {
public:
    using Control::Control;
    virtual void setBackColour(Colour colour) = 0;
    virtual void setBitmap(BitmapRef bitmap) = 0;  // null shows nothing
    virtual BitmapRef bitmap() const = 0;
    // Fills the rectangle between two corners (twips, both included).
    virtual void fillRect(int x1, int y1, int x2, int y2, Colour colour) = 0;
    std::function<void(const MouseEvent&)> onMouseDown;
    std::function<void(const MouseEvent&)> onMouseMove;
};

}  // namespace ui
