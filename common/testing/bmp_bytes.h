#pragma once
// A complete 24-bit .bmp file of one colour, as the tile bitmaps are.
#include <cstdint>
#include <string>

namespace tervok::testing {

inline void putLittleEndian(std::string& bytes, std::size_t at, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// colour is 0x00RRGGBB.
inline std::string bmpFile(int width = 20, int height = 20, std::uint32_t colour = 0x00A0C040)
{
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    const std::size_t dataSize = stride * static_cast<std::size_t>(height);
    std::string bytes(54 + dataSize, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    putLittleEndian(bytes, 2, static_cast<std::uint32_t>(bytes.size()), 4);
    putLittleEndian(bytes, 10, 54, 4);
    putLittleEndian(bytes, 14, 40, 4);
    putLittleEndian(bytes, 18, static_cast<std::uint32_t>(width), 4);
    putLittleEndian(bytes, 22, static_cast<std::uint32_t>(height), 4);
    putLittleEndian(bytes, 26, 1, 2);
    putLittleEndian(bytes, 28, 24, 2);
    putLittleEndian(bytes, 34, static_cast<std::uint32_t>(dataSize), 4);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            putLittleEndian(bytes, 54 + static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x) * 3, colour, 3);
    return bytes;
}

}  // namespace tervok::testing
