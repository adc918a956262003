#include "tile_images.h"

#include "files/bitmap_file.h"
#include "files/game_path.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

namespace tmx {
namespace {

constexpr QRgb kNeutralGrey = 0xFF808080;

TileImage neutralImage() { return TileImage{std::string(), kCellPixels, kCellPixels, neutralPng()}; }

// A path a TMX attribute can carry: valid UTF-8 without control characters.
bool fitsDocument(const std::string& path)
{
    for (const char c : path)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return false;
    return QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size())).toStdString() == path;
}

}  // namespace

const std::string& neutralPng()
{
    static const std::string png = [] {
        QImage grey(kCellPixels, kCellPixels, QImage::Format_RGB32);
        grey.fill(kNeutralGrey);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter(&buffer, "png").write(grey);
        return bytes.toStdString();
    }();
    return png;
}

TileImages::TileImages(const terraloom::TileCatalogue& catalogue, std::filesystem::path documentFolder)
    : catalogue_(catalogue), documentFolder_(documentFolder.lexically_normal())
{
}

TileImage TileImages::operator()(std::uint8_t tile)
{
    const std::optional<std::string> gamePath = terraloom::tileImagePath(catalogue_.names[tile]);
    if (!gamePath)
        return neutralImage();
    auto found = byPath_.find(*gamePath);
    if (found == byPath_.end())
        found = byPath_.emplace(*gamePath, imageAt(*gamePath)).first;
    return found->second;
}

TileImage TileImages::imageAt(const std::string& gamePath)
{
    const std::filesystem::path native = tervok::nativePath(gamePath);
    const tervok::Result<std::string> bytes = tervok::readBitmapFile(native);
    if (!bytes)
        return neutralImage();
    const QImage picture = QImage::fromData(reinterpret_cast<const uchar*>(bytes->data()),
                                            static_cast<int>(bytes->size()));
    if (picture.isNull())
        return neutralImage();
    std::error_code ignored;
    const std::filesystem::path file = (std::filesystem::current_path(ignored) / native).lexically_normal();
    std::filesystem::path relative = file.lexically_relative(documentFolder_);
    const std::string source = (relative.empty() ? file : relative).generic_string();
    if (!fitsDocument(source))
        return neutralImage();
    return TileImage{source, picture.width(), picture.height(), std::string()};
}

}  // namespace tmx
