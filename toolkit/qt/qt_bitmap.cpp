#include "qt_bitmap.h"

#include "qt_convert.h"

#include <QImage>
#include <QImageReader>

namespace qtui {

ui::BitmapRef loadQtBitmap(const std::filesystem::path& path)
{
    QImageReader reader(toQtPath(path));
    const QImage image = reader.read();
    if (image.isNull())
        return nullptr;
    return std::make_shared<QtBitmap>(QPixmap::fromImage(image));
}

}  // namespace qtui
