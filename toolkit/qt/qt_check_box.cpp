#include "toolkit/qt/qt_check_box.h"

#include <QSignalBlocker>

namespace qtui {

void CheckBoxWidget::nextCheckState()
{
    setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

QtCheckBox::QtCheckBox(QWidget* parent, const std::string& name, int index, const ui::Geometry& geometry,
                       const std::string& caption)
    : QtControl(name, index, new CheckBoxWidget(parent), geometry), caption_(caption)
{
    view()->setText(toQt(caption));
    view()->setTristate(true);
    QObject::connect(view(), &QCheckBox::clicked, view(), [this] {
        if (onClick)
            onClick();
    });
}

int QtCheckBox::value() const
{
    switch (view()->checkState()) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    default:
        return 0;
    }
}

void QtCheckBox::setValue(int value)
{
    const QSignalBlocker blocker(view());
    view()->setCheckState(value == 0 ? Qt::Unchecked : value == 2 ? Qt::PartiallyChecked : Qt::Checked);
}

}  // namespace qtui
