#include "toolkit/qt/qt_flat_scroll_bars.h"

#include <QAbstractScrollArea>
#include <QPainter>
#include <QProxyStyle>
#include <QScrollBar>
#include <QStyleOptionSlider>

#include <utility>

namespace qtui {
namespace {

// The application's style for everything but the scroll bars' own painting:
// a groove, a framed slider and the style's arrows on plain buttons.
class FlatScrollBarStyle : public QProxyStyle {
public:
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override
    {
        const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
        if (control != CC_ScrollBar || !bar) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        const QPalette& palette = bar->palette;
        painter->fillRect(bar->rect, palette.color(QPalette::Window).darker(108));
        const bool scrolls = bar->maximum > bar->minimum;
        const QRect slider = subControlRect(control, bar, SC_ScrollBarSlider, widget);
        if (scrolls && slider.isValid()) {
            const bool held = (bar->activeSubControls & SC_ScrollBarSlider) && (bar->state & State_Sunken);
            painter->fillRect(slider.adjusted(1, 1, -1, -1), palette.color(held ? QPalette::Mid : QPalette::Button));
            painter->setPen(palette.color(QPalette::Dark));
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(slider.adjusted(1, 1, -2, -2));
        }
        const bool horizontal = bar->orientation == Qt::Horizontal;
        const std::pair<SubControl, PrimitiveElement> buttons[] = {
            {SC_ScrollBarSubLine, horizontal ? PE_IndicatorArrowLeft : PE_IndicatorArrowUp},
            {SC_ScrollBarAddLine, horizontal ? PE_IndicatorArrowRight : PE_IndicatorArrowDown}};
        for (const auto& [part, arrow] : buttons) {
            QStyleOption button(*bar);
            button.rect = subControlRect(control, bar, part, widget);
            if (!button.rect.isValid())
                continue;
            button.state = scrolls ? (bar->state | State_Enabled) : (bar->state & ~State_Enabled);
            painter->fillRect(button.rect, palette.color(QPalette::Button));
            drawPrimitive(arrow, &button, painter, widget);
        }
    }
};

}  // namespace

void useFlatScrollBars(QAbstractScrollArea& area)
{
    auto* style = new FlatScrollBarStyle;
    style->setParent(&area);
    area.horizontalScrollBar()->setStyle(style);
    area.verticalScrollBar()->setStyle(style);
}

}  // namespace qtui
