#pragma once
// A tiny built-in pixel font for the numbers written beside script markers:
// 5 x 7 glyphs for the digits and "-". It needs no font files and no
// QGuiApplication, and looks the same on every machine. A character it has
// no glyph for shows as an empty box, so that it is not silently lost.
#include <QImage>

#include <array>
#include <cstdint>
#include <string_view>

namespace render {

constexpr int kGlyphWidth = 5;
constexpr int kGlyphHeight = 7;
constexpr int kGlyphAdvance = kGlyphWidth + 1;

// Rows from the top; bit 4 is the leftmost column.
using Glyph = std::array<std::uint8_t, kGlyphHeight>;

const Glyph& glyphOf(char c);

// Whether the glyph of c sets the pixel at column, row of its 5 x 7 cell.
bool glyphPixel(char c, int column, int row);

// Writes text with its top-left corner at (left, top) in fill, each glyph
// pixel surrounded by a one-pixel outline so that it reads on any colour.
// Pixels outside the image are left out.
void drawText(QImage& image, std::string_view text, int left, int top, QRgb fill, QRgb outline);

}  // namespace render
