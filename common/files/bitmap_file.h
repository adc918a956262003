#pragma once
// Tile bitmaps (.bmp files) before they are decoded: read through the same
// guarded reader as every data file, and checked to hold all the pixels
// their header promises, so that a pipe never blocks the editor and a cut
// or damaged file shows nothing instead of leftovers of a half-read image.
#include "common/errors/result.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace tervok {

struct BmpHeader {
    int width = 0;          // pixels
    int height = 0;         // pixels, always positive
    int planes = 0;
    int bitsPerPixel = 0;
    std::uint32_t compression = 0;
    std::uint32_t dataOffset = 0;
};

// The header of a BMP file whose pixel data lies wholly inside bytes, in a
// form Qt's decoder draws. Fails for anything else: no "BM", a header length,
// plane count, depth or compression the decoder refuses, sizes out of range,
// a pixel-data offset inside the headers or past the end, or data cut short.
Result<BmpHeader> readBmpHeader(std::string_view bytes);

// What a map cell shows of its tile's bitmap file: the one rule that the
// editor's view, tervok-render and tervok-check share, so that they agree.
// The cell shows the bitmap when the file's bytes are a BMP that
// readBmpHeader takes, whatever its size: from the cell's top-left corner,
// cut at the cell's edges, the rest of the cell left empty. Anything else
// shows nothing, another image format under a .bmp name too. (A missing
// file, or one that is no regular file, shows nothing before it gets here.)
Result<BmpHeader> bitmapShownInCell(std::string_view fileBytes);

// The bytes of the bitmap file at path, ready to decode: a regular file
// whose bytes bitmapShownInCell takes.
Result<std::string> readBitmapFile(const std::filesystem::path& path);

}  // namespace tervok
