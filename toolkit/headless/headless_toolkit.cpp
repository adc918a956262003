#include "toolkit/headless/headless_toolkit.h"

#include "common/files/bitmap_file.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>

namespace headless {

template <class T, class... Args>
T& HeadlessToolkit::add(ui::Container& parent, Args&&... args)
{
    HeadlessWindow& window = ownerOf(parent);
    auto control = std::make_unique<T>(*this, std::forward<Args>(args)...);
    T& ref = *control;
    window.adopt(std::move(control));
    owners_[&ref] = &window;
    return ref;
}

void giveFocus(HeadlessToolkit& toolkit, ui::Control& control)
{
    toolkit.focus(control);
}

void HeadlessToolkit::focus(ui::Control& control)
{
    const auto it = owners_.find(&control);
    if (it != owners_.end())
        it->second->setFocused(&control);
}

std::unique_ptr<ui::Window> HeadlessToolkit::createWindow(const std::string& name, const std::string& caption,
                                                          int width, int height)
{
    auto window = std::make_unique<HeadlessWindow>(*this, name, caption, ui::Geometry{0, 0, width, height});
    windows_.push_back(window.get());
    owners_[window.get()] = window.get();
    return window;
}

std::unique_ptr<ui::CanvasWindow> HeadlessToolkit::createCanvasWindow(const std::string& name,
                                                                     const std::string& caption, int width,
                                                                     int height, const std::string& canvasName)
{
    return std::make_unique<HeadlessCanvasWindow>(*this, name, caption, ui::Geometry{0, 0, width, height},
                                                  canvasName);
}

HeadlessCanvasWindow* HeadlessToolkit::canvasWindow(const std::string& name) const
{
    for (HeadlessCanvasWindow* window : canvasWindows_)
        if (window->name() == name)
            return window;
    return nullptr;
}

void HeadlessToolkit::canvasWindowGone(HeadlessCanvasWindow* window)
{
    canvasWindows_.erase(std::remove(canvasWindows_.begin(), canvasWindows_.end(), window), canvasWindows_.end());
}

void HeadlessToolkit::forgetWindow(HeadlessWindow* window)
{
    windows_.erase(std::remove(windows_.begin(), windows_.end(), window), windows_.end());
    for (auto it = owners_.begin(); it != owners_.end();) {
        if (it->second == window)
            it = owners_.erase(it);
        else
            ++it;
    }
}

HeadlessWindow& HeadlessToolkit::ownerOf(ui::Container& parent) const
{
    const auto it = owners_.find(&parent);
    if (it == owners_.end())
        throw std::logic_error("control created in a container of no open window");
    return *it->second;
}

ui::Control& HeadlessToolkit::create(ui::Container& parent, const ui::ControlDescription& description)
{
    const auto& [kind, name, index, geometry, caption] = description;
    switch (kind) {
    case ui::ControlKind::Frame:
        return add<HeadlessContainer>(parent, name, index, geometry, caption);
    case ui::ControlKind::Label:
        return add<HeadlessLabel>(parent, name, index, geometry, caption);
    case ui::ControlKind::Button:
        return add<HeadlessButton>(parent, name, index, geometry, caption);
    case ui::ControlKind::TextField: {
        auto& field = add<HeadlessTextField>(parent, name, index, geometry);
        field.setText(caption);
        return field;
    }
    case ui::ControlKind::CheckBox:
        return add<HeadlessCheckBox>(parent, name, index, geometry, caption);
    case ui::ControlKind::OptionButton:
        return add<HeadlessOptionButton>(parent, parent, name, index, geometry);
    case ui::ControlKind::ListBox:
        return add<HeadlessListBox>(parent, name, index, geometry);
    case ui::ControlKind::HorizontalSlider:
        return add<HeadlessSlider>(parent, name, index, geometry, ui::Orientation::Horizontal);
    case ui::ControlKind::VerticalSlider:
        return add<HeadlessSlider>(parent, name, index, geometry, ui::Orientation::Vertical);
    case ui::ControlKind::PictureBox:
        return add<HeadlessPictureBox>(parent, name, index, geometry);
    }
    throw std::logic_error("unknown kind of control " + name);
}

// Decodes only the BMP header, through the same guarded read as the Qt back
// end: a file that is not regular, or whose pixels are cut short, is no
// bitmap, for the same reason.
tervok::Result<ui::BitmapRef> HeadlessToolkit::loadBitmap(const std::filesystem::path& path)
{
    ++bitmapLoads_;
    const std::string bytes = TRY(tervok::readBitmapFile(path));
    const tervok::BmpHeader header = TRY(tervok::bitmapShownInCell(bytes));
    return ui::BitmapRef(std::make_shared<HeadlessBitmap>(path, header.width, header.height));
}

int HeadlessToolkit::messageBox(const std::string& text, ui::MessageButtons buttons, ui::MessageIcon icon)
{
    messages_.push_back({programName_, text, buttons, icon});
    if (messageAnswers_.empty())
        return ui::kAnswerOk;
    const int answer = messageAnswers_.front();
    messageAnswers_.pop_front();
    return answer;
}

std::optional<std::string> HeadlessToolkit::openFileDialog(const std::string& presetFileName)
{
    // A working directory that was removed is recorded as an empty path, as
    // a real dialog simply opens elsewhere then.
    std::error_code ec;
    dialogs_.push_back({presetFileName, std::filesystem::current_path(ec)});
    if (dialogAnswers_.empty())
        return std::nullopt;
    std::optional<std::string> answer = dialogAnswers_.front();
    dialogAnswers_.pop_front();
    return answer;
}

HeadlessChoiceDialog::HeadlessChoiceDialog(ui::ChoiceDialog dialog, ui::ChoiceFeedbackFunction feedback)
    : dialog_(std::move(dialog)), feedback_(std::move(feedback))
{
    for (const ui::DialogField& field : dialog_.fields)
        input_.texts.push_back(field.text);
    for (const ui::DialogCheck& box : dialog_.checks)
        input_.checks.push_back(box.checked);
    refresh();
}

void HeadlessChoiceDialog::type(int field, const std::string& text)
{
    input_.texts.at(static_cast<std::size_t>(field)) = text;
    refresh();
}

void HeadlessChoiceDialog::check(int box, bool checked)
{
    input_.checks.at(static_cast<std::size_t>(box)) = checked;
    refresh();
}

void HeadlessChoiceDialog::refresh()
{
    shown_ = feedback_ ? feedback_(input_) : ui::ChoiceFeedback{{}, true};
}

std::optional<ui::ChoiceInput> HeadlessToolkit::choiceDialog(const ui::ChoiceDialog& dialog,
                                                             const ui::ChoiceFeedbackFunction& feedback)
{
    HeadlessChoiceDialog shown(dialog, feedback);
    bool accepted = false;
    if (!choicePlayers_.empty()) {
        const ChoicePlayer player = std::move(choicePlayers_.front());
        choicePlayers_.pop_front();
        accepted = player(shown) && shown.feedback().acceptable;
    }
    choiceDialogs_.push_back(shown);
    return accepted ? std::optional<ui::ChoiceInput>(shown.input()) : std::nullopt;
}

void HeadlessToolkit::setClipboard(const std::string& text, const std::string& mimeType, const std::string& data)
{
    clipboardText_ = text;
    clipboardType_ = mimeType;
    clipboardData_ = data;
}

std::optional<std::string> HeadlessToolkit::clipboardData(const std::string& mimeType)
{
    return !clipboardType_.empty() && mimeType == clipboardType_ ? std::optional<std::string>(clipboardData_)
                                                                 : std::nullopt;
}

void HeadlessToolkit::putTextOnClipboard(const std::string& text)
{
    setClipboard(text, {}, {});
}

void HeadlessToolkit::answerMessages(std::initializer_list<int> answers)
{
    messageAnswers_.insert(messageAnswers_.end(), answers.begin(), answers.end());
}

void HeadlessToolkit::runPending()
{
    while (!pending_.empty()) {
        auto task = std::move(pending_.front());
        pending_.pop_front();
        task();
    }
}

ui::Control& HeadlessToolkit::findControl(const std::string& name, int index) const
{
    for (auto w = windows_.rbegin(); w != windows_.rend(); ++w) {
        if ((*w)->name() == name && index == -1)
            return **w;
        for (const auto& control : (*w)->controls()) {
            if (control->name() == name && control->index() == index)
                return *control;
        }
    }
    throw std::out_of_range("no control " + name + "(" + std::to_string(index) + ")");
}

}  // namespace headless
