#include "picture_output.h"

#include "files/file_io.h"

#include <QBuffer>
#include <QImageWriter>

namespace render {

tervok::Result<QByteArray> pngBytes(const QImage& picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(picture)) {
        tervok::Error error = tervok::errorOf(tervok::ErrorKind::Io);
        error.detail = "PNG encoding";
        return error;
    }
    return bytes;
}

tervok::Status writePicture(const QImage& picture, const std::filesystem::path& file)
{
    const tervok::Result<QByteArray> bytes = pngBytes(picture);
    if (!bytes)
        return bytes.error();
    return tervok::replaceFile(file, std::string_view(bytes->constData(), static_cast<std::size_t>(bytes->size())));
}

}  // namespace render
