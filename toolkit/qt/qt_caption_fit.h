#pragma once
// For the programs' tests on the Qt back end: whether every caption of a
// window fits its control at the control's design width, as the style draws
// it. A button needs its text's width plus the style's padding (what
// QStyle::sizeFromContents adds to no content), a check box or an option
// button its indicator and spacing beside the text, a label the text
// itself, a frame its caption box, inset from the left corner, inside the
// border.
#include "toolkit/qt/qt_control.h"
#include "toolkit/qt/qt_frame.h"
#include "toolkit/qt/qt_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <limits>
#include <map>
#include <string>
#include <vector>

namespace qtui::testing {

// The fonts the windows are laid out for: Arial, or a font with its metrics.
inline bool captionFontInstalled()
{
    const QString family = QFontInfo(QApplication::font()).family();
    return family == QStringLiteral("Arial") || family == QStringLiteral("Liberation Sans");
}

// The family the windows' captions are drawn in.
inline std::string captionFontFamily()
{
    return QFontInfo(QApplication::font()).family().toStdString();
}

// The width a caption needs in its widget, as the style draws it; 0 for a
// widget without a caption.
inline int neededCaptionWidth(QWidget* widget)
{
    const QFontMetrics metrics = widget->fontMetrics();
    // The caption box must end before the border's right line.
    if (auto* frame = dynamic_cast<CaptionFrame*>(widget))
        return frame->title().isEmpty() ? 0
                                        : frame->titleRect().right() + 1 + frame->width() - frame->borderRect().right();
    if (auto* label = dynamic_cast<QLabel*>(widget))
        return label->text().isEmpty() ? 0 : metrics.horizontalAdvance(label->text());
    auto* button = dynamic_cast<QAbstractButton*>(widget);
    if (!button || button->text().isEmpty())
        return 0;
    const QSize text = metrics.size(Qt::TextShowMnemonic, button->text());
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();  // with a text the style adds the label's spacing
    if (dynamic_cast<QCheckBox*>(button))
        return button->style()->sizeFromContents(QStyle::CT_CheckBox, &option, text, button).width();
    if (dynamic_cast<QRadioButton*>(button))
        return button->style()->sizeFromContents(QStyle::CT_RadioButton, &option, text, button).width();
    // Without text the style adds its margins and frame only (Fusion widens a
    // button with text to 80 pixels at least, which no design button is).
    option.text.clear();
    const int padding = button->style()->sizeFromContents(QStyle::CT_PushButton, &option, QSize(0, text.height()),
                                                          button).width();
    return text.width() + padding;
}

// What a control's caption may need beyond the control's design width, in
// pixels, where the design leaves no room for the style's margins.
using CaptionAllowance = std::map<std::string, int>;
// For the controls whose captions the design never shows (a check box made
// too narrow for its caption).
inline constexpr int kCaptionNotShown = std::numeric_limits<int>::max();

// One line for every caption of the window that does not fit its control's
// design width plus its allowance ("Command15 \"<- change <-\": needs 60 px,
// has 57").
inline std::vector<std::string> cutCaptions(const ui::Window& window, const CaptionAllowance& allowance = {})
{
    std::vector<std::string> cut;
    const auto* qtWindow = dynamic_cast<const QtWindow*>(&window);
    if (!qtWindow)
        return {"not a window of the Qt back end"};
    for (const std::unique_ptr<ui::Control>& control : qtWindow->controls()) {
        QWidget* widget = widgetOf(*control);
        if (!widget)
            continue;
        const int needed = neededCaptionWidth(widget);
        const int has = toPixels(control->geometry()).width();
        const auto allowed = allowance.find(control->name());
        if (needed <= has || (allowed != allowance.end() && needed - has <= allowed->second))
            continue;
        QString caption;
        if (auto* frame = dynamic_cast<CaptionFrame*>(widget))
            caption = frame->title();
        else if (auto* label = dynamic_cast<QLabel*>(widget))
            caption = label->text();
        else if (auto* button = dynamic_cast<QAbstractButton*>(widget))
            caption = button->text();
        const std::string index = control->index() >= 0 ? "(" + std::to_string(control->index()) + ")" : "";
        cut.push_back(control->name() + index + " \"" + caption.toStdString() + "\": needs " + std::to_string(needed) +
                      " px, has " + std::to_string(has));
    }
    return cut;
}

}  // namespace qtui::testing
