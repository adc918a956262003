#include "toolkit/qt/qt_bitmap.h"

#include "common/files/bitmap_file.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

namespace qtui {

// The bytes come through the guarded reader (regular files only, never a
// wait, pixel data complete, a BMP header) and are decoded from memory by
// Qt's own BMP decoder, named so that Qt loads no image format plugin to
// ask whether it knows the bytes.
ui::BitmapRef loadQtBitmap(const std::filesystem::path& path)
{
    const tervok::Result<std::string> bytes = tervok::readBitmapFile(path);
    if (!bytes)
        return nullptr;
    QByteArray data = QByteArray::fromRawData(bytes->data(), static_cast<qsizetype>(bytes->size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    if (image.isNull())
        return nullptr;
    return std::make_shared<QtBitmap>(QPixmap::fromImage(image));
}

}  // namespace qtui
