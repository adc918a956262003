#pragma once
// A one-line text field. The user's edits reach the contract as typed text
// (Change fires once per real change); the program's texts are shown with
// the widget's signals blocked, so they raise no second event.
#include "qt_control.h"

#include <QLineEdit>

namespace qtui {

class QtTextField : public QtControl<ui::TextField, QLineEdit> {
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
