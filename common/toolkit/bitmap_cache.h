#pragma once
// Decoded tile bitmaps, kept between redraws. Each lookup checks the file's
// size and modification time, so an edited or removed bitmap shows up at the
// next redraw while an unchanged one costs one stat call.
#include "toolkit/toolkit.h"

#include <ctime>
#include <filesystem>
#include <string>
#include <unordered_map>

namespace tervok {

class BitmapCache {
public:
    explicit BitmapCache(ui::Toolkit& toolkit) : toolkit_(toolkit) {}

    // The bitmap at a game path ("ep\grass.bmp"), or null when it cannot be
    // loaded.
    ui::BitmapRef get(const std::string& gamePath);

private:
    struct Stamp {
        bool exists = false;
        long long size = 0;
        std::timespec mtime{};
        bool operator==(const Stamp& other) const;
    };
    struct Entry {
        std::filesystem::path native;
        Stamp file;
        Stamp folder;
        ui::BitmapRef bitmap;
    };
    static Stamp stampOf(const std::filesystem::path& path);
    void refresh(const std::string& gamePath, Entry& entry);

    ui::Toolkit& toolkit_;
    std::unordered_map<std::string, Entry> entries_;
};

}  // namespace tervok
