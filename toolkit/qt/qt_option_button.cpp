#include "toolkit/qt/qt_option_button.h"

#include <QSignalBlocker>

namespace qtui {

QtOptionButton::QtOptionButton(QWidget* parent, const std::string& name, int index, const ui::Geometry& geometry,
                               const std::string& caption)
    : QtControl(name, index, new QRadioButton(parent), geometry)
{
    view()->setText(toQt(caption));
    view()->setAutoExclusive(true);
    QObject::connect(view(), &QRadioButton::clicked, view(), [this] {
        if (onClick)
            onClick();
    });
}

// Auto-exclusive buttons refuse to be unchecked while they are the chosen
// one, so clearing lifts the exclusivity for a moment.
void QtOptionButton::setValue(bool chosen)
{
    const QSignalBlocker blocker(view());
    if (chosen) {
        view()->setChecked(true);
        return;
    }
    view()->setAutoExclusive(false);
    view()->setChecked(false);
    view()->setAutoExclusive(true);
}

}  // namespace qtui
