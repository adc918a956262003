#include "terraloom/form/form_fixture.h"

namespace terraloom::testing {
namespace {

using headless::HeadlessCheckBox;
using headless::HeadlessOptionButton;

constexpr const char* kHeader = "[set <type> <nmr> <anz> <x> <y> <r>]\r\n";
constexpr const char* kFirstLine = "set player 3 1 130 250 2";
constexpr const char* kSecondLine = "def player 1 1 410 70 4";

class ScriptEditorTest : public EditorTest {
protected:
    HeadlessListBox& script() { return find<HeadlessListBox>("List2"); }
    HeadlessListBox& players() { return find<HeadlessListBox>("List3"); }
    HeadlessTextField& field(const std::string& name) { return find<HeadlessTextField>(name); }
    HeadlessCheckBox& isUser() { return find<HeadlessCheckBox>("Check1"); }
    HeadlessOptionButton& option(int i) { return find<HeadlessOptionButton>("Option1", i); }

    void pickPlayer(int row)
    {
        players().press(row);
        button("Command11").click();
    }
    void placeAt(double x, std::int16_t y) { state().scriptPosition = {x, y}; }
    // Fills the fields and the position as for one player line and adds it.
    void addPlayer(int row, const std::string& count, double x, std::int16_t y, int option, bool user = false)
    {
        pickPlayer(row);
        field("Text6").type(count);
        placeAt(x, y);
        this->option(option).click();
        if (user != (isUser().value() == 1))
            isUser().click();
        button("Command13").click();
    }
    void addTheTwoExampleLines()
    {
        addPlayer(1, "1", 130, 250, 1);
        addPlayer(0, "1", 410, 70, 3, true);
        field("Text4").type("1");
        script().press(1);
        button("Command15").click();  // the second line with number 1
    }
    void selectAndGet(int row)
    {
        script().press(row);
        button("Command14").click();
    }
    int chosenOption()
    {
        for (int i = 0; i < 4; ++i)
            if (option(i).value())
                return i;
        return -1;
    }
    std::vector<std::string> messageTexts()
    {
        std::vector<std::string> texts;
        for (const auto& m : toolkit_.messages())
            texts.push_back(m.text);
        return texts;
    }
    void expectOneMessage(const std::string& text, ui::MessageIcon icon)
    {
        ASSERT_EQ(messageTexts(), std::vector<std::string>{text});
        EXPECT_EQ(toolkit_.messages()[0].icon, icon);
        EXPECT_EQ(toolkit_.messages()[0].buttons, ui::MessageButtons::Ok);
        EXPECT_EQ(toolkit_.messages()[0].title, "terraloom");
        toolkit_.clearMessages();
    }
};

TEST_F(ScriptEditorTest, EmptyScriptSavesTheHeaderAloneAndLoadsBackEmpty)
{
    button("Command12").click();
    EXPECT_EQ(readFile("map/map1.msc"), kHeader);
    expectOneMessage("Script gespeichert ", ui::MessageIcon::None);

    button("Command13").click();
    button("Command10").click();
    EXPECT_TRUE(script().items().empty());
    expectOneMessage("Script geladen ", ui::MessageIcon::None);
}

TEST_F(ScriptEditorTest, TwoLinesAreWrittenAfterTheHeaderAndLoadBackUnchanged)
{
    addTheTwoExampleLines();
    EXPECT_EQ(script().items(), (std::vector<std::string>{kFirstLine, kSecondLine}));
    button("Command12").click();
    EXPECT_EQ(readFile("map/map1.msc"),
              std::string(kHeader) + "set player 3 1 130 250 2\r\ndef player 1 1 410 70 4\r\n");

    script().clear();
    button("Command10").click();
    EXPECT_EQ(script().items(), (std::vector<std::string>{kFirstLine, kSecondLine}));
    EXPECT_TRUE(state().grid == formats::MapGrid{});
    EXPECT_FALSE(std::filesystem::exists("map/map1.map"));
}

TEST_F(ScriptEditorTest, TheMapNameChoosesTheScriptFile)
{
    field("Text1").type("level2");
    button("Command13").click();
    button("Command12").click();
    EXPECT_EQ(readFile("map/level2.msc"), std::string(kHeader) + "set  0  0 0 0\r\n");
    EXPECT_FALSE(std::filesystem::exists("map/map1.msc"));

    writeFile("map/level2.msc", std::string(kHeader) + "x\r\n");
    button("Command10").click();
    EXPECT_EQ(script().items(), std::vector<std::string>{"x"});
}

TEST_F(ScriptEditorTest, AddAtStartUpGivesTheEmptyLineAndGetOnItOnlyRefreshesThePosition)
{
    button("Command13").click();
    ASSERT_EQ(script().items(), std::vector<std::string>{"set  0  0 0 0"});
    EXPECT_EQ(script().item(0).size(), 13u);
    EXPECT_EQ(script().selectedIndex(), -1);
    EXPECT_EQ(label("Label2"), "0 : 0");

    selectAndGet(0);
    EXPECT_EQ(field("Text5").text(), "");
    EXPECT_EQ(field("Text4").text(), "0");
    EXPECT_EQ(isUser().value(), 0);
    EXPECT_FALSE(isUser().isEnabled());
    EXPECT_EQ(label("Label2"), " 0 : 0");
}

TEST_F(ScriptEditorTest, GetRestoresEveryValueOfAnAddedLine)
{
    addTheTwoExampleLines();
    for (const char* name : {"Text4", "Text6"})
        field(name).type("");
    placeAt(0, 0);

    selectAndGet(0);
    EXPECT_EQ(field("Text5").text(), "player");
    EXPECT_EQ(field("Text4").text(), "3");
    EXPECT_EQ(field("Text6").text(), "1");
    EXPECT_EQ(state().scriptPosition, (ScriptPosition{130, 250}));
    EXPECT_EQ(label("Label2"), " 130 : 250");
    EXPECT_EQ(chosenOption(), 1);
    EXPECT_EQ(isUser().value(), 0);
    EXPECT_TRUE(isUser().isEnabled());

    script().doubleClick(1);  // the same as select and get
    EXPECT_EQ(field("Text4").text(), "1");
    EXPECT_EQ(state().scriptPosition, (ScriptPosition{410, 70}));
    EXPECT_EQ(label("Label2"), " 410 : 70");
    EXPECT_EQ(chosenOption(), 3);
    EXPECT_EQ(isUser().value(), 1);
    EXPECT_TRUE(isUser().isEnabled());

    button("Command15").click();  // composing again gives the same line
    EXPECT_EQ(script().item(1), kSecondLine);
}

TEST_F(ScriptEditorTest, AnEmptyCountComesBackEmpty)
{
    addPlayer(1, "", 130, 250, 1);
    EXPECT_EQ(script().item(0), "set player 3  130 250 2");
    field("Text6").type("9");
    placeAt(1, 1);
    selectAndGet(0);
    EXPECT_EQ(field("Text6").text(), "");
    EXPECT_EQ(state().scriptPosition, (ScriptPosition{130, 250}));
}

TEST_F(ScriptEditorTest, TheCommandWordFollowsIstUserWhichOnlyPlayersCanTick)
{
    EXPECT_FALSE(isUser().isEnabled());
    isUser().click();
    EXPECT_EQ(isUser().value(), 0);

    pickPlayer(1);
    EXPECT_TRUE(isUser().isEnabled());
    isUser().click();
    pickPlayer(2);  // the type stays "player": the tick stays too
    EXPECT_EQ(isUser().value(), 1);
    button("Command13").click();
    EXPECT_EQ(script().item(0), "def player 7  0 0 0");

    script().addItem("spawn tree 1 2");
    script().addItem("set tree 1");
    selectAndGet(0);
    EXPECT_EQ(isUser().value(), 1);
    selectAndGet(1);  // other first words count as the user's
    EXPECT_EQ(isUser().value(), 1);
    EXPECT_EQ(field("Text5").text(), "player");
    selectAndGet(2);  // not a player: only the box follows the command word
    EXPECT_EQ(isUser().value(), 0);
    EXPECT_EQ(field("Text4").text(), "7");
}

TEST_F(ScriptEditorTest, GetTicksTheBoxAfterTheTypeChangeHasClearedIt)
{
    script().addItem(kSecondLine);
    selectAndGet(0);
    EXPECT_EQ(field("Text5").text(), "player");
    EXPECT_EQ(isUser().value(), 1);
    EXPECT_TRUE(isUser().isEnabled());
}

TEST_F(ScriptEditorTest, PlayerPickWritesTheTypeAndThePickedNumber)
{
    field("Text4").type("5");
    button("Command11").click();  // no player chosen
    EXPECT_EQ(field("Text5").text(), "player");
    EXPECT_EQ(field("Text4").text(), "5");
    pickPlayer(2);
    EXPECT_EQ(field("Text4").text(), "7");
    pickPlayer(0);
    EXPECT_EQ(field("Text4").text(), "0");
}

TEST_F(ScriptEditorTest, ChangeAndDeleteActOnlyOnTheSelectedRow)
{
    for (const char* row : {"a", "b", "c"})
        script().addItem(row);
    button("Command15").click();
    script().keyDown(ui::kDeleteKey);
    EXPECT_EQ(script().items(), (std::vector<std::string>{"a", "b", "c"}));

    script().press(1);
    script().keyDown(65);
    button("Command15").click();
    EXPECT_EQ(script().items(), (std::vector<std::string>{"a", "set  0  0 0 0", "c"}));
    script().keyDown(ui::kDeleteKey);
    EXPECT_EQ(script().items(), (std::vector<std::string>{"a", "c"}));
}

TEST_F(ScriptEditorTest, GetIgnoresRowsItCannotTakeApart)
{
    addPlayer(1, "1", 130, 250, 1, true);
    for (const char* row : {"set player 3 1 130 250 x", "set player 3 1 130", "def"})
        script().addItem(row);
    for (int row = 1; row <= 3; ++row) {
        selectAndGet(row);
        EXPECT_EQ(field("Text4").text(), "3");
        EXPECT_EQ(state().scriptPosition, (ScriptPosition{130, 250}));
        EXPECT_EQ(chosenOption(), 1);
        EXPECT_EQ(isUser().value(), 1);
        EXPECT_EQ(label("Label2"), "0 : 0");
    }
    EXPECT_EQ(script().count(), 4);
    EXPECT_TRUE(toolkit_.messages().empty());
}

TEST_F(ScriptEditorTest, GetTakesHandEditedNumbersAsFarAsTheyGo)
{
    option(2).click();
    script().addItem("set player 4 2 17.5 70000 0");
    selectAndGet(0);
    EXPECT_EQ(chosenOption(), -1);
    EXPECT_EQ(state().scriptPosition, (ScriptPosition{17.5, 32767}));
    EXPECT_EQ(label("Label2"), " 17.5 : 32767");
    button("Command13").click();
    EXPECT_EQ(script().item(1), "set player 4 2 17.5 32767 0");
}

// A comma would split the composed row into two on the next load: add and
// change refuse it and name the field. Rows that came from the file keep
// the reading rules of the file format.
TEST_F(ScriptEditorTest, ACommaInATypedValueIsRefusedWhileRowsFromTheFileReadAsBefore)
{
    field("Text6").type("1,2");
    button("Command13").click();
    expectOneMessage("Anzahl: Komma oder \" am Anfang nicht speicherbar !", ui::MessageIcon::Critical);
    EXPECT_TRUE(script().items().empty());

    field("Text6").type("1");
    field("Text4").type("7,");
    button("Command13").click();
    EXPECT_EQ(toolkit_.messages().back().text, "nmr: Komma oder \" am Anfang nicht speicherbar !");
    field("Text4").type("7");
    button("Command13").click();
    script().press(0);
    field("Text6").type("2,3");
    button("Command15").click();
    EXPECT_EQ(script().items(), (std::vector<std::string>{"set  7 1 0 0 0"}));

    writeFile("map/map1.msc", std::string(kHeader) + "   set a b,c\r\n\r\nlast");
    button("Command10").click();
    EXPECT_EQ(script().items(), (std::vector<std::string>{"set a b", "c", "", "last"}));
    button("Command12").click();
    EXPECT_EQ(readFile("map/map1.msc"), std::string(kHeader) + "set a b\r\nc\r\n\r\nlast\r\n");
}

TEST_F(ScriptEditorTest, FailedLoadsKeepTheScriptInTheList)
{
    script().addItem(kFirstLine);
    button("Command10").click();  // no file
    expectOneMessage("Fehler", ui::MessageIcon::Critical);
    writeFile("map/map1.msc", "");
    button("Command10").click();  // not even a header
    expectOneMessage("Fehler", ui::MessageIcon::Critical);
    EXPECT_EQ(script().items(), std::vector<std::string>{kFirstLine});
    EXPECT_FALSE(std::filesystem::exists("map/map1.map"));
}

TEST_F(ScriptEditorTest, FailedSavesReportAndKeepTheOldFile)
{
    script().addItem(kFirstLine);
    std::filesystem::remove_all("map");
    button("Command12").click();
    expectOneMessage("Fehler", ui::MessageIcon::Critical);
    EXPECT_FALSE(std::filesystem::exists("map"));

    writeFile("map/map1.msc", "old\r\n");
    makeReadOnly("map/map1.msc");
    button("Command12").click();
    expectOneMessage("Fehler", ui::MessageIcon::Critical);
    EXPECT_EQ(readFile("map/map1.msc"), "old\r\n");
}

TEST_F(ScriptEditorTest, ATypicalPieceOfWorkSurvivesARestart)
{
    std::string map(10000, '\0');
    map[0] = 1;
    writeFile("map/map1.map", map);
    toolkit_.answerMessages({ui::kAnswerOk});
    button("Command1").click();  // load the map

    pickPlayer(1);
    option(0).click();
    find<HeadlessSlider>("Slider3").slide(5);
    cell(87).mouseDown(ui::kRightButton, 0, 150, 150);
    EXPECT_EQ(label("Label2"), " 130 : 250");
    button("Command13").click();
    button("Command12").click();
    toolkit_.answerMessages({ui::kAnswerOk});
    button("Command2").click();  // save the map
    EXPECT_EQ(messageTexts(), (std::vector<std::string>{"LADEN ?", "Script gespeichert ", "SPECIHERN ?"}));

    restart();
    EXPECT_TRUE(script().items().empty());
    button("Command10").click();
    toolkit_.answerMessages({ui::kAnswerOk});
    button("Command1").click();
    EXPECT_EQ(script().items(), std::vector<std::string>{"set player 3  130 250 1"});
    EXPECT_EQ(state().grid.at(1, 1), 1);
    EXPECT_EQ(readFile("map/map1.msc"), std::string(kHeader) + "set player 3  130 250 1\r\n");
}

}  // namespace
}  // namespace terraloom::testing
