#pragma once
// The player editor's window: the fields of one player record, the three
// file commands and the two catalogue lists with their pick buttons. The
// controls are the record; the core reads and writes the file.
#include "common/catalogue/catalogue.h"
#include "common/startup/named_file.h"
#include "formats/player_record.h"
#include "toolkit/ui/field_check.h"
#include "toolkit/ui/toolkit.h"

#include <array>
#include <functional>
#include <memory>
#include <string>

namespace figureloom {

// The five controls of one weapon slot row.
struct SlotRow {
    ui::TextField* shottyp = nullptr;  // Text9
    ui::Button* pick = nullptr;        // Command5
    ui::CheckBox* present = nullptr;   // Check1
    ui::TextField* munnition = nullptr;  // Text6
    ui::TextField* maxMunni = nullptr;   // Text12
};

class Form1 {
public:
    explicit Form1(ui::Toolkit& toolkit);
    ~Form1();
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // Shows the window with the focus in the name field.
    void show();
    ui::Window& window() { return *window_; }
    // A player file named on the command line: its name goes into the name
    // field and it is loaded as "load" loads it.
    void openFile(const tervok::startup::NamedFile& file);

    // "new" asks the owner for a fresh window; the owner must not destroy
    // this one inside the click that asked.
    std::function<void()> onNew;
    // The user closed the window.
    std::function<void()> onClose;

private:
    void createControls();
    void createPathRow();
    void createWeaponFrame();
    void createSlotRow(ui::Frame& frame, int slot);
    void createSpeedFrame();
    void createSpriteFrame();
    void createTeamAndHealth();
    void createCatalogueLists();
    void connectEvents();
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
    std::unique_ptr<ui::Window> window_;

    ui::TextField* directory_ = nullptr;  // Text1
    ui::TextField* name_ = nullptr;       // Text2
    ui::TextField* extension_ = nullptr;  // Text3
    ui::Button* load_ = nullptr;          // Command1
    ui::Button* save_ = nullptr;          // Command2
    ui::Button* new_ = nullptr;           // Command3
    std::array<SlotRow, formats::kWeaponSlotCount> slots_{};
    ui::TextField* moveSpeed_ = nullptr;  // Text7
    ui::TextField* stepSpeed_ = nullptr;  // Text8
    ui::TextField* sprite_ = nullptr;     // Text5
    ui::Button* pickSprite_ = nullptr;    // Command6
    std::array<ui::TextField*, 2> blood_{};  // Text4: blood, explo
    std::array<ui::Button*, 2> pickBlood_{}; // Command4
    ui::TextField* team_ = nullptr;       // Text11
    ui::TextField* health_ = nullptr;     // Text10
    ui::ListBox* particles_ = nullptr;    // List1
    ui::ListBox* weapons_ = nullptr;      // List2

    tervok::NumberTable particleNumbers_{};
    tervok::NumberTable weaponNumbers_{};
};

}  // namespace figureloom
