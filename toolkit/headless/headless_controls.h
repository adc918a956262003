#pragma once
// In-memory controls: they keep everything a user would see, so tests can
// read it back, and offer the user's actions (click, type, press, move) as
// plain calls.
#include "toolkit/ui/controls.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace headless {

class HeadlessToolkit;

// Gives a control the keyboard focus of its window.
void giveFocus(HeadlessToolkit& toolkit, ui::Control& control);

// The state every control shares.
template <class Base>
class HeadlessControl : public Base {
public:
    HeadlessControl(HeadlessToolkit& toolkit, const std::string& name, int index, const ui::Geometry& geometry)
        : Base(name, index), toolkit_(toolkit), geometry_(geometry)
    {
    }
    ui::Geometry geometry() const override { return geometry_; }
    void setGeometry(const ui::Geometry& geometry) override { geometry_ = geometry; }
    bool isVisible() const override { return visible_; }
    void setVisible(bool visible) override { visible_ = visible; }
    bool isEnabled() const override { return enabled_; }
    void setEnabled(bool enabled) override { enabled_ = enabled; }
    void setToolTip(const std::string& tip) override { toolTip_ = tip; }
    const std::string& toolTip() const { return toolTip_; }
    // A disabled control cannot take the focus. The user's clicks, presses,
    // slides and typing give the focus to the control they act on, as a
    // window system does.
    void setFocus() override
    {
        if (enabled_)
            giveFocus(toolkit_, *this);
    }

protected:
    HeadlessToolkit& toolkit_;

private:
    ui::Geometry geometry_;
    bool visible_ = true;
    bool enabled_ = true;
    std::string toolTip_;
};

class HeadlessContainer : public HeadlessControl<ui::Container> {
public:
    HeadlessContainer(HeadlessToolkit& toolkit, const std::string& name, int index, const ui::Geometry& geometry,
                      const std::string& caption)
        : HeadlessControl(toolkit, name, index, geometry), caption_(caption)
    {
    }
    std::string caption() const override { return caption_; }
    void setCaption(const std::string& caption) override { caption_ = caption; }

private:
    std::string caption_;
};

class HeadlessLabel : public HeadlessControl<ui::Label> {
public:
    HeadlessLabel(HeadlessToolkit& toolkit, const std::string& name, int index, const ui::Geometry& geometry,
                  const std::string& caption)
        : HeadlessControl(toolkit, name, index, geometry), caption_(caption)
    {
    }
    std::string caption() const override { return caption_; }
    void setCaption(const std::string& caption) override { caption_ = caption; }

private:
    std::string caption_;
};

class HeadlessButton : public HeadlessControl<ui::Button> {
public:
    HeadlessButton(HeadlessToolkit& toolkit, const std::string& name, int index, const ui::Geometry& geometry,
                   const std::string& caption)
        : HeadlessControl(toolkit, name, index, geometry), caption_(caption)
    {
    }
    std::string caption() const override { return caption_; }
    void setBold(bool bold) override { bold_ = bold; }
    bool isBold() const { return bold_; }
    void click();

private:
    std::string caption_;
    bool bold_ = false;
};

class HeadlessTextField : public HeadlessControl<ui::TextField> {
public:
    using HeadlessControl::HeadlessControl;
    bool isReadOnly() const override { return readOnly_; }
    void setReadOnly(bool readOnly) override { readOnly_ = readOnly; }
    bool canBeTyped() const { return isEnabled() && !readOnly_; }
    // The user clicks into the field and replaces the whole text (as by
    // selecting all and typing).
    void type(const std::string& text);
    // A key pressed while the field has the focus: Ctrl+Z takes back the
    // last typing, as far back as the program last set the text.
    void keyPressed(const ui::KeyChord& keys);

protected:
    void showText(const std::string&) override { typedOver_.clear(); }

private:
    bool readOnly_ = false;
    std::vector<std::string> typedOver_;  // the text before each typing, the latest at the back
};

class HeadlessCheckBox : public HeadlessControl<ui::CheckBox> {
public:
    HeadlessCheckBox(HeadlessToolkit& toolkit, const std::string& name, int index, const ui::Geometry& geometry,
                     const std::string& caption)
        : HeadlessControl(toolkit, name, index, geometry), caption_(caption)
    {
    }
    int value() const override { return value_; }
    void setValue(int value) override { value_ = value; }
    std::string caption() const override { return caption_; }
    // A click toggles between clear and ticked; a disabled box ignores it.
    void click();

private:
    std::string caption_;
    int value_ = 0;
};

class HeadlessOptionButton : public HeadlessControl<ui::OptionButton> {
public:
    HeadlessOptionButton(HeadlessToolkit& toolkit, ui::Container& parent, const std::string& name, int index,
                         const ui::Geometry& geometry)
        : HeadlessControl(toolkit, name, index, geometry), parent_(parent)
    {
    }
    bool value() const override { return value_; }
    void setValue(bool chosen) override;
    void click();
    ui::Container& parent() const { return parent_; }
    void clearSilently() { value_ = false; }

private:
    ui::Container& parent_;
    bool value_ = false;
};

class HeadlessListBox : public HeadlessControl<ui::ListBox> {
public:
    using HeadlessControl::HeadlessControl;
    void clear() override;
    void addItem(const std::string& text) override { items_.push_back(text); }
    void setItems(std::vector<std::string> rows) override;
    void removeItem(int row) override;
    std::string item(int row) const override;
    void setItem(int row, const std::string& text) override;
    int count() const override { return static_cast<int>(items_.size()); }
    int selectedIndex() const override { return selected_; }
    void setSelectedIndex(int row) override;
    const std::vector<std::string>& items() const override { return items_; }

    // A press on a row: the left button selects it first, other buttons leave
    // the selection as it was. row -1 presses below the last row.
    void press(int row, int button = ui::kLeftButton, int shift = 0);
    // Press, then double click.
    void doubleClick(int row);
    // After KeyDown, the arrow keys up and down move the selection by a row,
    // as the window system's list does.
    void keyDown(int keyCode, int shift = 0);

private:
    // Selects a row (-1: none) and tells of a change.
    void select(int row);

    std::vector<std::string> items_;
    int selected_ = -1;
};

class HeadlessSlider : public HeadlessControl<ui::Slider> {
public:
    HeadlessSlider(HeadlessToolkit& toolkit, const std::string& name, int index, const ui::Geometry& geometry,
                   ui::Orientation orientation)
        : HeadlessControl(toolkit, name, index, geometry), orientation_(orientation)
    {
    }
    ui::Orientation orientation() const { return orientation_; }
    void slide(int value);

protected:
    void showRange(int, int) override {}
    void showValue(int) override {}

private:
    ui::Orientation orientation_;
};

class HeadlessPictureBox : public HeadlessControl<ui::PictureBox> {
public:
    HeadlessPictureBox(HeadlessToolkit& toolkit, const std::string& name, int index, const ui::Geometry& geometry);
    void setBackColour(ui::Colour colour) override { backColour_ = colour; }
    ui::Colour backColour() const { return backColour_; }
    void setBitmap(ui::BitmapRef bitmap) override { bitmap_ = std::move(bitmap); }
    ui::BitmapRef bitmap() const override { return bitmap_; }
    void fillRect(int x1, int y1, int x2, int y2, ui::Colour colour) override;
    void setGeometry(const ui::Geometry& geometry) override;

    // The file the shown bitmap came from, empty when nothing is shown.
    std::string bitmapPath() const;
    // The colour drawn at a pixel, or kNothingDrawn.
    static constexpr ui::Colour kNothingDrawn = 0xFFFFFFFF;
    ui::Colour pixel(int x, int y) const;
    // Every pixel, row by row.
    const std::vector<ui::Colour>& pixels() const { return pixels_; }
    long long fillCount() const { return fillCount_; }

    void mouseDown(int button, int shift, int x, int y);
    void mouseMove(int buttons, int shift, int x, int y);

private:
    void resizeBuffer();
    ui::MouseEvent event(int button, int shift, int x, int y) const;

    ui::Colour backColour_ = 0x00FFFFFF;
    ui::BitmapRef bitmap_;
    int pixelWidth_ = 0, pixelHeight_ = 0;
    std::vector<ui::Colour> pixels_;
    long long fillCount_ = 0;
};

class HeadlessWindow : public HeadlessControl<ui::Window> {
public:
    HeadlessWindow(HeadlessToolkit& toolkit, const std::string& name, const std::string& caption,
                   const ui::Geometry& geometry);
    ~HeadlessWindow() override;
    std::string caption() const override { return caption_; }
    void setCaption(const std::string& caption) override { caption_ = caption; }
    void show() override { shown_ = true; }
    bool isShown() const { return shown_; }
    void addShortcut(ui::KeyChord keys, std::function<void()> action) override;
    // The user closes the window: it is hidden, then onClose runs (without
    // one the program ends, as on the Qt back end).
    void close();
    // The user presses keys: a text field that can be typed in and has the
    // focus keeps them; anywhere else the window's shortcut for them runs.
    void pressKeys(int keyCode, int shift = 0);

    // The control with the keyboard focus (the window itself when given
    // it), or null.
    ui::Control* focused() const { return focused_; }
    void setFocused(ui::Control* control) { focused_ = control; }

    ui::Control& adopt(std::unique_ptr<ui::Control> control);
    const std::vector<std::unique_ptr<ui::Control>>& controls() const { return controls_; }

private:
    std::string caption_;
    bool shown_ = false;
    std::vector<std::unique_ptr<ui::Control>> controls_;
    std::vector<std::pair<ui::KeyChord, std::function<void()>>> shortcuts_;
    ui::Control* focused_ = nullptr;
};

}  // namespace headless
