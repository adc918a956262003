#include "toolkit/qt/qt_text_field.h"

#include <QKeyEvent>
#include <QShortcut>
#include <QSignalBlocker>

#include <algorithm>

namespace qtui {

// Qt asks the focus widget with a ShortcutOverride event before it runs a
// shortcut; accepting it sends the keys to the widget instead.
bool FieldWidget::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && !isReadOnly() &&
        isWindowShortcut(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QLineEdit::event(event);
}

bool FieldWidget::isWindowShortcut(const QKeyEvent& key) const
{
    const QKeySequence pressed(key.keyCombination());
    const auto shortcuts = window()->findChildren<QShortcut*>(Qt::FindDirectChildrenOnly);
    return std::any_of(shortcuts.begin(), shortcuts.end(),
                       [&](const QShortcut* shortcut) { return shortcut->key() == pressed; });
}

QtTextField::QtTextField(QWidget* parent, const std::string& name, int index, const ui::Geometry& geometry)
    : QtControl(name, index, new FieldWidget(parent), geometry)
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
