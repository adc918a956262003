#pragma once
// The shot editor's window. Its text fields are the shot definition; the
// buttons load, save and empty it, pick the shot sprite through the file
// dialog and the explosion particle from the particle catalogue.
#include "catalogue/catalogue.h"
#include "core/shot_record.h"
#include "files/start_directory.h"
#include "ui/toolkit.h"

#include <memory>
#include <string>

namespace boltloom {

class Form1 {
public:
    // Builds every control and runs the window's start-up.
    explicit Form1(ui::Toolkit& toolkit);

    ui::Window& window() { return *window_; }
    void show();

    // The path fields, the radius field and the particle list, for a look
    // from outside (the smoke test on the real back end).
    const ui::TextField& text1() const { return *text1_; }
    const ui::TextField& text3() const { return *text3_; }
    const ui::TextField& text12() const { return *text12_; }
    const ui::ListBox& list1() const { return *list1_; }

private:
    void buildPathRow();
    void buildButtons();
    void buildValueFrames();
    void buildSpriteFrames();
    void buildNameAndList();
    ui::TextField& addField(ui::Container& parent, const char* name, const ui::Geometry& geometry,
                            const std::string& text = std::string());
    ui::Button& addButton(ui::Container& parent, const char* name, const ui::Geometry& geometry,
                          const std::string& caption, void (Form1::*handler)());
    ui::Frame& addFrame(const char* name, const ui::Geometry& geometry, const std::string& caption);

    void startUp();
    void loadShot();
    void saveShot();
    void newShot();
    void pickShotSprite();
    void pickExploSprite();

    std::string shotPath() const;
    ShotRecord shownShot() const;
    void showShot(const ShotRecord& shot);

    ui::Toolkit& toolkit_;
    std::unique_ptr<ui::Window> window_;
    tervok::StartDirectory startDirectory_;
    tervok::NumberTable particleNumbers_{};

    ui::TextField* text1_ = nullptr;   // directory part of the path
    ui::TextField* text2_ = nullptr;   // file name part of the path
    ui::TextField* text3_ = nullptr;   // extension part of the path
    ui::TextField* text4_ = nullptr;   // schaden
    ui::TextField* text5_ = nullptr;   // speed
    ui::TextField* text6_ = nullptr;   // ttl
    ui::TextField* text7_ = nullptr;   // reloadTime
    ui::TextField* text8_ = nullptr;   // shotSprite
    ui::TextField* text9_ = nullptr;   // exploSprite
    ui::TextField* text10_ = nullptr;  // name
    ui::TextField* text12_ = nullptr;  // schadenradius
    ui::ListBox* list1_ = nullptr;     // the particle catalogue
};

}  // namespace boltloom
