#pragma once
// An editor's start as its main runs it, on the Qt back end (offscreen):
// the command line, then the game folder, then the window, which must show
// the catalogues of the game folder that was chosen. Each program's tests
// are a file of their own (the programs share header names).
#include "common/startup/editor_command_line.h"
#include "common/testing/temp_dir.h"
#include "toolkit/qt/qt_application.h"
#include "toolkit/qt/startup/qt_game_folder.h"
#include "toolkit/qt/startup/run_editor.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace editor_start {

namespace fs = std::filesystem;
using tervok::startup::FolderQuestion;
using tervok::startup::Start;

// A copy of the sample data in "<temp>/Tervok Game", started from the plain
// folder "<temp>/elsewhere", with the user's settings below "<temp>/config".
class EditorStart : public ::testing::Test {
protected:
    tervok::testing::TempDir dir;
    fs::path game = dir.path() / "Tervok Game";
    fs::path elsewhere = dir.path() / "elsewhere";
    int questions = 0;

    void SetUp() override
    {
        const char* sample = std::getenv("TERVOK_SAMPLE_DIR");
        ASSERT_NE(sample, nullptr);
        fs::copy(sample, game, fs::copy_options::recursive);
        fs::create_directories(elsewhere);
        fs::current_path(elsewhere);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString((dir.path() / "config").string()));
    }

    Start readArguments(const tervok::startup::ProgramInfo& program, std::vector<const char*> arguments)
    {
        arguments.insert(arguments.begin(), program.name.c_str());
        std::ostringstream out;
        std::ostringstream err;
        const Start start = tervok::startup::readEditorCommandLine(program, static_cast<int>(arguments.size()),
                                                                   arguments.data(), out, err);
        EXPECT_EQ(err.str(), "");
        return start;
    }

    FolderQuestion answer(std::optional<fs::path> folder)
    {
        return [this, folder](const fs::path&) {
            ++questions;
            return folder;
        };
    }
};

// What a run through an editor's main saw: its exit status and the text of
// every message box, each answered with OK.
struct MainRun {
    int status = -1;
    std::vector<std::string> boxes;
};

namespace detail {

inline MainRun*& currentRun()
{
    static MainRun* run = nullptr;
    return run;
}

inline std::function<void()>& lookAtWindow()
{
    static std::function<void()> look;
    return look;
}

// Called as each QApplication is made: during a run through main, answers
// every message box with OK, and once the editor's window is up with
// nothing modal over it, looks at the window and closes it, which ends the
// program.
inline void watchTheRun()
{
    if (!currentRun())
        return;
    auto* poll = new QTimer(QCoreApplication::instance());
    QObject::connect(poll, &QTimer::timeout, [poll] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            currentRun()->boxes.push_back(box->text().toStdString());
            box->button(QMessageBox::Ok)->click();
            return;
        }
        // The window that ends the program: closing terraloom's whole-map
        // window only hides it.
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && window->testAttribute(Qt::WA_QuitOnClose)) {
                poll->stop();
                lookAtWindow()();
                window->close();
                return;
            }
        }
    });
    poll->start(10);
}

}  // namespace detail

// Runs the editor as its main does (qtui::runEditor) with these arguments;
// look is called while its window is up, after the start.
template <class Program>
MainRun runAsMain(const tervok::startup::ProgramInfo& program, const std::vector<std::string>& arguments,
                  std::function<void()> look = [] {})
{
    static const bool watching = [] {
        qAddPreRoutine(detail::watchTheRun);
        return true;
    }();
    static_cast<void>(watching);
    std::vector<std::string> words{program.name};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    MainRun run;
    detail::currentRun() = &run;
    detail::lookAtWindow() = std::move(look);
    run.status = qtui::runEditor<Program>(static_cast<int>(words.size()), argv.data(), program);
    detail::currentRun() = nullptr;
    return run;
}

// The widget of that name in the shown window.
template <class Widget>
Widget* shownWidget(const char* name)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            if (auto* widget = window->findChild<Widget*>(QString::fromLatin1(name)))
                return widget;
    return nullptr;
}

// The text of the text field of that name (and index, in a control array)
// in the shown window.
inline std::string shownText(const char* name, int index = -1)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            for (QLineEdit* field : window->findChildren<QLineEdit*>(QString::fromLatin1(name)))
                if (field->property("controlIndex").toInt() == index)
                    return field->text().toStdString();
    return "(no field " + std::string(name) + ")";
}

// The list box of that name in the shown window.
inline QListView* shownList(const char* name)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            if (auto* list = window->findChild<QListView*>(QString::fromLatin1(name)))
                return list;
    return nullptr;
}

inline QStringList rowsOf(const QListView* list)
{
    QStringList rows;
    for (int i = 0; i < list->model()->rowCount(); ++i)
        rows << list->model()->index(i, 0).data().toString();
    return rows;
}

}  // namespace editor_start
