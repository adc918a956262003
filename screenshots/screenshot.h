#pragma once
// Draws one editor's window as a PNG for the README. Each editor has its own
// small program (<editor>_screenshot SAMPLE-DATA OUTPUT.png) that opens its
// window through this driver:
//
// The window is the real one, built through the Qt back end (run it with
// QT_QPA_PLATFORM=offscreen), on a scratch copy of the sample data. It is
// driven through its widgets as a user would: a name typed, "load" clicked,
// every question answered with OK. Then the window is grabbed.
#include "toolkit/ui/toolkit.h"

#include <functional>
#include <memory>
#include <string>

class QAbstractButton;
class QLineEdit;
class QListView;

namespace screenshots {

// Opens the window and brings it to the state the picture shows; returns
// what keeps the window alive.
using OpenWindow = std::function<std::shared_ptr<void>(ui::Toolkit&)>;

// Grabs the shown window named window, or, with none named, the one shown.
int takeScreenshot(int argc, char** argv, const std::string& program, const OpenWindow& open,
                   const char* window = nullptr);

// The shown window's control of that name (not a member of a control array).
QLineEdit& textField(const char* name);
// Replaces the field's text as typing does: the text field hears of it.
void type(QLineEdit& field, const char* text);
QAbstractButton& button(const char* name);
QListView& listBox(const char* name);
// Selects a row of the list as a click on it does.
void selectRow(QListView& list, int row);

}  // namespace screenshots
