#pragma once
// The colours in which a map's overview (terraloom's, tervok-render --overview)
// draws a cell, by the class of its tile.
#include <array>
#include <cstdint>

namespace formats {

// 0x00BBGGRR (red in the low byte), the form the window toolkit takes.
using ClassColour = std::uint32_t;

constexpr std::array<ClassColour, 11> kClassColours = {
    0x000000,  // 0 black
    0xA0A0A0,  // 1 grey
    0x0000FF,  // 2 red
    0xFF0000,  // 3 blue
    0x00FF00,  // 4 green
    0x00C0C0,  // 5 olive
    0x00C0C0,  // 6 olive
    0x000000, 0x000000, 0x000000, 0x000000,  // 7 to 10 black
};

// Classes above 10 have no colour of their own and draw black.
constexpr ClassColour classColour(std::uint8_t tileClass)
{
    return tileClass < kClassColours.size() ? kClassColours[tileClass] : 0x000000;
}

}  // namespace formats
