#include "toolkit/qt/qt_picture_layer.h"

#include "toolkit/qt/qt_picture_box.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace qtui {
namespace {

constexpr const char* kLayerName = "qtui-picture-layer";

}  // namespace

PictureLayer::PictureLayer(QWidget* container) : QWidget(container)
{
    setObjectName(QString::fromLatin1(kLayerName));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(0, 0, 0, 0);
    if (container->isVisible())
        show();
}

PictureLayer& PictureLayer::of(QWidget* container)
{
    // Raised above each new box, the layer is found near the end of the
    // container's children while boxes are made one after the other.
    const QString name = QString::fromLatin1(kLayerName);
    const QObjectList& children = container->children();
    for (auto child = children.crbegin(); child != children.crend(); ++child)
        if ((*child)->objectName() == name)
            return *static_cast<PictureLayer*>(*child);
    return *new PictureLayer(container);
}

void PictureLayer::add(PictureCanvas* box)
{
    const Placed placed{box, box->geometry(), !box->isHidden()};
    boxes_.push_back(placed);
    box->installEventFilter(this);
    raise();
    if (placed.shown) {
        covered_ += placed.place;
        reshape();
    }
}

// Boxes mostly go all together with their window: the layer is reshaped
// once afterwards, and not at all when it goes with them. Boxes placed or
// hidden together likewise cost one reshape.
void PictureLayer::remove(PictureCanvas* box)
{
    boxes_.erase(std::remove_if(boxes_.begin(), boxes_.end(), [box](const Placed& p) { return p.box == box; }),
                 boxes_.end());
    coverLater();
}

// Runs before the repaint that the change asked for, which Qt delivers at a
// lower priority.
void PictureLayer::coverLater()
{
    if (coverPosted_)
        return;
    coverPosted_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            coverPosted_ = false;
            coverVisibleBoxes();
        },
        Qt::QueuedConnection);
}

void PictureLayer::coverVisibleBoxes()
{
    covered_ = QRegion();
    for (const Placed& placed : boxes_)
        if (placed.shown)
            covered_ += placed.place;
    reshape();
}

void PictureLayer::repaintBox(const PictureCanvas* box, const QRect& area)
{
    update(area.translated(box->pos() - pos()));
}

bool PictureLayer::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
        noticeChange(static_cast<PictureCanvas*>(watched));
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

// Qt reports every box's place again when the window is first shown; only a
// real change of place or visibility reshapes the layer.
void PictureLayer::noticeChange(PictureCanvas* box)
{
    const auto found = std::find_if(boxes_.begin(), boxes_.end(), [box](const Placed& p) { return p.box == box; });
    if (found == boxes_.end())
        return;
    const QRect place = box->geometry();
    const bool shown = !box->isHidden();
    if (place == found->place && shown == found->shown)
        return;
    // A box that was not shown covered nothing yet: it just adds its place.
    const bool appears = shown && !found->shown;
    found->place = place;
    found->shown = shown;
    if (appears) {
        covered_ += place;
        reshape();
    } else {
        coverLater();
    }
}

// Until the layer is on the screen its shape is only noted; it takes the
// shape when it is shown.
void PictureLayer::reshape()
{
    if (!isVisible()) {
        shapePending_ = true;
        return;
    }
    shapePending_ = false;
    const QRect bounds = covered_.boundingRect();
    setGeometry(bounds);
    if (!bounds.isEmpty())
        setMask(covered_.translated(-bounds.topLeft()));
    update();
}

void PictureLayer::showEvent(QShowEvent*)
{
    if (shapePending_)
        reshape();
}

// Later boxes paint over earlier ones where they overlap.
void PictureLayer::paintEvent(QPaintEvent* event)
{
    const QRegion& dirty = event->region();
    const QPoint offset = pos();
    QPainter painter(this);
    for (const Placed& placed : boxes_) {
        if (!placed.shown)
            continue;
        const QRect place = placed.place.translated(-offset);
        // The dirty region is a few rectangles; plain rectangle arithmetic
        // per box is much cheaper than region arithmetic.
        QRect area;
        for (const QRect& part : dirty)
            area |= part & place;
        if (area.isEmpty())
            continue;
        placed.box->paintArea(painter, place.topLeft(), area.translated(-place.topLeft()));
        // Qt paints all that waits in one go, so what the box had pending is
        // now on the screen (or outside it, where the box is cut off).
        placed.box->markPainted();
    }
}

}  // namespace qtui
