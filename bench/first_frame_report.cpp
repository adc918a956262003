#include "bench/first_frame_report.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <cstdlib>
#include <unistd.h>

namespace bench {

FirstFrameReport::FirstFrameReport(int argc, char** argv)
    : descriptor_(argc > 1 ? std::atoi(argv[1]) : -1)
{
    QCoreApplication::instance()->installEventFilter(this);
}

// The window's paint event comes first in the paint of its widget tree; the
// report is queued behind it, so it runs once the whole tree has been painted
// and flushed to the screen.
bool FirstFrameReport::eventFilter(QObject* watched, QEvent* event)
{
    if (!painted_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow()) {
        painted_ = true;
        QMetaObject::invokeMethod(this, [this] { report(); }, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

void FirstFrameReport::report()
{
    if (descriptor_ >= 0) {
        const char done = 1;
        [[maybe_unused]] const ssize_t written = ::write(descriptor_, &done, 1);
        ::close(descriptor_);
    }
    QCoreApplication::quit();
}

}  // namespace bench
