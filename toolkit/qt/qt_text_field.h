#pragma once
// A one-line text field. The user's edits reach the contract as typed text
// (Change fires once per real change); the program's texts are shown with
// the widget's signals blocked, so they raise no second event.
#include "toolkit/qt/qt_control.h"

#include <QLineEdit>

class QKeyEvent;

namespace qtui {

// While it can be typed in, the field keeps the keys of its window's
// shortcuts: they go to the field (Ctrl+Z undoes typing) and the shortcut
// does not fire. Left to itself, a QLineEdit keeps only the keys its
// platform binds to editing (Ctrl+Y is no redo on most Linux desktops, so it
// would reach the window).
class FieldWidget : public QLineEdit {
public:
    explicit FieldWidget(QWidget* parent) : QLineEdit(parent) {}

protected:
    bool event(QEvent* event) override;

private:
    bool isWindowShortcut(const QKeyEvent& key) const;
};

class QtTextField : public QtControl<ui::TextField, FieldWidget> {
public:
    QtTextField(QWidget* parent, const std::string& name, int index, const ui::Geometry& geometry);

    bool isReadOnly() const override { return view()->isReadOnly(); }
    void setReadOnly(bool readOnly) override { view()->setReadOnly(readOnly); }

protected:
    void showText(const std::string& text) override;

private:
    void edited(const QString& typed);
    void showStoredText();
};

}  // namespace qtui
