#pragma once
// The particle editor's window: the catalogue's rows in List1, the buttons
// that reload, save and edit them, and the three fields a new entry line is
// built from. The rows of List1 are the whole document.
#include "common/files/start_directory.h"
#include "formats/particle_catalogue.h"
#include "toolkit/ui/toolkit.h"

#include <memory>

namespace sparkloom {

class Form1 {
public:
    // Builds the window with every control and runs the start-up (records the
    // start directory; the catalogue is read only on "reload").
    explicit Form1(ui::Toolkit& toolkit);

    ui::Window& window() { return *window_; }
    void show() { window_->show(); }
    ui::ListBox& catalogueList() { return *catalogueList_; }
    ui::TextField& numberField() { return *number_; }
    ui::TextField& repeatField() { return *repeat_; }
    ui::TextField& spriteField() { return *sprite_; }

private:
    void createControls();
    void createButtons();
    void createEntryFields();
    void bindEvents();

    void reloadCatalogue();
    void saveCatalogue();
    bool fileHoldsRows() const;
    bool confirmOverwrite();
    void deleteRow();
    void pickSprite();
    void addEntry();
    void switchRow();

    formats::ParticleRows rows() const;
    void showRows(formats::ParticleRows rows);

    ui::Toolkit& toolkit_;
    std::unique_ptr<ui::Window> window_;
    tervok::StartDirectory startDirectory_;
    ui::ListBox* catalogueList_ = nullptr;  // List1: the rows of the catalogue
    ui::Button* reload_ = nullptr;          // Command1
    ui::Button* save_ = nullptr;            // Command2
    ui::Button* delete_ = nullptr;          // Command3
    ui::TextField* number_ = nullptr;       // Text1: "Nummer"
    ui::TextField* repeat_ = nullptr;       // Text2: "repeat"
    ui::TextField* sprite_ = nullptr;       // Text3: "Sprite"
    ui::Button* pickSprite_ = nullptr;      // Command4: ". . ."
    ui::Button* add_ = nullptr;             // Command5
    bool rowsFromFile_ = false;  // a reload or a save succeeded since start-up
};

}  // namespace sparkloom
