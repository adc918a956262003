#pragma once
// The particle editor's window: the catalogue's rows in List1, the buttons
// that reload, save and edit them, and the three fields a new entry line is
// built from. The rows of List1 are the whole document.
#include "common/files/start_directory.h"
#include "formats/particle_catalogue.h"
#include "sparkloom/form/form1_layout.h"
#include "toolkit/ui/toolkit.h"

namespace sparkloom {

class Form1 {
public:
    // Builds the window and binds its events; the start-up records the start
    // directory (the catalogue is read only on "reload").
    explicit Form1(ui::Toolkit& toolkit);

    ui::Window& window() { return *c_.window; }
    Form1Controls& controls() { return c_; }
    // Shows the window with the focus in the catalogue list.
    void show();
    ui::ListBox& catalogueList() { return *c_.catalogueList; }
    ui::TextField& numberField() { return *c_.number; }
    ui::TextField& repeatField() { return *c_.repeat; }
    ui::TextField& spriteField() { return *c_.sprite; }

private:
    void bind();

    void reloadCatalogue();
    void saveCatalogue();
    tervok::Result<bool> fileHoldsRows() const;
    bool mayOverwrite();
    void deleteRow();
    void pickSprite();
    void addEntry();
    void switchRow();

    formats::ParticleRows rows() const;
    void showRows(formats::ParticleRows rows);

    ui::Toolkit& toolkit_;
    Form1Controls c_;
    tervok::StartDirectory startDirectory_;
    bool rowsFromFile_ = false;  // a reload or a save succeeded since start-up
};

}  // namespace sparkloom
