#pragma once
// The Qt back end as the benchmarks drive it: every control is the real Qt
// control, remembered by name and index so a benchmark can reach it; every
// message box is answered at once (OK unless told otherwise) and every file
// dialog with a preset answer, so no modal loop waits for a user.
#include "toolkit/qt/qt_toolkit.h"
#include "toolkit/ui/toolkit.h"

#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

class QWidget;

namespace bench {

class DrivenToolkit : public ui::Toolkit {
public:
    explicit DrivenToolkit(const std::string& programName) : qt_(programName) {}

    template <class T>
    T& find(const std::string& name, int index = -1) const
    {
        const auto found = controls_.find({name, index});
        T* control = found == controls_.end() ? nullptr : dynamic_cast<T*>(found->second);
        if (!control)
            throw std::logic_error("no control " + name + " (" + std::to_string(index) + ")");
        return *control;
    }
    int messageCount() const { return messages_; }
    // Every message box from now on is answered so (OK unless told).
    void answerMessages(int answer) { answer_ = answer; }
    void answerFileDialogs(std::optional<std::string> answer) { dialogAnswer_ = std::move(answer); }

    const std::string& programName() const override { return qt_.programName(); }
    std::unique_ptr<ui::Window> createWindow(const std::string& name, const std::string& caption, int width,
                                             int height) override;
    std::unique_ptr<ui::CanvasWindow> createCanvasWindow(const std::string& name, const std::string& caption,
                                                         int width, int height, const std::string& canvasName) override
    {
        return qt_.createCanvasWindow(name, caption, width, height, canvasName);
    }
    // Creation is hooked: every control is the Qt back end's own,
    // remembered on the way.
    ui::Control& create(ui::Container& parent, const ui::ControlDescription& description) override
    {
        ui::Control& control = qt_.create(parent, description);
        controls_[{control.name(), control.index()}] = &control;
        return control;
    }

    tervok::Result<ui::BitmapRef> loadBitmap(const std::filesystem::path& path) override
    {
        return qt_.loadBitmap(path);
    }
    int messageBox(const std::string&, ui::MessageButtons, ui::MessageIcon) override;
    std::optional<std::string> openFileDialog(const std::string&) override { return dialogAnswer_; }
    // A choice dialog is cancelled at once.
    std::optional<ui::ChoiceInput> choiceDialog(const ui::ChoiceDialog&, const ui::ChoiceFeedbackFunction&) override
    {
        return std::nullopt;
    }
    void setClipboard(const std::string& text, const std::string& mimeType, const std::string& data) override
    {
        qt_.setClipboard(text, mimeType, data);
    }
    std::optional<std::string> clipboardData(const std::string& mimeType) override
    {
        return qt_.clipboardData(mimeType);
    }
    std::string clipboardText() override { return qt_.clipboardText(); }
    void post(std::function<void()> task) override { qt_.post(std::move(task)); }
    // The benchmarks end their sessions themselves.
    void quit() override {}

private:
    qtui::QtToolkit qt_;
    std::map<std::pair<std::string, int>, ui::Control*> controls_;
    std::optional<std::string> dialogAnswer_;
    int messages_ = 0;
    int answer_ = ui::kAnswerOk;
};

}  // namespace bench
