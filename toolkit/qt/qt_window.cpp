#include "toolkit/qt/qt_window.h"

#include "toolkit/qt/qt_keys.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QShortcut>

namespace qtui {

void WindowWidget::closeEvent(QCloseEvent* event)
{
    // The close always goes ahead; the program decides what follows.
    event->accept();
    if (closeRequested)
        closeRequested();
}

QtWindow::QtWindow(const std::string& name, const std::string& caption, int width, int height)
    : QtControl(name, -1, new WindowWidget, ui::Geometry{0, 0, width, height})
{
    view()->closeRequested = [this] { closeRequested(); };
    QtWindow::setGeometry(geometry());
    setCaption(caption);
}

// The widgets go first (the top-level widget deletes its children), so no
// widget outlives the control objects its signals talk to.
QtWindow::~QtWindow()
{
    delete view();
    controls_.clear();
}

void QtWindow::setCaption(const std::string& caption)
{
    caption_ = caption;
    view()->setWindowTitle(toQt(caption));
}

void QtWindow::setGeometry(const ui::Geometry& geometry)
{
    storeGeometry(geometry);
    view()->setFixedSize(toPixels(geometry.width), toPixels(geometry.height));
}

void QtWindow::show()
{
    view()->show();
}

void QtWindow::addShortcut(ui::KeyChord keys, std::function<void()> action)
{
    auto* shortcut = new QShortcut(QKeySequence(qtKeys(keys)), view());
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, view(), std::move(action));
}

ui::Control& QtWindow::adopt(std::unique_ptr<ui::Control> control)
{
    controls_.push_back(std::move(control));
    return *controls_.back();
}

// A window nobody listens to ends the program, as the only window would.
void QtWindow::closeRequested()
{
    if (onClose)
        onClose();
    else
        QCoreApplication::quit();
}

}  // namespace qtui
