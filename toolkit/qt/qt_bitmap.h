#pragma once
// A decoded bitmap, held as a pixmap ready to be drawn.
#include "common/errors/result.h"
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

// Decodes the file with Qt's image reader; the reason when the file cannot
// be read, is no bitmap that bitmapShownInCell takes, or fails to decode.
// Never shows a message.
tervok::Result<ui::BitmapRef> loadQtBitmap(const std::filesystem::path& path);

}  // namespace qtui
