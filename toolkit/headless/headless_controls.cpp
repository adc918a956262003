#include "toolkit/headless/headless_controls.h"

#include "toolkit/headless/headless_toolkit.h"

#include <algorithm>

namespace headless {

void HeadlessButton::click()
{
    if (!isEnabled())
        return;
    setFocus();
    if (onClick)
        onClick();
    toolkit_.runPending();
}

// The text before the typing is kept before Change fires, so that a text the
// program sets in its Change handler ends the field's own undo, as it does
// in a real field.
void HeadlessTextField::type(const std::string& text)
{
    if (!isEnabled())
        return;
    setFocus();
    if (!isReadOnly() && text != this->text()) {
        typedOver_.push_back(this->text());
        userTyped(text);
    }
    toolkit_.runPending();
}

void HeadlessTextField::keyPressed(const ui::KeyChord& keys)
{
    if (keys != ui::KeyChord{'Z', ui::kCtrlKey} || typedOver_.empty())
        return;
    const std::string before = std::move(typedOver_.back());
    typedOver_.pop_back();
    userTyped(before);
}

void HeadlessCheckBox::click()
{
    if (!isEnabled())
        return;
    setFocus();
    value_ = value_ == 1 ? 0 : 1;
    if (onClick)
        onClick();
    toolkit_.runPending();
}

void HeadlessOptionButton::setValue(bool chosen)
{
    if (chosen) {
        for (const auto& control : toolkit_.window()->controls()) {
            auto* other = dynamic_cast<HeadlessOptionButton*>(control.get());
            if (other && other != this && &other->parent() == &parent_)
                other->clearSilently();
        }
    }
    value_ = chosen;
}

void HeadlessOptionButton::click()
{
    if (!isEnabled())
        return;
    setFocus();
    setValue(true);
    if (onClick)
        onClick();
    toolkit_.runPending();
}

void HeadlessListBox::select(int row)
{
    if (row == selected_)
        return;
    selected_ = row;
    if (onSelectionChange)
        onSelectionChange();
}

void HeadlessListBox::setItems(std::vector<std::string> rows)
{
    items_ = std::move(rows);
    select(-1);
}

void HeadlessListBox::clear()
{
    items_.clear();
    select(-1);
}

void HeadlessListBox::removeItem(int row)
{
    if (row < 0 || row >= count())
        return;
    items_.erase(items_.begin() + row);
    if (selected_ == row)
        select(-1);
    else if (selected_ > row)
        select(selected_ - 1);
}

std::string HeadlessListBox::item(int row) const
{
    return row >= 0 && row < count() ? items_[static_cast<std::size_t>(row)] : std::string();
}

void HeadlessListBox::setItem(int row, const std::string& text)
{
    if (row >= 0 && row < count())
        items_[static_cast<std::size_t>(row)] = text;
}

void HeadlessListBox::setSelectedIndex(int row)
{
    select(row >= 0 && row < count() ? row : -1);
}

void HeadlessListBox::press(int row, int button, int shift)
{
    if (!isEnabled())
        return;
    setFocus();
    if (button == ui::kLeftButton && row >= 0 && row < count())
        select(row);
    if (onMouseDown)
        onMouseDown({index(), button, shift, 0, 0});
    toolkit_.runPending();
}

void HeadlessListBox::doubleClick(int row)
{
    press(row);
    if (!isEnabled())
        return;
    if (onDblClick)
        onDblClick();
    toolkit_.runPending();
}

void HeadlessListBox::keyDown(int keyCode, int shift)
{
    constexpr int kUpKey = 38;
    constexpr int kDownKey = 40;
    if (!isEnabled())
        return;
    if (onKeyDown)
        onKeyDown(keyCode, shift);
    if (keyCode == kUpKey && selected_ > 0)
        select(selected_ - 1);
    else if (keyCode == kDownKey && selected_ + 1 < count())
        select(selected_ + 1);
    toolkit_.runPending();
}

void HeadlessSlider::slide(int value)
{
    if (!isEnabled())
        return;
    setFocus();
    userMoved(value);
    toolkit_.runPending();
}

HeadlessPictureBox::HeadlessPictureBox(HeadlessToolkit& toolkit, const std::string& name, int index,
                                       const ui::Geometry& geometry)
    : HeadlessControl(toolkit, name, index, geometry)
{
    resizeBuffer();
}

void HeadlessPictureBox::setGeometry(const ui::Geometry& geometry)
{
    HeadlessControl::setGeometry(geometry);
    resizeBuffer();
}

// The drawing buffer keeps its content where the new size overlaps the old.
void HeadlessPictureBox::resizeBuffer()
{
    const int w = geometry().width / ui::kTwipsPerPixel;
    const int h = geometry().height / ui::kTwipsPerPixel;
    if (w == pixelWidth_ && h == pixelHeight_)
        return;
    std::vector<ui::Colour> resized(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), kNothingDrawn);
    for (int y = 0; y < std::min(h, pixelHeight_); ++y)
        for (int x = 0; x < std::min(w, pixelWidth_); ++x)
            resized[static_cast<std::size_t>(y * w + x)] = pixels_[static_cast<std::size_t>(y * pixelWidth_ + x)];
    pixels_ = std::move(resized);
    pixelWidth_ = w;
    pixelHeight_ = h;
}

void HeadlessPictureBox::fillRect(int x1, int y1, int x2, int y2, ui::Colour colour)
{
    ++fillCount_;
    const int left = std::max(0, std::min(x1, x2) / ui::kTwipsPerPixel);
    const int right = std::min(pixelWidth_ - 1, std::max(x1, x2) / ui::kTwipsPerPixel);
    const int top = std::max(0, std::min(y1, y2) / ui::kTwipsPerPixel);
    const int bottom = std::min(pixelHeight_ - 1, std::max(y1, y2) / ui::kTwipsPerPixel);
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            pixels_[static_cast<std::size_t>(y * pixelWidth_ + x)] = colour;
}

ui::Colour HeadlessPictureBox::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= pixelWidth_ || y >= pixelHeight_)
        return kNothingDrawn;
    return pixels_[static_cast<std::size_t>(y * pixelWidth_ + x)];
}

std::string HeadlessPictureBox::bitmapPath() const
{
    const auto* bitmap = dynamic_cast<const HeadlessBitmap*>(bitmap_.get());
    return bitmap ? bitmap->path().string() : std::string();
}

ui::MouseEvent HeadlessPictureBox::event(int button, int shift, int x, int y) const
{
    return {index(), button, shift, x, y};
}

void HeadlessPictureBox::mouseDown(int button, int shift, int x, int y)
{
    if (!isEnabled())
        return;
    setFocus();
    if (onMouseDown)
        onMouseDown(event(button, shift, x, y));
    toolkit_.runPending();
}

void HeadlessPictureBox::mouseMove(int buttons, int shift, int x, int y)
{
    if (!isEnabled())
        return;
    if (onMouseMove)
        onMouseMove(event(buttons, shift, x, y));
    toolkit_.runPending();
}

HeadlessWindow::HeadlessWindow(HeadlessToolkit& toolkit, const std::string& name, const std::string& caption,
                               const ui::Geometry& geometry)
    : HeadlessControl(toolkit, name, -1, geometry), caption_(caption)
{
}

HeadlessWindow::~HeadlessWindow()
{
    toolkit_.forgetWindow(this);
}

void HeadlessWindow::addShortcut(ui::KeyChord keys, std::function<void()> action)
{
    shortcuts_.emplace_back(keys, std::move(action));
}

void HeadlessWindow::pressKeys(int keyCode, int shift)
{
    const ui::KeyChord keys{keyCode, shift};
    if (auto* field = dynamic_cast<HeadlessTextField*>(focused_); field && field->canBeTyped()) {
        field->keyPressed(keys);
    } else {
        for (const auto& [chord, action] : shortcuts_) {
            if (chord == keys) {
                action();
                break;
            }
        }
    }
    toolkit_.runPending();
}

void HeadlessWindow::close()
{
    shown_ = false;
    if (onClose)
        onClose();
    else
        toolkit_.quit();
    toolkit_.runPending();
}

ui::Control& HeadlessWindow::adopt(std::unique_ptr<ui::Control> control)
{
    controls_.push_back(std::move(control));
    return *controls_.back();
}

}  // namespace headless
