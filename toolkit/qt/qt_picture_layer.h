#pragma once
// The picture boxes of one container are shown by a single layer widget that
// lies on top of them: it paints every box that needs it in one paint event,
// where Qt would paint each box as a widget of its own (a redraw of the level
// editor's 100 view cells then costs one widget paint, not a hundred). The
// layer is opaque exactly over the visible boxes and lets the mouse through,
// so the boxes' own widgets beneath it still take every mouse event, and a
// box still paints itself when asked directly (QWidget::grab()).
#include <QRegion>
#include <QWidget>

#include <vector>

namespace qtui {

class PictureCanvas;

class PictureLayer : public QWidget {
public:
    // The layer of a container, made on first use.
    static PictureLayer& of(QWidget* container);

    // A box joins on creation and leaves when it is destroyed; boxes made
    // later are shown on top of earlier ones. The layer stays above every
    // box and below the controls made after the last box.
    void add(PictureCanvas* box);
    void remove(PictureCanvas* box);
    // Schedules a repaint of an area of a box (box coordinates).
    void repaintBox(const PictureCanvas* box, const QRect& area);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    struct Placed {
        PictureCanvas* box;
        QRect place;  // in the container
        bool shown;
    };

    explicit PictureLayer(QWidget* container);
    void noticeChange(PictureCanvas* box);
    // Covers the visible boxes, and only them.
    void coverVisibleBoxes();
    void coverLater();
    void reshape();

    std::vector<Placed> boxes_;
    QRegion covered_;
    bool coverPosted_ = false;
    bool shapePending_ = false;
};

}  // namespace qtui
