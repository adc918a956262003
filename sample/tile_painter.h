#pragma once
// Draws the 20 x 20 pixel tile images of the sample game data and writes them
// as 24-bit .bmp files.
#include <array>
#include <cstdint>
#include <string>

namespace sample {

constexpr int kTileSide = 20;

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
};

class TileImage {
public:
    explicit TileImage(Rgb background) { pixels_.fill(background); }

    void set(int x, int y, Rgb colour);
    Rgb get(int x, int y) const;
    void fillRect(int x1, int y1, int x2, int y2, Rgb colour);
    void fillCircle(int cx, int cy, int radius, Rgb colour);
    // Scatters darker and lighter pixels, the same for the same seed.
    void speckle(unsigned seed, int percent, int strength);
    void bricks(Rgb mortar, int brickWidth, int brickHeight);
    void horizontalStripes(Rgb colour, int every);
    void verticalStripes(Rgb colour, int every);
    void waves(Rgb colour, int phase);

    // Bottom-up rows of blue, green, red bytes, as .bmp files store them.
    std::string bmpFile() const;

private:
    std::array<Rgb, kTileSide * kTileSide> pixels_{};
};

Rgb shade(Rgb colour, int delta);

}  // namespace sample
