#pragma once
// Helpers for the Qt back end's tests: a toolkit with one window, and user
// input sent to widgets as the window system would deliver it.
#include "toolkit/qt/qt_control.h"
#include "toolkit/qt/qt_toolkit.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <memory>

namespace qtui::testing {

class QtWindowTest : public ::testing::Test {
protected:
    QtToolkit toolkit{"tester"};
    std::unique_ptr<ui::Window> window = toolkit.createWindow("Form1", "Form", 6000, 4500);
};

template <class W>
W* widgetAs(const ui::Control& control)
{
    return dynamic_cast<W*>(widgetOf(control));
}

inline void sendMouse(QWidget* target, QEvent::Type type, QPointF position, Qt::MouseButton button,
                      Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QMouseEvent event(type, position, target->mapToGlobal(position), button, buttons, modifiers);
    QCoreApplication::sendEvent(target, &event);
}

inline void pressMouse(QWidget* target, QPointF position, Qt::MouseButton button,
                       Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    sendMouse(target, QEvent::MouseButtonPress, position, button, button, modifiers);
    sendMouse(target, QEvent::MouseButtonRelease, position, button, Qt::NoButton, modifiers);
}

inline void pressKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    QCoreApplication::sendEvent(target, &event);
}

}  // namespace qtui::testing
