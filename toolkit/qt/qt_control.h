#pragma once
// The state every Qt control shares: its widget, placed at the control's
// geometry in twips (kept exactly as given, shown at 15 twips a pixel).
#include "toolkit/qt/qt_convert.h"
#include "toolkit/ui/controls.h"

#include <QVariant>
#include <QWidget>

#include <string>

namespace qtui {

// Gives access to the widget behind a control, for the window's bookkeeping
// and for tests that look at what is on screen.
class WidgetHolder {
public:
    virtual ~WidgetHolder() = default;
    virtual QWidget* widget() const = 0;
};

// The widget behind a control of this back end, or null for another one.
QWidget* widgetOf(const ui::Control& control);

// The widget is named after the control (objectName = name, property
// "controlIndex" = index) so that smoke tests can find it with findChild.
// Qt's parent owns the widget; this object never deletes it.
template <class Base, class View>
class QtControl : public Base, public WidgetHolder {
public:
    QtControl(const std::string& name, int index, View* view, const ui::Geometry& geometry)
        : Base(name, index), view_(view)
    {
        view_->setObjectName(QString::fromStdString(name));
        view_->setProperty("controlIndex", index);
        geometry_ = geometry;
        // A window is sized by its own class and placed by the window system.
        if (!view_->isWindow())
            view_->setGeometry(toPixels(geometry));
    }

    QWidget* widget() const override { return view_; }
    View* view() const { return view_; }

    ui::Geometry geometry() const override { return geometry_; }
    void setGeometry(const ui::Geometry& geometry) override
    {
        geometry_ = geometry;
        view_->setGeometry(toPixels(geometry));
    }
    // The control's own flag, whether or not its window is on screen yet.
    bool isVisible() const override { return !view_->isHidden(); }
    void setVisible(bool visible) override { view_->setVisible(visible); }
    bool isEnabled() const override { return !view_->testAttribute(Qt::WA_ForceDisabled); }
    void setEnabled(bool enabled) override { view_->setEnabled(enabled); }
    void setToolTip(const std::string& tip) override { view_->setToolTip(toQt(tip)); }
    void setFocus() override { view_->setFocus(Qt::OtherFocusReason); }

protected:
    void storeGeometry(const ui::Geometry& geometry) { geometry_ = geometry; }

private:
    View* view_;
    ui::Geometry geometry_;
};

}  // namespace qtui
