#pragma once
// Tile bitmaps (.bmp files) before they are decoded: read through the same
// guarded reader as every data file, and checked to hold all the pixels
// their header promises, so that a pipe never blocks the editor and a cut
// or damaged file shows nothing instead of leftovers of a half-read image.
#include "errors/result.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace tervok {

struct BmpHeader {
    int width = 0;          // pixels
    int height = 0;         // pixels, always positive
    int bitsPerPixel = 0;
    std::uint32_t compression = 0;
    std::uint32_t dataOffset = 0;
};

// The header of a BMP file whose pixel data lies wholly inside bytes.
// Fails for anything else: no "BM", an unknown header, sizes out of range,
// a pixel-data offset inside the headers or past the end, or data cut short.
Result<BmpHeader> readBmpHeader(std::string_view bytes);

// The bytes of the bitmap file at path, ready to decode. Bytes that begin
// with "BM" must pass readBmpHeader; other formats are left to the decoder.
Result<std::string> readBitmapFile(const std::filesystem::path& path);

}  // namespace tervok
