#pragma once
// A level editor started in a fresh data folder on the headless toolkit.
#include "common/testing/bmp_bytes.h"
#include "common/testing/temp_dir.h"
#include "terraloom/form/form1.h"
#include "toolkit/headless/headless_toolkit.h"

#include <gtest/gtest.h>

namespace terraloom::testing {

using namespace tervok::testing;
using headless::HeadlessButton;
using headless::HeadlessListBox;
using headless::HeadlessPictureBox;
using headless::HeadlessSlider;
using headless::HeadlessTextField;

inline std::string bitmapFile(int width = 20, int height = 20)
{
    return bmpFile(width, height);
}

// Tiles (names carry a three-character variant after the image name): 1 grass (class 4), 2 water (class 3), 3 wall (class 1), 7 lava
// (class 2) whose bitmap is missing.
inline void writeSampleData()
{
    writeFile("map/mapteile.lst",
              "[nr kl name]\r\n01 04 grass001\r\n02 03 water001\r\n03 01 wall001\r\n07 02 lava001\r\n");
    writeFile("ep/grass.bmp", bitmapFile());
    writeFile("ep/water.bmp", bitmapFile());
    writeFile("ep/wall.bmp", bitmapFile());
    writeFile("player/player.lst", "[players]\r\n03 hero\r\n07 orc\r\n");
}

class EditorTest : public ::testing::Test {
protected:
    EditorTest()
    {
        writeSampleData();
        form_ = std::make_unique<Form1>(toolkit_);
    }

    // Restarts the editor, for tests that change the data folder first.
    void restart()
    {
        form_.reset();
        form_ = std::make_unique<Form1>(toolkit_);
    }

    template <class T>
    T& find(const std::string& name, int index = -1)
    {
        return toolkit_.find<T>(name, index);
    }
    HeadlessButton& button(const std::string& name) { return find<HeadlessButton>(name); }
    HeadlessPictureBox& cell(int k) { return find<HeadlessPictureBox>("pic", k); }
    HeadlessPictureBox& overview() { return find<HeadlessPictureBox>("Picture1"); }
    EditorState& state() { return form_->state(); }
    std::string label(const std::string& name) { return find<ui::Label>(name).caption(); }

    TempDir dir_;
    headless::HeadlessToolkit toolkit_{"terraloom"};
    std::unique_ptr<Form1> form_;
};

}  // namespace terraloom::testing
