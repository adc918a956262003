#include "qt_frame.h"

namespace qtui {

QtFrame::QtFrame(QtContainer& parent, const std::string& name, int index, const ui::Geometry& geometry,
                 const std::string& caption)
    : QtControl(name, index, new QGroupBox(parent.clientWidget()), geometry), owner_(parent.ownerWindow())
{
    setCaption(caption);
}

void QtFrame::setCaption(const std::string& caption)
{
    caption_ = caption;
    view()->setTitle(toQt(caption));
}

}  // namespace qtui
