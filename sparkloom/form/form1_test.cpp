#include "sparkloom/form/program.h"

#include "common/errors/failure_report.h"
#include "common/files/file_io.h"
#include "common/testing/other_user.h"
#include "common/testing/temp_dir.h"
#include "toolkit/headless/headless_toolkit.h"
#include "toolkit/ui/catalogue_list.h"

#include <gtest/gtest.h>

namespace sparkloom {
namespace {

namespace fs = std::filesystem;
using headless::HeadlessButton;
using headless::HeadlessContainer;
using headless::HeadlessListBox;
using headless::HeadlessTextField;
using headless::HeadlessToolkit;
using tervok::testing::makeReadOnly;
using tervok::testing::readFile;
using tervok::testing::TempDir;
using tervok::testing::writeFile;
using Items = std::vector<std::string>;

constexpr const char* kCatalogue = "sprites/particle.lst";
constexpr const char* kSample =
    "[nummer repeat sprite]\r\n05 12 fire.spr\r\n[03 01 smoke.spr\r\n\r\n11 00 spark.spr\r\n";

class Form1Test : public ::testing::Test {
protected:
    HeadlessButton& button(const std::string& name) { return toolkit.find<HeadlessButton>(name); }
    HeadlessTextField& field(const std::string& name) { return toolkit.find<HeadlessTextField>(name); }
    HeadlessListBox& list() { return toolkit.find<HeadlessListBox>("List1"); }
    void reload() { button("Command1").click(); }
    void save() { button("Command2").click(); }
    void remove() { button("Command3").click(); }
    void add(const std::string& number, const std::string& repeat, const std::string& sprite)
    {
        field("Text1").type(number);
        field("Text2").type(repeat);
        field("Text3").type(sprite);
        button("Command5").click();
    }
    void addRows(const Items& rows)
    {
        for (const std::string& row : rows) {
            add("1", "1", row);
        }
    }
    void expectOneFailure(const std::string& text)
    {
        ASSERT_EQ(toolkit.messages().size(), 1u);
        EXPECT_EQ(toolkit.messages()[0].text, text);
        EXPECT_EQ(toolkit.messages()[0].title, "sparkloom");
        EXPECT_EQ(toolkit.messages()[0].icon, ui::MessageIcon::Critical);
        EXPECT_EQ(toolkit.messages()[0].buttons, ui::MessageButtons::Ok);
    }

    TempDir dir;
    HeadlessToolkit toolkit{"sparkloom"};
    Program program{toolkit};
};

TEST_F(Form1Test, WindowShowsEveryControlAtItsPlace)
{
    headless::HeadlessWindow& window = *toolkit.window();
    EXPECT_TRUE(window.isShown());
    EXPECT_EQ(window.caption(), "ParticleEditor by Drummel V1.0");
    EXPECT_EQ(window.geometry(), (ui::Geometry{0, 0, 3345, 3195}));
    EXPECT_EQ(list().geometry(), (ui::Geometry{360, 240, 1695, 2205}));
    EXPECT_EQ(button("Command1").caption(), "reload");
    EXPECT_EQ(button("Command2").geometry(), (ui::Geometry{2280, 600, 855, 255}));
    EXPECT_EQ(button("Command3").caption(), "delete");
    EXPECT_EQ(button("Command5").geometry(), (ui::Geometry{2280, 2880, 855, 255}));
    EXPECT_EQ(toolkit.find<HeadlessContainer>("Frame1").caption(), "Nummer");
    EXPECT_EQ(toolkit.find<HeadlessContainer>("Frame2").geometry(), (ui::Geometry{2280, 2160, 975, 615}));
    EXPECT_EQ(toolkit.find<HeadlessContainer>("Frame3").caption(), "Sprite");
    EXPECT_EQ(field("Text1").text(), "0");
    EXPECT_EQ(field("Text2").text(), "0");
    EXPECT_EQ(field("Text3").text(), "");
    EXPECT_EQ(field("Text3").geometry(), (ui::Geometry{120, 240, 1215, 285}));
    EXPECT_EQ(button("Command4").caption(), ". . .");
    EXPECT_TRUE(button("Command4").isBold());

    // Focus follows the order in which the focusable controls were made.
    Items order;
    for (const auto& control : window.controls())
        if (!dynamic_cast<HeadlessContainer*>(control.get()))
            order.push_back(control->name());
    EXPECT_EQ(order, (Items{"List1", "Command1", "Command2", "Command3", "Text1", "Text2", "Text3",
                            "Command4", "Command5"}));
}

TEST_F(Form1Test, ClosingTheWindowEndsTheProgram)
{
    toolkit.window()->close();
    EXPECT_TRUE(toolkit.quitRequested());
}

TEST(Form1StartUp, ListStaysEmptyUntilReload)
{
    TempDir dir;
    writeFile(kCatalogue, kSample);
    HeadlessToolkit toolkit{"sparkloom"};
    Program program{toolkit};
    auto& list = toolkit.find<HeadlessListBox>("List1");
    EXPECT_EQ(list.count(), 0);
    toolkit.find<HeadlessButton>("Command1").click();
    EXPECT_EQ(list.items(), (Items{"05 12 fire.spr", "[03 01 smoke.spr", "", "11 00 spark.spr"}));
    EXPECT_EQ(list.selectedIndex(), -1);
}

TEST_F(Form1Test, ReloadThenSaveRewritesTheSameBytes)
{
    writeFile(kCatalogue, kSample);
    reload();
    writeFile(kCatalogue, "overwritten");
    save();
    EXPECT_EQ(readFile(kCatalogue), kSample);
    EXPECT_TRUE(toolkit.messages().empty());
}

TEST_F(Form1Test, AnEntryInTheFirstLineIsTakenForTheHeader)
{
    writeFile(kCatalogue, "05 12 fire.spr\r\n11 00 spark.spr");
    reload();
    EXPECT_EQ(list().items(), (Items{"11 00 spark.spr"}));
    save();
    EXPECT_EQ(readFile(kCatalogue), "[nummer repeat sprite]\r\n11 00 spark.spr\r\n");
}

TEST_F(Form1Test, FailedReloadKeepsTheRows)
{
    addRows({"a.spr", "b.spr"});
    list().press(1);
    const Items before = list().items();

    reload();  // no sprites folder at all
    expectOneFailure("Fehler beim laden !");
    EXPECT_EQ(list().items(), before);
    EXPECT_EQ(list().selectedIndex(), 1);

    toolkit.clearMessages();
    fs::create_directories(kCatalogue);  // a folder where the file should be
    reload();
    expectOneFailure("Fehler beim laden !");
    EXPECT_EQ(list().items(), before);
}

TEST_F(Form1Test, AnEmptyCatalogueReloadsAsAnEmptyList)
{
    addRows({"a.spr"});
    writeFile(kCatalogue, "");
    reload();
    EXPECT_TRUE(list().items().empty());
    EXPECT_TRUE(toolkit.messages().empty());
}

TEST_F(Form1Test, FailedSaveIsReportedAndLeavesTheOldFile)
{
    addRows({"a.spr"});
    save();  // the sprites folder is missing
    expectOneFailure("Fehler beim speichern !");
    EXPECT_FALSE(fs::exists("sprites"));

    toolkit.clearMessages();
    writeFile(kCatalogue, kSample);
    makeReadOnly(kCatalogue);
    reload();
    save();
    expectOneFailure("Fehler beim speichern !");
    EXPECT_EQ(readFile(kCatalogue), kSample);
    EXPECT_EQ(tervok::testing::entryCount("sprites"), 1u);
    EXPECT_EQ(list().items(), (Items{"05 12 fire.spr", "[03 01 smoke.spr", "", "11 00 spark.spr"}));
}

// The list starts empty until "reload": a save before it asks first when the
// file holds rows, and Cancel writes nothing.
TEST_F(Form1Test, SavingAListThatWasNeverLoadedOverAFullFileAsksFirst)
{
    writeFile(kCatalogue, kSample);
    toolkit.answerMessages({ui::kAnswerCancel});
    save();
    ASSERT_EQ(toolkit.messages().size(), 1u);
    EXPECT_EQ(toolkit.messages()[0].text, "Liste nicht geladen - Datei trotzdem \xFC" "berschreiben ?");
    EXPECT_EQ(toolkit.messages()[0].buttons, ui::MessageButtons::OkCancel);
    EXPECT_EQ(toolkit.messages()[0].icon, ui::MessageIcon::None);
    EXPECT_EQ(readFile(kCatalogue), kSample);

    // OK goes ahead; from then on the rows are the file's and no question
    // comes again.
    toolkit.clearMessages();
    addRows({"a.spr"});
    save();
    EXPECT_EQ(readFile(kCatalogue), "[nummer repeat sprite]\r\n01 01 a.spr\r\n");
    add("2", "2", "b.spr");
    save();
    EXPECT_EQ(toolkit.messages().size(), 1u);
    EXPECT_EQ(readFile(kCatalogue), "[nummer repeat sprite]\r\n01 01 a.spr\r\n02 02 b.spr\r\n");
}

// A catalogue that is there but cannot be read may hold entries: the save
// asks before it replaces it, and Cancel keeps it and says why the file
// could not be read.
TEST_F(Form1Test, SavingOverACatalogueThatCannotBeReadAsksFirst)
{
    addRows({"a.spr"});
    toolkit.answerMessages({ui::kAnswerCancel, ui::kAnswerCancel});

    // Too large to be read.
    writeFile(kCatalogue, kSample);
    fs::resize_file(kCatalogue, tervok::kMaxReadBytes + 1);
    {
        const tervok::FailureCapture stderrLines;
        save();
        EXPECT_EQ(stderrLines.lines(),
                  std::vector<std::string>{"sparkloom: sprites\\particle.lst: cannot read: file too large"});
    }
    ASSERT_EQ(toolkit.messages().size(), 1u);
    EXPECT_EQ(toolkit.messages()[0].text, "Liste nicht geladen - Datei trotzdem \xFC" "berschreiben ?");
    EXPECT_EQ(fs::file_size(kCatalogue), tervok::kMaxReadBytes + 1);

    // Not readable by the user, who may still replace it.
    toolkit.clearMessages();
    writeFile(kCatalogue, kSample);
    tervok::testing::giveToOrdinaryUser("sprites");
    tervok::testing::giveToOrdinaryUser(kCatalogue);
    fs::permissions(kCatalogue, fs::perms::owner_write);
    const std::optional<std::string> asked = tervok::testing::runAsOrdinaryUser([this] {
        save();
        return toolkit.messages().empty() ? std::string("no question") : toolkit.messages()[0].text;
    });
    fs::permissions(kCatalogue, fs::perms::owner_read, fs::perm_options::add);
    ASSERT_TRUE(asked);
    EXPECT_EQ(*asked, "Liste nicht geladen - Datei trotzdem \xFC" "berschreiben ?");
    EXPECT_EQ(readFile(kCatalogue), kSample);
}

TEST_F(Form1Test, NoQuestionAfterAReloadOrWhenTheFileHoldsNoRows)
{
    writeFile(kCatalogue, "[nummer repeat sprite]\r\n\r\n");
    addRows({"a.spr"});
    save();
    EXPECT_TRUE(toolkit.messages().empty());

    writeFile(kCatalogue, kSample);
    reload();
    list().setSelectedIndex(0);
    remove();
    save();
    EXPECT_TRUE(toolkit.messages().empty());
    EXPECT_EQ(readFile(kCatalogue), "[nummer repeat sprite]\r\n[03 01 smoke.spr\r\n\r\n11 00 spark.spr\r\n");
}

TEST_F(Form1Test, AddRefusesAValueTheFileCannotHold)
{
    add("5", "1", "big,fire.spr");
    expectOneFailure("Sprite: Komma oder \" am Anfang nicht speicherbar !");
    toolkit.clearMessages();
    add("\"5", "1", "fire.spr");
    expectOneFailure("Nummer: Komma oder \" am Anfang nicht speicherbar !");
    EXPECT_TRUE(list().items().empty());
}

TEST_F(Form1Test, AddBuildsEntryLinesFromTheFields)
{
    writeFile("sprites/keep", "");
    list().addItem("x");
    list().setSelectedIndex(0);
    add("5", "0", "smoke.spr");
    add("42", "12", "fire.spr");
    add("05", "1", "a.spr");
    add("7.5", "1", "b.spr");
    add("", "3", "c.spr");
    EXPECT_EQ(list().items(),
              (Items{"x", "05 00 smoke.spr", "42 12 fire.spr", "005 01 a.spr", "07.5 01 b.spr", "0 03 c.spr"}));
    EXPECT_EQ(list().selectedIndex(), 0);
    EXPECT_EQ(field("Text1").text(), "");
    EXPECT_EQ(field("Text3").text(), "c.spr");
    save();
    EXPECT_EQ(readFile(kCatalogue), "[nummer repeat sprite]\r\nx\r\n05 00 smoke.spr\r\n42 12 fire.spr\r\n"
                                    "005 01 a.spr\r\n07.5 01 b.spr\r\n0 03 c.spr\r\n");
}

TEST_F(Form1Test, AddRefusesValuesAbove99Silently)
{
    add("100", "1", "a.spr");
    add("1", "100", "a.spr");
    EXPECT_EQ(list().count(), 0);
    EXPECT_TRUE(toolkit.messages().empty());
    add("99", "99", "a.spr");
    EXPECT_EQ(list().items(), (Items{"99 99 a.spr"}));
}

TEST_F(Form1Test, DeleteSelectsTheRowThatMovedUp)
{
    addRows({"a", "b", "c", "d", "e"});
    remove();  // nothing selected
    EXPECT_EQ(list().count(), 5);

    list().press(1);
    remove();
    EXPECT_EQ(list().items(), (Items{"01 01 a", "01 01 c", "01 01 d", "01 01 e"}));
    EXPECT_EQ(list().selectedIndex(), 1);

    list().press(3);
    remove();
    EXPECT_EQ(list().items(), (Items{"01 01 a", "01 01 c", "01 01 d"}));
    EXPECT_EQ(list().selectedIndex(), 2);
}

TEST_F(Form1Test, DeletingTheOnlyRowLeavesNothingSelected)
{
    writeFile("sprites/keep", "");
    addRows({"a.spr"});
    list().press(0);
    remove();
    EXPECT_EQ(list().count(), 0);
    EXPECT_EQ(list().selectedIndex(), -1);
    save();
    EXPECT_EQ(readFile(kCatalogue), "[nummer repeat sprite]\r\n");
}

TEST_F(Form1Test, DoubleClickSwitchesARowOffAndOnAgain)
{
    writeFile(kCatalogue, kSample);
    reload();
    list().doubleClick(0);
    list().doubleClick(1);
    EXPECT_EQ(list().items(), (Items{"[05 12 fire.spr", "03 01 smoke.spr", "", "11 00 spark.spr"}));
    list().doubleClick(0);
    list().doubleClick(1);
    save();
    EXPECT_EQ(readFile(kCatalogue), kSample);
}

TEST_F(Form1Test, DoubleClickWithNothingSelectedChangesNothing)
{
    addRows({"a.spr"});
    list().doubleClick(-1);
    EXPECT_EQ(list().items(), (Items{"01 01 a.spr"}));
}

TEST_F(Form1Test, SpritePickOpensTheDialogFromTheStartDirectory)
{
    fs::create_directory("sprites");
    fs::current_path("sprites");  // as if an earlier dialog had wandered off
    toolkit.answerDialog("laser.spr");
    button("Command4").click();
    ASSERT_EQ(toolkit.dialogs().size(), 1u);
    EXPECT_EQ(toolkit.dialogs()[0].presetFileName, "sprites\\*.spr");
    EXPECT_TRUE(fs::equivalent(toolkit.dialogs()[0].workingDirectory, dir.path()));
    EXPECT_TRUE(fs::equivalent(fs::current_path(), dir.path()));
    EXPECT_EQ(field("Text3").text(), "laser.spr");

    toolkit.answerDialog(std::nullopt);
    button("Command4").click();
    EXPECT_EQ(field("Text3").text(), "laser.spr");
}

TEST_F(Form1Test, SpritePickRefusesANameWindows1252CannotHold)
{
    field("Text3").type("laser.spr");
    toolkit.answerDialog("\xD0\xBA\xD0\xBE\xD1\x82.spr");  // кот.spr
    button("Command4").click();
    expectOneFailure("Dateiname nicht in den Spieldateien speicherbar !");
    EXPECT_EQ(field("Text3").text(), "laser.spr");
}

TEST_F(Form1Test, SavedCatalogueIsWhatTheOtherEditorsLoad)
{
    writeFile(kCatalogue, kSample);
    reload();
    add("5", "12", "again.spr");
    list().doubleClick(1);  // switch smoke.spr on
    list().doubleClick(3);  // switch spark.spr off
    save();

    // A fresh start of another editor reads the catalogue from disk.
    HeadlessToolkit other{"boltloom"};
    auto window = other.createWindow("Form1", "", 100, 100);
    ui::ListBox& picker = other.createListBox(*window, "List1", -1, {});
    tervok::NumberTable table{};
    tervok::loadCatalogue(other, picker, "sprites\\particle.lst", tervok::kParticleNameColumn, table);
    EXPECT_EQ(dynamic_cast<HeadlessListBox&>(picker).items(),
              (Items{"<none>", " 5: fire.spr", " 3: smoke.spr", " 5: again.spr"}));
    EXPECT_EQ(table[1], 5);
    EXPECT_EQ(table[2], 3);
    EXPECT_EQ(table[3], 5);
}

}  // namespace
}  // namespace sparkloom
