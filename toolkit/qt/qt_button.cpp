#include "toolkit/qt/qt_button.h"

namespace qtui {

QtButton::QtButton(QWidget* parent, const std::string& name, int index, const ui::Geometry& geometry,
                   const std::string& caption)
    : QtControl(name, index, new QPushButton(parent), geometry), caption_(caption)
{
    view()->setText(toQt(caption));
    view()->setAutoDefault(false);
    QObject::connect(view(), &QPushButton::clicked, view(), [this] {
        if (onClick)
            onClick();
    });
}

void QtButton::setBold(bool bold)
{
    QFont font = view()->font();
    font.setBold(bold);
    view()->setFont(font);
}

}  // namespace qtui
