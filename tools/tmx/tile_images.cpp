#include "tools/tmx/tile_images.h"

#include "common/files/bitmap_file.h"
#include "common/files/game_path.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

namespace tmx {
namespace {

constexpr QRgb kNeutralGrey = 0xFF808080;

TileImage neutralImage() { return TileImage{std::string(), formats::kTilePixels, formats::kTilePixels, neutralPng()}; }

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
        QImage grey(formats::kTilePixels, formats::kTilePixels, QImage::Format_RGB32);
        grey.fill(kNeutralGrey);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter(&buffer, "png").write(grey);
        return bytes.toStdString();
    }();
    return png;
}

TileImages::TileImages(const formats::TileCatalogue& catalogue, const std::filesystem::path& documentFolder)
    : catalogue_(catalogue)
{
    std::error_code ignored;
    const std::filesystem::path gameFolder = std::filesystem::current_path(ignored).lexically_normal();
    const std::filesystem::path relative = gameFolder.lexically_relative(documentFolder.lexically_normal());
    // Where the game folder lies seen from the document, ending in "/".
    gameFolderPrefix_ = relative.empty() ? gameFolder.generic_string() : relative.generic_string();
    if (gameFolderPrefix_ == ".")
        gameFolderPrefix_.clear();
    else if (gameFolderPrefix_.back() != '/')
        gameFolderPrefix_ += '/';
}

TileImage TileImages::operator()(std::uint8_t tile)
{
    const std::optional<std::string> gamePath = formats::tileImagePath(catalogue_.names[tile]);
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
    // Decoded as tervok-render decodes it; naming the format of a file that
    // starts "BM" spares Qt's search for the decoder that reads it.
    const QImage picture = QImage::fromData(reinterpret_cast<const uchar*>(bytes->data()),
                                            static_cast<int>(bytes->size()),
                                            bytes->compare(0, 2, "BM") == 0 ? "BMP" : nullptr);
    if (picture.isNull())
        return neutralImage();
    const std::string source = gameFolderPrefix_ + native.generic_string();
    if (!fitsDocument(source))
        return neutralImage();
    return TileImage{source, picture.width(), picture.height(), std::string()};
}

}  // namespace tmx
