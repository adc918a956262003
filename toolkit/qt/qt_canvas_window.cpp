#include "toolkit/qt/qt_canvas_window.h"

#include "toolkit/qt/qt_keys.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QScreen>
#include <QLabel>
#include <QShortcut>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace qtui {

// An accepted close hides the window.
void CanvasMainWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (closeRequested)
        closeRequested();
}

void CanvasMainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && activated)
        activated();
}

// Closing this window is never what ends the program, even when it is the
// last one on the screen.
QtCanvasWindow::QtCanvasWindow(const std::string& name, const std::string& caption, int width, int height,
                               const std::string& canvasName)
    : QtControl(name, -1, new CanvasMainWindow, ui::Geometry{0, 0, width, height})
{
    CanvasMainWindow& window = *view();
    window.setAttribute(Qt::WA_QuitOnClose, false);
    canvas_ = std::make_unique<QtCellCanvas>(&window, canvasName);
    window.setCentralWidget(canvas_->widget());
    canvas_->widget()->setFocus();
    window.statusBar()->setSizeGripEnabled(true);
    window.resize(toPixels(width), toPixels(height) + window.statusBar()->sizeHint().height());
    window.closeRequested = [this] {
        if (onClose)
            onClose();
    };
    window.activated = [this] {
        if (onActivate)
            onActivate();
    };
    setCaption(caption);
}

// The widgets go first, so no widget outlives the control its events reach.
QtCanvasWindow::~QtCanvasWindow()
{
    delete view();
}

void QtCanvasWindow::setCaption(const std::string& caption)
{
    caption_ = caption;
    view()->setWindowTitle(toQt(caption));
}

ui::Geometry QtCanvasWindow::geometry() const
{
    const QRect place = view()->geometry();
    return {toTwips(place.x()), toTwips(place.y()), toTwips(place.width()), toTwips(place.height())};
}

void QtCanvasWindow::setGeometry(const ui::Geometry& geometry)
{
    placed_ = true;
    storeGeometry(geometry);
    view()->setGeometry(toPixels(geometry));
}

// Shown the first time without a place of its own, the window opens beside
// the program's window the user works in, as far as the screen allows,
// rather than over it (where a window system without a manager puts it).
void QtCanvasWindow::placeBesideTheWorkingWindow()
{
    constexpr int kGap = 8;
    CanvasMainWindow& window = *view();
    QWidget* beside = QApplication::activeWindow();
    for (QWidget* other : QApplication::topLevelWidgets())
        if (!beside && other != &window && other->isVisible() && other->windowType() == Qt::Window)
            beside = other;
    if (!beside || beside == &window)
        return;
    const QRect frame = beside->frameGeometry();
    const QRect room = beside->screen()->availableGeometry();
    const QSize size = window.frameGeometry().size();
    const int x = std::max(std::min(frame.right() + 1 + kGap, room.right() + 1 - size.width()), room.left());
    const int y = std::max(std::min(frame.top(), room.bottom() + 1 - size.height()), room.top());
    window.move(x, y);
}

void QtCanvasWindow::raise()
{
    if (!placed_) {
        placeBesideTheWorkingWindow();
        placed_ = true;
    }
    CanvasMainWindow& window = *view();
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}

void QtCanvasWindow::addShortcut(ui::KeyChord keys, std::function<void()> action)
{
    auto* shortcut = new QShortcut(QKeySequence(qtKeys(keys)), view());
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, view(), std::move(action));
}

// The first field takes the room the others leave.
void QtCanvasWindow::setStatusText(int field, const std::string& text)
{
    if (field < 0)
        return;
    while (static_cast<int>(status_.size()) <= field) {
        auto* label = new QLabel(view()->statusBar());
        view()->statusBar()->addWidget(label, status_.empty() ? 1 : 0);
        status_.push_back(label);
    }
    const QString shown = toQt(text);
    QLabel* label = status_[static_cast<std::size_t>(field)];
    if (label->text() != shown)
        label->setText(shown);
}

std::string QtCanvasWindow::statusText(int field) const
{
    return field >= 0 && field < static_cast<int>(status_.size()) ? fromQt(status_[static_cast<std::size_t>(field)]->text())
                                                                  : std::string();
}

// The tool bar stays where it is: it can be neither moved nor torn off.
QToolBar& QtCanvasWindow::ensureToolBar()
{
    if (!toolBar_) {
        toolBar_ = view()->addToolBar(QStringLiteral("tools"));
        toolBar_->setObjectName(QStringLiteral("tools"));
        toolBar_->setMovable(false);
        toolBar_->setFloatable(false);
        toolBar_->setFocusPolicy(Qt::NoFocus);
        toolBar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
        toolBar_->toggleViewAction()->setEnabled(false);
    }
    return *toolBar_;
}

// A checkable action would check itself on a click; the program decides,
// so the action's state is put back to what the program last set before
// the program hears of the click.
int QtCanvasWindow::addToolButton(const std::string& caption, const std::string& toolTip, bool checkable)
{
    QToolBar& bar = ensureToolBar();
    QAction* action = bar.addAction(toQt(caption));
    action->setToolTip(toQt(toolTip));
    action->setCheckable(checkable);
    const int button = static_cast<int>(tools_.size());
    tools_.push_back(action);
    if (QWidget* shown = bar.widgetForAction(action))
        shown->setFocusPolicy(Qt::NoFocus);
    QObject::connect(action, &QAction::triggered, view(), [this, action, button](bool checked) {
        if (action->isCheckable())
            action->setChecked(!checked);
        if (onToolButton)
            onToolButton(button);
    });
    return button;
}

void QtCanvasWindow::addToolSeparator()
{
    ensureToolBar().addSeparator();
}

void QtCanvasWindow::setToolButtonChecked(int button, bool checked)
{
    if (button >= 0 && button < static_cast<int>(tools_.size()))
        tools_[static_cast<std::size_t>(button)]->setChecked(checked);
}

bool QtCanvasWindow::toolButtonChecked(int button) const
{
    return button >= 0 && button < static_cast<int>(tools_.size()) &&
           tools_[static_cast<std::size_t>(button)]->isChecked();
}

}  // namespace qtui
