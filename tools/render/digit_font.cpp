#include "tools/render/digit_font.h"

#include "tools/render/image_plot.h"

namespace render {
namespace {

constexpr std::array<Glyph, 10> kDigits = {{
    {0b01110, 0b10001, 0b10011, 0b10101, 0b11001, 0b10001, 0b01110},  // 0
    {0b00100, 0b01100, 0b00100, 0b00100, 0b00100, 0b00100, 0b01110},  // 1
    {0b01110, 0b10001, 0b00001, 0b00010, 0b00100, 0b01000, 0b11111},  // 2
    {0b11111, 0b00010, 0b00100, 0b00010, 0b00001, 0b10001, 0b01110},  // 3
    {0b00010, 0b00110, 0b01010, 0b10010, 0b11111, 0b00010, 0b00010},  // 4
    {0b11111, 0b10000, 0b11110, 0b00001, 0b00001, 0b10001, 0b01110},  // 5
    {0b00110, 0b01000, 0b10000, 0b11110, 0b10001, 0b10001, 0b01110},  // 6
    {0b11111, 0b00001, 0b00010, 0b00100, 0b01000, 0b01000, 0b01000},  // 7
    {0b01110, 0b10001, 0b10001, 0b01110, 0b10001, 0b10001, 0b01110},  // 8
    {0b01110, 0b10001, 0b10001, 0b01111, 0b00001, 0b00010, 0b01100},  // 9
}};
constexpr Glyph kMinus = {0, 0, 0, 0b11111, 0, 0, 0};
constexpr Glyph kBlank = {0, 0, 0, 0, 0, 0, 0};
constexpr Glyph kUnknown = {0b11111, 0b10001, 0b10001, 0b10001, 0b10001, 0b10001, 0b11111};

}  // namespace

const Glyph& glyphOf(char c)
{
    if (c >= '0' && c <= '9')
        return kDigits[static_cast<std::size_t>(c - '0')];
    if (c == '-')
        return kMinus;
    if (c == ' ')
        return kBlank;
    return kUnknown;
}

bool glyphPixel(char c, int column, int row)
{
    if (column < 0 || column >= kGlyphWidth || row < 0 || row >= kGlyphHeight)
        return false;
    return (glyphOf(c)[static_cast<std::size_t>(row)] >> (kGlyphWidth - 1 - column)) & 1;
}

namespace {

// Calls visit(x, y) for every pixel the glyphs of text set, the first
// glyph's cell having its top-left corner at (left, top).
template <class Visit>
void forEachTextPixel(std::string_view text, int left, int top, Visit visit)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int glyphLeft = left + static_cast<int>(i) * kGlyphAdvance;
        for (int row = 0; row < kGlyphHeight; ++row)
            for (int column = 0; column < kGlyphWidth; ++column)
                if (glyphPixel(text[i], column, row))
                    visit(glyphLeft + column, top + row);
    }
}

}  // namespace

// The outline goes down first, for every glyph, so that it never covers
// a neighbouring glyph's pixels.
void drawText(QImage& image, std::string_view text, int left, int top, QRgb fill, QRgb outline)
{
    forEachTextPixel(text, left, top, [&](int x, int y) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                plot(image, x + dx, y + dy, outline);
    });
    forEachTextPixel(text, left, top, [&](int x, int y) { plot(image, x, y, fill); });
}

}  // namespace render
