#include "qt_text_field.h"

#include <QSignalBlocker>

#include <algorithm>

namespace qtui {

QtTextField::QtTextField(QWidget* parent, const std::string& name, int index, const ui::Geometry& geometry)
    : QtControl(name, index, new QLineEdit(parent), geometry)
{
    QObject::connect(view(), &QLineEdit::textEdited, view(), [this](const QString& typed) { edited(typed); });
}

void QtTextField::showText(const std::string& text)
{
    const QSignalBlocker blocker(view());
    view()->setText(toQt(text));
}

void QtTextField::edited(const QString& typed)
{
    userTyped(fromQt(typed));
    showStoredText();
}

// After an edit the widget shows what is stored: a character Windows-1252
// cannot hold turns into "?" on screen as in the text, the cursor staying put.
void QtTextField::showStoredText()
{
    const QString stored = toQt(text());
    if (view()->text() == stored)
        return;
    const int cursor = view()->cursorPosition();
    const QSignalBlocker blocker(view());
    view()->setText(stored);
    view()->setCursorPosition(std::min(cursor, static_cast<int>(stored.size())));
}

}  // namespace qtui
