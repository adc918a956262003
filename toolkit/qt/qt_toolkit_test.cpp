#include "toolkit/qt/qt_choice_dialog.h"
#include "toolkit/qt/qt_file_dialog.h"
#include "toolkit/qt/qt_message_box.h"
#include "toolkit/qt/qt_test_support.h"

#include "common/testing/temp_dir.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QMessageBox>
#include <QLineEdit>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

namespace qtui::testing {
namespace {

// Runs act on the modal widget as soon as it is open. Should act fail to
// close it, it is closed anyway, so a failing test cannot hang.
void whenModalOpens(std::function<void(QWidget*)> act)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            act(modal);
            QTimer::singleShot(0, modal, [modal] { modal->close(); });
        }
    });
    poll->start(10);
}

struct SeenBox {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
};

using ToolkitTest = QtWindowTest;

TEST_F(ToolkitTest, MessageBoxShowsTheTextAndAnswersOkOrCancel)
{
    SeenBox seen;
    whenModalOpens([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        seen = {box->windowTitle(), box->text(), box->icon(), static_cast<int>(box->buttons().size())};
        box->button(QMessageBox::Cancel)->click();
    });
    EXPECT_EQ(toolkit.messageBox("Wirklich neu anlegen ?\r\nGr\xFC\xDF" "e", ui::MessageButtons::OkCancel,
                                 ui::MessageIcon::None),
              ui::kAnswerCancel);
    EXPECT_EQ(seen.title, "tester");
    EXPECT_EQ(seen.text, QString::fromUtf8("Wirklich neu anlegen ?\nGrüße"));
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen.buttons, 2);

    whenModalOpens([](QWidget* modal) { qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Ok)->click(); });
    EXPECT_EQ(toolkit.messageBox("LADEN ?", ui::MessageButtons::OkCancel, ui::MessageIcon::None), ui::kAnswerOk);

    whenModalOpens([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        seen = {box->windowTitle(), box->text(), box->icon(), static_cast<int>(box->buttons().size())};
        pressKey(box, Qt::Key_Escape);
    });
    EXPECT_EQ(toolkit.messageBox("Fehler beim laden !", ui::MessageButtons::Ok, ui::MessageIcon::Critical),
              ui::kAnswerOk);
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.buttons, 1);

    whenModalOpens([](QWidget* modal) { pressKey(modal, Qt::Key_Escape); });
    EXPECT_EQ(toolkit.messageBox("SPECIHERN ?", ui::MessageButtons::OkCancel, ui::MessageIcon::None),
              ui::kAnswerCancel);
}

TEST(MessageBoxText, LineBreaksBecomePlain)
{
    EXPECT_EQ(plainLineBreaks("a\r\nb\rc\nd\r\n"), "a\nb\nc\nd\n");
}

TEST(FileDialogPreset, SplitsFolderAndPattern)
{
    EXPECT_EQ(splitPreset("sprites\\*.spr").folder, "sprites");
    EXPECT_EQ(splitPreset("sprites\\*.spr").pattern, "*.spr");
    EXPECT_EQ(splitPreset("a/b\\c.spr").folder, "a\\b");
    EXPECT_EQ(splitPreset("*.spr").folder, "");
    EXPECT_EQ(splitPreset("*.spr").pattern, "*.spr");
}

QStringList listedFiles(QFileDialog* dialog)
{
    auto* model = dialog->findChild<QFileSystemModel*>();
    const QModelIndex folder = model->index(dialog->directory().absolutePath());
    QStringList names;
    for (int attempt = 0; attempt < 500 && names.size() < 2; ++attempt) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        names.clear();
        for (int row = 0; row < model->rowCount(folder); ++row)
            names << model->index(row, 0, folder).data().toString();
    }
    names.sort();
    return names;
}

TEST_F(ToolkitTest, OpenFileDialogListsThePresetFolderAndReturnsTheName)
{
    tervok::testing::TempDir folder;
    tervok::testing::writeFile("Sprites/laser.spr", "");
    tervok::testing::writeFile("Sprites/Rocket.SPR", "");
    tervok::testing::writeFile("Sprites/notes.txt", "");

    QString opened;
    QStringList listed;
    whenModalOpens([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        opened = dialog->directory().absolutePath();
        listed = listedFiles(dialog);
        // The user types the name into the dialog's file name field.
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText("laser.spr");
        static_cast<QDialog*>(dialog)->accept();  // as the Open button does
    });
    EXPECT_EQ(toolkit.openFileDialog("sprites\\*.spr"), "laser.spr");
    EXPECT_EQ(opened, toQtPath(std::filesystem::current_path() / "Sprites"));
    EXPECT_EQ(listed, (QStringList{"Rocket.SPR", "laser.spr"}));

    whenModalOpens([](QWidget* modal) { qobject_cast<QFileDialog*>(modal)->reject(); });
    EXPECT_EQ(toolkit.openFileDialog("sprites\\*.spr"), std::nullopt);
}

// The name comes back as the file system spells it, so that a name the
// game's files cannot hold is told apart from one holding "?".
TEST_F(ToolkitTest, OpenFileDialogReturnsTheNameAsTheFileSystemSpellsIt)
{
    tervok::testing::TempDir folder;
    const std::string cyrillic = "\xD0\xBA\xD0\xBE\xD1\x82.spr";
    tervok::testing::writeFile("sprites/" + cyrillic, "");
    whenModalOpens([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(QString::fromUtf8(cyrillic.c_str()));
        static_cast<QDialog*>(dialog)->accept();
    });
    EXPECT_EQ(toolkit.openFileDialog("sprites\\*.spr"), cyrillic);
}

// The feedback follows every change of a field or a check box; the accept
// button works only while the program finds the input acceptable.
TEST_F(ToolkitTest, ChoiceDialogAsksForFeedbackAsTheUserChoosesAndTypes)
{
    const ui::ChoiceDialog dialog{
        "Replace tile", {{"Find tile:", {"0", "1 grass"}, "1 grass"}, {"Put tile:", {"0", "1 grass"}, ""}},
        {{"Only in the selection", true}}, "Replace"};
    std::vector<ui::ChoiceInput> asked;
    const auto feedback = [&](const ui::ChoiceInput& input) {
        asked.push_back(input);
        return ui::ChoiceFeedback{"put: " + input.texts[1], input.texts[1] == "0"};
    };
    std::vector<std::string> seen;
    whenModalOpens([&](QWidget* modal) {
        auto* view = dynamic_cast<ChoiceDialogView*>(modal);
        ASSERT_NE(view, nullptr);
        seen.push_back(view->windowTitle().toStdString());
        seen.push_back(std::to_string(view->field(0)->count()) + " " + view->field(0)->currentText().toStdString());
        seen.push_back(view->acceptButton()->text().toStdString() + (view->acceptButton()->isEnabled() ? " on" : " off"));
        view->field(1)->setEditText("wall");
        seen.push_back(view->feedbackLabel()->text().toStdString());
        view->field(1)->setCurrentIndex(0);
        view->check(0)->setChecked(false);
        seen.push_back(view->feedbackLabel()->text().toStdString() +
                       (view->acceptButton()->isEnabled() ? " on" : " off"));
        view->acceptButton()->click();
    });
    const std::optional<ui::ChoiceInput> entered = toolkit.choiceDialog(dialog, feedback);
    EXPECT_EQ(seen, (std::vector<std::string>{"Replace tile", "2 1 grass", "Replace off", "put: wall", "put: 0 on"}));
    ASSERT_TRUE(entered);
    EXPECT_EQ(*entered, (ui::ChoiceInput{{"1 grass", "0"}, {false}}));
    EXPECT_EQ(asked.front(), (ui::ChoiceInput{{"1 grass", ""}, {true}}));

    whenModalOpens([](QWidget* modal) { dynamic_cast<QDialog*>(modal)->reject(); });
    EXPECT_FALSE(toolkit.choiceDialog(dialog, feedback));
}

// The text for every program, the same cells under the program's own type
// beside it; another program's text alone leaves the type empty.
TEST_F(ToolkitTest, ClipboardCarriesTextAndTheProgramsOwnType)
{
    toolkit.setClipboard("tervok-cells 1 1\n5\n", "application/x-tervok-cells", "tervok-cells 1 1\n5\n");
    EXPECT_EQ(toolkit.clipboardText(), "tervok-cells 1 1\n5\n");
    EXPECT_EQ(toolkit.clipboardData("application/x-tervok-cells"), "tervok-cells 1 1\n5\n");
    EXPECT_EQ(QGuiApplication::clipboard()->mimeData()->text(), "tervok-cells 1 1\n5\n");
    QGuiApplication::clipboard()->setText("hello");
    EXPECT_EQ(toolkit.clipboardText(), "hello");
    EXPECT_FALSE(toolkit.clipboardData("application/x-tervok-cells"));
}

TEST_F(ToolkitTest, PostedTasksRunAfterTheCurrentEventInOrder)
{
    std::vector<int> ran;
    toolkit.post([&] {
        ran.push_back(1);
        toolkit.post([&] { ran.push_back(3); });
    });
    toolkit.post([&] { ran.push_back(2); });
    EXPECT_TRUE(ran.empty());
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_EQ(ran, (std::vector<int>{1, 2, 3}));
}

TEST_F(ToolkitTest, QuitBeforeTheEventLoopStillEndsIt)
{
    toolkit.quit();
    QTimer::singleShot(10000, [] { QCoreApplication::exit(7); });  // a guard, never reached when quit works
    EXPECT_EQ(QApplication::exec(), 0);
}

}  // namespace
}  // namespace qtui::testing
