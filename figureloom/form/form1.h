#pragma once
// The player editor's window: the fields of one player record, the three
// file commands and the two catalogue lists with their pick buttons. The
// controls are the record; the core reads and writes the file.
#include "common/catalogue/catalogue.h"
#include "common/startup/named_file.h"
#include "figureloom/form/form1_layout.h"
#include "formats/player_record.h"
#include "toolkit/ui/field_check.h"
#include "toolkit/ui/toolkit.h"

#include <functional>
#include <string>
#include <vector>

namespace figureloom {

class Form1 {
public:
    // Builds the window, binds its events and reads the catalogues.
    explicit Form1(ui::Toolkit& toolkit);

    ui::Window& window() { return *c_.window; }
    Form1Controls& controls() { return c_; }
    // Shows the window with the focus in the name field.
    void show();
    // A player file named on the command line: its name goes into the name
    // field and it is loaded as "load" loads it.
    void openFile(const tervok::startup::NamedFile& file);

    // "new" asks the owner for a fresh window; the owner must not destroy
    // this one inside the click that asked.
    std::function<void()> onNew;

private:
    void bind();
    void loadCatalogues();

    std::string playerPath() const;
    formats::PlayerRecord recordFromControls() const;
    std::vector<tervok::NamedField> storedFields() const;
    void showRecord(const formats::PlayerRecord& record);
    void showAmmunition(const formats::PlayerRecord& record);

    void loadPlayer();
    void savePlayer();
    void pick(const ui::ListBox& list, const tervok::NumberTable& table, ui::TextField& target);

    ui::Toolkit& toolkit_;
    Form1Controls c_;
    tervok::NumberTable particleNumbers_{};
    tervok::NumberTable weaponNumbers_{};
};

}  // namespace figureloom
