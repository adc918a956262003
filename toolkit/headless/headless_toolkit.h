#pragma once
// The in-memory back end of the window toolkit, linked by the tests. It
// records what a user would see (controls and their state, message boxes,
// dialogs) and lets a test act as the user and script the user's answers.
#include "toolkit/headless/headless_canvas.h"
#include "toolkit/headless/headless_controls.h"
#include "toolkit/ui/toolkit.h"

#include <deque>
#include <functional>
#include <filesystem>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace headless {

struct MessageRecord {
    std::string title;
    std::string text;
    ui::MessageButtons buttons = ui::MessageButtons::Ok;
    ui::MessageIcon icon = ui::MessageIcon::None;
};

struct DialogRecord {
    std::string presetFileName;
    std::filesystem::path workingDirectory;  // at the moment the dialog opened; empty when it was removed
};

// A choice dialog as the headless user has it in front of them: what it
// shows, and their hands on it. Each change asks the program's feedback.
class HeadlessChoiceDialog {
public:
    HeadlessChoiceDialog(ui::ChoiceDialog dialog, ui::ChoiceFeedbackFunction feedback);

    const ui::ChoiceDialog& dialog() const { return dialog_; }
    const ui::ChoiceInput& input() const { return input_; }
    const ui::ChoiceFeedback& feedback() const { return shown_; }
    void type(int field, const std::string& text);
    void check(int box, bool checked);

private:
    void refresh();

    ui::ChoiceDialog dialog_;
    ui::ChoiceFeedbackFunction feedback_;
    ui::ChoiceInput input_;
    ui::ChoiceFeedback shown_;
};

// The user's part in a choice dialog: types and checks, then true to press
// the accept button (which does nothing while it is disabled), false to
// cancel.
using ChoicePlayer = std::function<bool(HeadlessChoiceDialog&)>;

// What the headless back end decodes of a .bmp file: its size and origin.
class HeadlessBitmap : public ui::Bitmap {
public:
    HeadlessBitmap(std::filesystem::path path, int width, int height)
        : path_(std::move(path)), width_(width), height_(height)
    {
    }
    int width() const override { return width_; }
    int height() const override { return height_; }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
    int width_, height_;
};

class HeadlessToolkit : public ui::Toolkit {
public:
    explicit HeadlessToolkit(std::string programName) : programName_(std::move(programName)) {}

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
    std::string clipboardText() override { return clipboardText_; }
    void post(std::function<void()> task) override { pending_.push_back(std::move(task)); }
    void quit() override { quitRequested_ = true; }

    // --- for tests -----------------------------------------------------------
    // The control of that name and index in the newest open window.
    template <class T>
    T& find(const std::string& name, int index = -1) const
    {
        return dynamic_cast<T&>(findControl(name, index));
    }
    HeadlessWindow* window() const { return windows_.empty() ? nullptr : windows_.back(); }
    // The canvas window of that name, or null.
    HeadlessCanvasWindow* canvasWindow(const std::string& name) const;

    // Answers for the next message boxes and dialogs, in order. Unscripted
    // message boxes are answered OK, unscripted dialogs are cancelled.
    void answerMessages(std::initializer_list<int> answers);
    void answerDialog(std::optional<std::string> fileTitle) { dialogAnswers_.push_back(std::move(fileTitle)); }
    // The next choice dialog is played so; unscripted ones are cancelled.
    void answerChoiceDialog(ChoicePlayer player) { choicePlayers_.push_back(std::move(player)); }
    // Every choice dialog shown, as the user left it.
    const std::vector<HeadlessChoiceDialog>& choiceDialogs() const { return choiceDialogs_; }
    // Another program put text alone on the clipboard.
    void putTextOnClipboard(const std::string& text);
    const std::vector<MessageRecord>& messages() const { return messages_; }
    const std::vector<DialogRecord>& dialogs() const { return dialogs_; }
    void clearMessages() { messages_.clear(); }
    // A message that a copy of this toolkit showed in a child process, where
    // a test played the user under another account.
    void recordMessage(MessageRecord message) { messages_.push_back(std::move(message)); }

    // Runs the tasks posted while an event was handled; the user actions of
    // the headless controls call it after each event.
    void runPending();
    bool quitRequested() const { return quitRequested_; }
    long long bitmapLoads() const { return bitmapLoads_; }

    void forgetWindow(HeadlessWindow* window);
    void canvasWindowMade(HeadlessCanvasWindow* window) { canvasWindows_.push_back(window); }
    void canvasWindowGone(HeadlessCanvasWindow* window);
    // Gives a control the keyboard focus of the window it belongs to.
    void focus(ui::Control& control);

private:
    ui::Control& findControl(const std::string& name, int index) const;
    HeadlessWindow& ownerOf(ui::Container& parent) const;
    template <class T, class... Args>
    T& add(ui::Container& parent, Args&&... args);

    std::string programName_;
    std::vector<HeadlessWindow*> windows_;
    std::vector<HeadlessCanvasWindow*> canvasWindows_;
    std::unordered_map<const ui::Control*, HeadlessWindow*> owners_;  // every control's window
    std::deque<int> messageAnswers_;
    std::deque<std::optional<std::string>> dialogAnswers_;
    std::deque<ChoicePlayer> choicePlayers_;
    std::vector<HeadlessChoiceDialog> choiceDialogs_;
    std::string clipboardText_;
    std::string clipboardType_;
    std::string clipboardData_;
    std::vector<MessageRecord> messages_;
    std::vector<DialogRecord> dialogs_;
    std::deque<std::function<void()>> pending_;
    bool quitRequested_ = false;
    long long bitmapLoads_ = 0;
};

}  // namespace headless
