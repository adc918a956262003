#include "toolkit/qt/qt_convert.h"
#include "toolkit/qt/qt_test_support.h"

#include <QCheckBox>
#include "toolkit/qt/qt_frame.h"
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include <string>

namespace qtui::testing {
namespace {

using ControlsTest = QtWindowTest;

TEST_F(ControlsTest, PlacesControlsInPixelsFromTwipsInsideTheirContainer)
{
    QWidget* form = widgetOf(*window);
    EXPECT_EQ(form->size(), QSize(400, 300));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());

    auto& button = toolkit.createButton(*window, "Command1", -1, {150, 300, 617, 255}, "load");
    EXPECT_EQ(widgetOf(button)->geometry(), QRect(10, 20, 41, 17));
    EXPECT_EQ(button.geometry(), (ui::Geometry{150, 300, 617, 255}));
    EXPECT_EQ(widgetOf(button)->parentWidget(), form);

    auto& frame = toolkit.createFrame(*window, "Frame4", -1, {1500, 1500, 1500, 1200}, "reload time");
    auto& field = toolkit.createTextField(frame, "Text7", 3, {120, 240, 855, 285}, "");
    EXPECT_EQ(widgetAs<CaptionFrame>(frame)->title(), "reload time");
    EXPECT_EQ(widgetOf(field)->parentWidget(), widgetOf(frame));
    EXPECT_EQ(widgetOf(field)->geometry(), QRect(8, 16, 57, 19));
    EXPECT_EQ(widgetOf(field)->objectName(), "Text7");
    EXPECT_EQ(widgetOf(field)->property("controlIndex").toInt(), 3);

    field.setGeometry({0, 0, 300, 300});
    EXPECT_EQ(widgetOf(field)->geometry(), QRect(0, 0, 20, 20));
}

TEST_F(ControlsTest, ConvertsCaptionsFromWindows1252)
{
    window->setCaption("Spieler \xE4nderung \x80");
    EXPECT_EQ(widgetOf(*window)->windowTitle(), QString::fromUtf8("Spieler änderung €"));
    EXPECT_EQ(window->caption(), "Spieler \xE4nderung \x80");
    auto& button = toolkit.createButton(*window, "Command4", -1, {0, 0, 375, 255}, ". . .");
    button.setBold(true);
    EXPECT_TRUE(widgetAs<QPushButton>(button)->font().bold());
    EXPECT_EQ(widgetAs<QPushButton>(button)->text(), ". . .");
}

TEST_F(ControlsTest, ControlsMadeAfterTheWindowIsShownAreVisibleToo)
{
    auto& early = toolkit.createPictureBox(*window, "pic", 0, {0, 0, 300, 300});
    EXPECT_TRUE(early.isVisible());
    window->show();
    auto& late = toolkit.createPictureBox(*window, "pic", 1, {300, 0, 300, 300});
    EXPECT_TRUE(widgetOf(early)->isVisible());
    EXPECT_TRUE(widgetOf(late)->isVisible());
    EXPECT_TRUE(late.isVisible());

    late.setVisible(false);
    EXPECT_FALSE(late.isVisible());
    late.setEnabled(false);
    EXPECT_FALSE(late.isEnabled());
    EXPECT_TRUE(early.isEnabled());
}

TEST_F(ControlsTest, ClosingTheWindowAsksItsHandlerOnce)
{
    int closes = 0;
    window->onClose = [&] { ++closes; };
    window->show();
    EXPECT_TRUE(window->isVisible());
    widgetOf(*window)->close();
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(ControlsTest, TextFieldKeepsEveryByteThroughTheWidget)
{
    std::string all;
    for (int byte = 0; byte < 256; ++byte)
        all.push_back(static_cast<char>(byte));
    auto& field = toolkit.createTextField(*window, "Text1", -1, {0, 0, 3000, 285}, "");
    field.setText(all);
    auto* edit = widgetAs<QLineEdit>(field);
    EXPECT_EQ(fromQt(edit->text()), all);

    // The user's edit of the same text changes nothing.
    int changes = 0;
    field.onChange = [&] { ++changes; };
    emit edit->textEdited(edit->text());
    EXPECT_EQ(field.text(), all);
    EXPECT_EQ(changes, 0);
}

TEST_F(ControlsTest, TextFieldChangeFiresOncePerRealChange)
{
    auto& field = toolkit.createTextField(*window, "Text2", -1, {0, 0, 1500, 285}, "player\\");
    auto* edit = widgetAs<QLineEdit>(field);
    EXPECT_EQ(edit->text(), "player\\");
    int changes = 0;
    field.onChange = [&] { ++changes; };

    field.setText("shots\\");
    field.setText("shots\\");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(edit->text(), "shots\\");

    edit->setText("shots\\x");
    emit edit->textEdited("shots\\x");
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(field.text(), "shots\\x");

    // A character Windows-1252 cannot hold is stored and shown as "?".
    emit edit->textEdited(QString::fromUtf8("a\u4E2Db"));
    EXPECT_EQ(field.text(), "a?b");
    EXPECT_EQ(edit->text(), "a?b");
    EXPECT_EQ(changes, 3);

    field.setReadOnly(true);
    EXPECT_TRUE(edit->isReadOnly());
    EXPECT_TRUE(field.isReadOnly());
}

TEST_F(ControlsTest, CheckBoxClickTogglesBetweenClearAndTicked)
{
    auto& box = toolkit.createCheckBox(*window, "Check1", 0, {0, 0, 1000, 255}, "present");
    auto* widget = widgetAs<QCheckBox>(box);
    int clicks = 0;
    box.onClick = [&] { ++clicks; };

    box.setValue(2);
    EXPECT_EQ(widget->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(box.value(), 2);
    EXPECT_EQ(clicks, 0);

    widget->click();
    EXPECT_EQ(box.value(), 1);
    widget->click();
    EXPECT_EQ(box.value(), 0);
    EXPECT_EQ(clicks, 2);

    box.setEnabled(false);
    widget->click();
    EXPECT_EQ(box.value(), 0);
    EXPECT_EQ(clicks, 2);
}

TEST_F(ControlsTest, OptionButtonsOfOneFrameExcludeEachOther)
{
    auto& compass = toolkit.createFrame(*window, "Frame1", -1, {0, 0, 1695, 1095}, "Richtung");
    auto& other = toolkit.createFrame(*window, "Frame2", -1, {2000, 0, 1695, 1095}, "");
    ui::OptionButton* options[3];
    for (int i = 0; i < 3; ++i)
        options[i] = &toolkit.createOptionButton(compass, "Option1", i, {300 * i, 240, 255, 255}, "Option1");
    auto& outside = toolkit.createOptionButton(other, "Option2", -1, {0, 240, 255, 255}, "");
    std::vector<int> clicked;
    for (auto* option : options)
        option->onClick = [&clicked, option] { clicked.push_back(option->index()); };

    outside.setValue(true);
    widgetAs<QRadioButton>(*options[1])->click();
    EXPECT_TRUE(options[1]->value());
    EXPECT_EQ(clicked, std::vector<int>{1});

    options[2]->setValue(true);
    EXPECT_FALSE(options[1]->value());
    EXPECT_TRUE(options[2]->value());
    EXPECT_TRUE(outside.value());
    EXPECT_EQ(clicked.size(), 1u);

    options[2]->setValue(false);
    for (auto* option : options)
        EXPECT_FALSE(option->value());
    // Exclusivity still holds after clearing.
    options[0]->setValue(true);
    widgetAs<QRadioButton>(*options[1])->click();
    EXPECT_FALSE(options[0]->value());
}

TEST_F(ControlsTest, SliderChangeFiresOnlyWhenTheValueChanges)
{
    auto& slider = toolkit.createSlider(*window, "Slider4", -1, {120, 3600, 3015, 495}, ui::Orientation::Horizontal);
    auto* widget = widgetAs<QSlider>(slider);
    int changes = 0;
    slider.onChange = [&] { ++changes; };

    slider.setRange(1, 91);
    EXPECT_EQ(slider.value(), 1);
    EXPECT_EQ(widget->minimum(), 1);
    EXPECT_EQ(widget->maximum(), 91);
    EXPECT_EQ(changes, 0);

    slider.setValue(40);
    slider.setValue(40);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(widget->value(), 40);

    widget->setValue(41);  // as a drag or a key would
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(slider.value(), 41);

    slider.setValue(500);
    EXPECT_EQ(widget->value(), 91);
    EXPECT_EQ(changes, 3);
}

TEST_F(ControlsTest, VerticalSliderHasItsMinimumAtTheTop)
{
    auto& slider = toolkit.createSlider(*window, "Slider3", -1, {3360, 480, 495, 3015}, ui::Orientation::Vertical);
    slider.setRange(1, 91);
    window->show();
    QWidget* widget = widgetOf(slider);
    int changes = 0;
    slider.onChange = [&] { ++changes; };

    // The middle button sets the value at the pointer.
    pressMouse(widget, QPointF(widget->width() / 2.0, widget->height() - 2.0), Qt::MiddleButton);
    EXPECT_EQ(slider.value(), 91);
    pressMouse(widget, QPointF(widget->width() / 2.0, 2.0), Qt::MiddleButton);
    EXPECT_EQ(slider.value(), 1);
    EXPECT_EQ(changes, 2);

    // Down moves the handle down, towards higher values.
    pressKey(widget, Qt::Key_Down);
    EXPECT_EQ(slider.value(), 2);
}

}  // namespace
}  // namespace qtui::testing
