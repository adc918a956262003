#pragma once
// Files the tests compare against, written out in full.
#include <string>

namespace formats::samples {

// The file of a new player saved at once.
inline std::string newPlayerFile()
{
    std::string text =
        "[sprite (player\\player.lst)]\r\n"
        "1\r\n"
        "[team]\r\n"
        "1\r\n"
        "[health]\r\n"
        "100\r\n"
        "[move speed *100]\r\n"
        "150\r\n"
        "[step speed *100]\r\n"
        "100\r\n"
        "[blood (sprites\\particle.lst)]\r\n"
        "\r\n"
        "[explo blood (sprites\\particle.lst)\r\n"
        "\r\n"
        "[shottyp (shots\\weapons.lst <nn>; da ? <n>; munnition <nnn> ]\r\n";
    for (const char c : std::string("123456789:"))
        text += std::string("weapon[") + c + "]\r\n00 0 0000 0000\r\n";
    return text;
}

}  // namespace formats::samples
