#pragma once
// The particle editor's window: the catalogue's rows in List1, the buttons
// that reload, save and edit them, and the three fields a new entry line is
// built from. The rows of List1 are the whole document.
#include "core/particle_catalogue.h"
#include "files/start_directory.h"
#include "ui/toolkit.h"

#include <memory>

namespace sparkloom {

class Form1 {
public:
    // Builds the window with every control and runs the start-up (records the
    // start directory; the catalogue is read only on "reload").
    explicit Form1(ui::Toolkit& toolkit);

    ui::Window& window() { return *window_; }
    ui::ListBox& list1() { return *list1_; }
    ui::TextField& text1() { return *text1_; }
    ui::TextField& text2() { return *text2_; }
    ui::TextField& text3() { return *text3_; }

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

    Rows rows() const;
    void showRows(Rows rows);

    ui::Toolkit& toolkit_;
    std::unique_ptr<ui::Window> window_;
    tervok::StartDirectory startDirectory_;
    ui::ListBox* list1_ = nullptr;
    ui::Button* command1_ = nullptr;
    ui::Button* command2_ = nullptr;
    ui::Button* command3_ = nullptr;
    ui::TextField* text1_ = nullptr;
    ui::TextField* text2_ = nullptr;
    ui::TextField* text3_ = nullptr;
    ui::Button* command4_ = nullptr;
    ui::Button* command5_ = nullptr;
    bool rowsFromFile_ = false;  // a reload or a save succeeded since start-up
};

}  // namespace sparkloom
