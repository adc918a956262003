#include "toolkit/qt/qt_bitmap.h"

#include "common/files/bitmap_file.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

#include <cctype>
#include <string>

namespace qtui {

namespace {

// The image reader's own words, as the reason of a format error: "unable
// to read image data" or the like.
tervok::Error decoderError(const QImageReader& reader)
{
    std::string why = reader.errorString().toStdString();
    if (why.empty())
        why = "the image cannot be decoded";
    why.front() = static_cast<char>(std::tolower(static_cast<unsigned char>(why.front())));
    return tervok::formatError(std::move(why));
}

}  // namespace

// The bytes come through the guarded reader (regular files only, never a
// wait, pixel data complete, a BMP header) and are decoded from memory by
// Qt's own BMP decoder, named so that Qt loads no image format plugin to
// ask whether it knows the bytes.
tervok::Result<ui::BitmapRef> loadQtBitmap(const std::filesystem::path& path)
{
    const std::string bytes = TRY(tervok::readBitmapFile(path));
    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    if (image.isNull())
        return decoderError(reader);
    return ui::BitmapRef(std::make_shared<QtBitmap>(QPixmap::fromImage(image)));
}

}  // namespace qtui
