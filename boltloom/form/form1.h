#pragma once
// The shot editor's window. Its text fields are the shot definition; the
// buttons load, save and empty it, pick the shot sprite through the file
// dialog and the explosion particle from the particle catalogue.
#include "common/catalogue/catalogue.h"
#include "common/files/start_directory.h"
#include "common/startup/named_file.h"
#include "formats/shot_record.h"
#include "toolkit/ui/toolkit.h"

#include <memory>
#include <string>

namespace boltloom {

class Form1 {
public:
    // Builds every control and runs the window's start-up.
    explicit Form1(ui::Toolkit& toolkit);

    ui::Window& window() { return *window_; }
    void show();
    // A shot file named on the command line: its name goes into the file name
    // field and it is loaded as "load" loads it.
    void openFile(const tervok::startup::NamedFile& file);

    // The path fields, the radius field and the particle list, for a look
    // from outside (the smoke test on the real back end).
    const ui::TextField& directory() const { return *directory_; }
    const ui::TextField& extension() const { return *extension_; }
    const ui::TextField& schadenradius() const { return *schadenradius_; }
    const ui::ListBox& particles() const { return *particles_; }

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
    formats::ShotRecord shownShot() const;
    void showShot(const formats::ShotRecord& shot);

    ui::Toolkit& toolkit_;
    std::unique_ptr<ui::Window> window_;
    tervok::StartDirectory startDirectory_;
    tervok::NumberTable particleNumbers_{};

    ui::TextField* directory_ = nullptr;      // Text1: "shots\"
    ui::TextField* fileName_ = nullptr;       // Text2
    ui::TextField* extension_ = nullptr;      // Text3: ".sht"
    ui::TextField* schaden_ = nullptr;        // Text4: damage
    ui::TextField* speed_ = nullptr;          // Text5
    ui::TextField* ttl_ = nullptr;            // Text6: time to live
    ui::TextField* reloadTime_ = nullptr;     // Text7
    ui::TextField* shotSprite_ = nullptr;     // Text8
    ui::TextField* exploSprite_ = nullptr;    // Text9: explosion particle number
    ui::TextField* name_ = nullptr;           // Text10
    ui::TextField* schadenradius_ = nullptr;  // Text12: radius of the damage
    ui::ListBox* particles_ = nullptr;        // List1: the particle catalogue
};

}  // namespace boltloom
