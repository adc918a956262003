#include "toolkit/qt/qt_toolkit.h"

#include "toolkit/qt/qt_bitmap.h"
#include "toolkit/qt/qt_button.h"
#include "toolkit/qt/qt_canvas_window.h"
#include "toolkit/qt/qt_check_box.h"
#include "toolkit/qt/qt_choice_dialog.h"
#include "toolkit/qt/qt_clipboard.h"
#include "toolkit/qt/qt_file_dialog.h"
#include "toolkit/qt/qt_frame.h"
#include "toolkit/qt/qt_label.h"
#include "toolkit/qt/qt_list_box.h"
#include "toolkit/qt/qt_message_box.h"
#include "toolkit/qt/qt_option_button.h"
#include "toolkit/qt/qt_picture_box.h"
#include "toolkit/qt/qt_slider.h"
#include "toolkit/qt/qt_text_field.h"
#include "toolkit/qt/qt_window.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <stdexcept>

namespace qtui {

QWidget* widgetOf(const ui::Control& control)
{
    const auto* holder = dynamic_cast<const WidgetHolder*>(&control);
    return holder ? holder->widget() : nullptr;
}

QtContainer& QtToolkit::containerOf(ui::Container& parent)
{
    auto* container = dynamic_cast<QtContainer*>(&parent);
    if (!container)
        throw std::logic_error("control created in a container of another toolkit");
    return *container;
}

// The window owns the new control. A widget added to a window already on
// screen has to be shown by hand (control-array members made at run time).
template <class T>
T& QtToolkit::adopt(QtContainer& container, std::unique_ptr<T> control)
{
    T& made = *control;
    if (container.clientWidget()->isVisible())
        made.widget()->show();
    container.ownerWindow().adopt(std::move(control));
    return made;
}

template <class T, class... Args>
T& QtToolkit::add(ui::Container& parent, Args&&... args)
{
    QtContainer& container = containerOf(parent);
    return adopt(container, std::make_unique<T>(container.clientWidget(), std::forward<Args>(args)...));
}

std::unique_ptr<ui::Window> QtToolkit::createWindow(const std::string& name, const std::string& caption, int width,
                                                    int height)
{
    return std::make_unique<QtWindow>(name, caption, width, height);
}

std::unique_ptr<ui::CanvasWindow> QtToolkit::createCanvasWindow(const std::string& name, const std::string& caption,
                                                               int width, int height, const std::string& canvasName)
{
    return std::make_unique<QtCanvasWindow>(name, caption, width, height, canvasName);
}

ui::Control& QtToolkit::create(ui::Container& parent, const ui::ControlDescription& description)
{
    const auto& [kind, name, index, geometry, caption] = description;
    switch (kind) {
    case ui::ControlKind::Frame: {
        QtContainer& container = containerOf(parent);
        return adopt(container, std::make_unique<QtFrame>(container, name, index, geometry, caption));
    }
    case ui::ControlKind::Label:
        return add<QtLabel>(parent, name, index, geometry, caption);
    case ui::ControlKind::Button:
        return add<QtButton>(parent, name, index, geometry, caption);
    case ui::ControlKind::TextField: {
        auto& field = add<QtTextField>(parent, name, index, geometry);
        field.setText(caption);
        return field;
    }
    case ui::ControlKind::CheckBox:
        return add<QtCheckBox>(parent, name, index, geometry, caption);
    case ui::ControlKind::OptionButton:
        return add<QtOptionButton>(parent, name, index, geometry, caption);
    case ui::ControlKind::ListBox:
        return add<QtListBox>(parent, name, index, geometry);
    case ui::ControlKind::HorizontalSlider:
        return add<QtSlider>(parent, name, index, geometry, ui::Orientation::Horizontal);
    case ui::ControlKind::VerticalSlider:
        return add<QtSlider>(parent, name, index, geometry, ui::Orientation::Vertical);
    case ui::ControlKind::PictureBox:
        return add<QtPictureBox>(parent, name, index, geometry);
    }
    throw std::logic_error("unknown kind of control " + name);
}

tervok::Result<ui::BitmapRef> QtToolkit::loadBitmap(const std::filesystem::path& path)
{
    return loadQtBitmap(path);
}

int QtToolkit::messageBox(const std::string& text, ui::MessageButtons buttons, ui::MessageIcon icon)
{
    return showMessageBox(programName_, text, buttons, icon);
}

std::optional<std::string> QtToolkit::openFileDialog(const std::string& presetFileName)
{
    return showOpenFileDialog(presetFileName);
}

std::optional<ui::ChoiceInput> QtToolkit::choiceDialog(const ui::ChoiceDialog& dialog,
                                                       const ui::ChoiceFeedbackFunction& feedback)
{
    return showChoiceDialog(dialog, feedback);
}

void QtToolkit::setClipboard(const std::string& text, const std::string& mimeType, const std::string& data)
{
    qtui::setClipboard(text, mimeType, data);
}

std::optional<std::string> QtToolkit::clipboardData(const std::string& mimeType)
{
    return qtui::clipboardData(mimeType);
}

std::string QtToolkit::clipboardText()
{
    return qtui::clipboardText();
}

void QtToolkit::post(std::function<void()> task)
{
    QMetaObject::invokeMethod(&taskContext_, std::move(task), Qt::QueuedConnection);
}

void QtToolkit::quit()
{
    QMetaObject::invokeMethod(&taskContext_, [] { QCoreApplication::quit(); }, Qt::QueuedConnection);
}

}  // namespace qtui
