#pragma once
// The Qt 6 Widgets back end of the window toolkit. Needs a QApplication
// (qt_application.h makes one). Every control is placed at its geometry in
// twips relative to its container; its widget carries the control's name as
// objectName and its index as the property "controlIndex".
#include "toolkit/ui/toolkit.h"

#include <QObject>

#include <string>

namespace qtui {

class QtContainer;

class QtToolkit : public ui::Toolkit {
public:
    explicit QtToolkit(std::string programName) : programName_(std::move(programName)) {}

    const std::string& programName() const override { return programName_; }
    std::unique_ptr<ui::Window> createWindow(const std::string& name, const std::string& caption, int width,
                                             int height) override;
    std::unique_ptr<ui::CanvasWindow> createCanvasWindow(const std::string& name, const std::string& caption,
                                                         int width, int height, const std::string& canvasName) override;
    ui::Control& create(ui::Container& parent, const ui::ControlDescription& description) override;

    tervok::Result<ui::BitmapRef> loadBitmap(const std::filesystem::path& path) override;
    int messageBox(const std::string& text, ui::MessageButtons buttons, ui::MessageIcon icon) override;
    std::optional<std::string> openFileDialog(const std::string& presetFileName) override;
    std::optional<ui::ChoiceInput> choiceDialog(const ui::ChoiceDialog& dialog,
                                                const ui::ChoiceFeedbackFunction& feedback) override;
    void setClipboard(const std::string& text, const std::string& mimeType, const std::string& data) override;
    std::optional<std::string> clipboardData(const std::string& mimeType) override;
    std::string clipboardText() override;
    // Queued behind the events already waiting; dropped if the toolkit goes.
    void post(std::function<void()> task) override;
    // Also ends an event loop that has not started yet.
    void quit() override;

private:
    static QtContainer& containerOf(ui::Container& parent);
    template <class T>
    T& adopt(QtContainer& container, std::unique_ptr<T> control);
    template <class T, class... Args>
    T& add(ui::Container& parent, Args&&... args);

    std::string programName_;
    QObject taskContext_;
};

}  // namespace qtui
