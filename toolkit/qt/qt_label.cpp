#include "toolkit/qt/qt_label.h"

#include <algorithm>

namespace qtui {

QtLabel::QtLabel(QWidget* parent, const std::string& name, int index, const ui::Geometry& geometry,
                 const std::string& caption)
    : QtControl(name, index, new QLabel(parent), geometry)
{
    view()->setTextFormat(Qt::PlainText);
    view()->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setCaption(caption);
}

// A caption wider than the label's design width is shown whole: the label
// grows to the right instead of cutting the text off.
void QtLabel::setCaption(const std::string& caption)
{
    caption_ = caption;
    view()->setText(toQt(caption));
    QRect shown = toPixels(geometry());
    shown.setWidth(std::max(shown.width(), view()->fontMetrics().horizontalAdvance(view()->text()) + 2));
    // Setting even the same geometry makes Qt work out the window's opaque
    // areas again at the next paint.
    if (view()->geometry() != shown)
        view()->setGeometry(shown);
}

}  // namespace qtui
