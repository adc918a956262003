#include "qt_label.h"

namespace qtui {

QtLabel::QtLabel(QWidget* parent, const std::string& name, int index, const ui::Geometry& geometry,
                 const std::string& caption)
    : QtControl(name, index, new QLabel(parent), geometry)
{
    view()->setTextFormat(Qt::PlainText);
    view()->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    view()->setWordWrap(true);
    setCaption(caption);
}

void QtLabel::setCaption(const std::string& caption)
{
    caption_ = caption;
    view()->setText(toQt(caption));
}

}  // namespace qtui
