#include "tools/tmx/tile_images.h"

#include "common/encoding/utf8.h"
#include "common/files/bitmap_file.h"
#include "common/files/file_io.h"
#include "common/files/game_path.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

namespace tmx {
namespace {

constexpr QRgb kNeutralGrey = 0xFF808080;

TileImage neutralImage() { return TileImage{std::string(), formats::kTilePixels, formats::kTilePixels, neutralPng()}; }

// A path a TMX attribute can carry: well-formed UTF-8 without control
// characters.
bool fitsDocument(std::string_view path)
{
    for (std::size_t at = 0; at < path.size();) {
        const auto byte = static_cast<unsigned char>(path[at]);
        const std::size_t length = tervok::utf8SequenceLength(path, at);
        if (byte < 0x20 || byte == 0x7F || length == 0)
            return false;
        at += length;
    }
    return true;
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

std::vector<std::filesystem::path> TileImages::filesRead() const { return filesRead_; }

TileImage TileImages::imageAt(const std::string& gamePath)
{
    // A cell shows a bitmap by the rule tervok-render and the editor share:
    // its header is read, its pixels are not decoded.
    std::filesystem::path native = tervok::pathAsWritten(gamePath);
    tervok::Result<std::string> bytes = tervok::readWholeFile(native);
    if (!bytes) {  // the name may differ from the file's in letter case
        if (std::filesystem::path matched = tervok::nativePath(gamePath); matched != native) {
            native = std::move(matched);
            bytes = tervok::readWholeFile(native);
        }
    }
    if (bytes)
        filesRead_.push_back(native);
    const tervok::Result<tervok::BmpHeader> header = bytes ? tervok::bitmapShownInCell(*bytes) : bytes.error();
    if (!header)
        return neutralImage();
    const std::string source = gameFolderPrefix_ + native.generic_string();
    if (!fitsDocument(source))
        return neutralImage();
    return TileImage{source, header->width, header->height, std::string()};
}

}  // namespace tmx
