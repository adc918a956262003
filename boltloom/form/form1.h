#pragma once
// The shot editor's window. Its text fields are the shot definition; the
// buttons load, save and empty it, pick the shot sprite through the file
// dialog and the explosion particle from the particle catalogue.
#include "boltloom/form/form1_layout.h"
#include "common/catalogue/catalogue.h"
#include "common/files/start_directory.h"
#include "common/startup/named_file.h"
#include "formats/shot_record.h"
#include "toolkit/ui/toolkit.h"

#include <string>

namespace boltloom {

class Form1 {
public:
    // Builds the window, binds its events and runs the start-up.
    explicit Form1(ui::Toolkit& toolkit);

    ui::Window& window() { return *c_.window; }
    Form1Controls& controls() { return c_; }
    // Shows the window with the focus in the path field.
    void show();
    // A shot file named on the command line: its name goes into the file name
    // field and it is loaded as "load" loads it.
    void openFile(const tervok::startup::NamedFile& file);

    // The path fields, the radius field and the particle list, for a look
    // from outside (the smoke test on the real back end).
    const ui::TextField& directory() const { return *c_.directory; }
    const ui::TextField& extension() const { return *c_.extension; }
    const ui::TextField& schadenradius() const { return *c_.schadenradius; }
    const ui::ListBox& particles() const { return *c_.particles; }

private:
    void bind();
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
    Form1Controls c_;
    tervok::StartDirectory startDirectory_;
    tervok::NumberTable particleNumbers_{};
};

}  // namespace boltloom
