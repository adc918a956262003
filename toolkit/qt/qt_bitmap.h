#pragma once
// A decoded bitmap, held as a pixmap ready to be drawn.
#include "toolkit/ui/controls.h"

#include <QPixmap>

#include <filesystem>

namespace qtui {

class QtBitmap : public ui::Bitmap {
public:
    explicit QtBitmap(QPixmap pixmap) : pixmap_(std::move(pixmap)) {}
    int width() const override { return pixmap_.width(); }
    int height() const override { return pixmap_.height(); }
    const QPixmap& pixmap() const { return pixmap_; }

private:
    QPixmap pixmap_;
};

// Decodes the file with Qt's image reader; null when that fails. Never shows
// a message.
ui::BitmapRef loadQtBitmap(const std::filesystem::path& path);

}  // namespace qtui
