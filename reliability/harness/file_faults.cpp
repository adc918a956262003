#include "file_faults.h"

#include "snapshots.h"

#include <gtest/gtest.h>

#include <fstream>

namespace reliability {
namespace fs = std::filesystem;
namespace {

std::string readBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string permissionsOf(const std::string& treeEntry)
{
    return treeEntry.substr(0, treeEntry.find(' '));
}

// Data written, program started, document edited, fault applied.
void stage(EditorUnderTest& editor, FaultScene& scene, const DocumentFile& file)
{
    editor.writeSurroundings();
    scene.writeTarget(file.firstFile);
    editor.start();
    editor.edit();
    scene.apply(file.secondFile);
}

void run(const Command& command, const FaultScene& scene, headless::HeadlessToolkit& toolkit)
{
    toolkit.clearMessages();
    const std::unique_ptr<WriteLimit> guard = scene.duringCommand();
    command.click();
}

}  // namespace

const std::vector<FaultCase> kLoadFaults{
    {Fault::MissingFile, Outcome::Fails},
    {Fault::MissingFolder, Outcome::Fails},
    {Fault::ReadOnlyFile, Outcome::Succeeds},
    {Fault::DiskFull, Outcome::Succeeds},
    {Fault::RemovedAfterStart, Outcome::Fails},
    {Fault::ReplacedAfterStart, Outcome::Succeeds},
    {Fault::FolderInPlace, Outcome::Fails},
    {Fault::StaleTempBeside, Outcome::Succeeds},
};

const std::vector<FaultCase> kSaveFaults{
    {Fault::MissingFile, Outcome::Succeeds},
    {Fault::MissingFolder, Outcome::Fails},
    {Fault::ReadOnlyFile, Outcome::Fails},
    {Fault::DiskFull, Outcome::Fails},
    {Fault::WriteRefused, Outcome::Fails},
    {Fault::RemovedAfterStart, Outcome::Succeeds},
    {Fault::ReplacedAfterStart, Outcome::Succeeds},
    {Fault::FolderInPlace, Outcome::Fails},
    {Fault::StaleTempBeside, Outcome::Succeeds},
};

const std::vector<FaultCase> kStartUpFaults{
    {Fault::MissingFile, Outcome::Fails},
    {Fault::MissingFolder, Outcome::Fails},
    {Fault::ReadOnlyFile, Outcome::Succeeds},
    {Fault::DiskFull, Outcome::Succeeds},
    {Fault::FolderInPlace, Outcome::Fails},
    {Fault::StaleTempBeside, Outcome::Succeeds},
};

std::ostream& operator<<(std::ostream& out, const FaultCase& c)
{
    return out << caseName(c);
}

std::string caseName(const FaultCase& c)
{
    return faultName(c.fault) + (c.outcome == Outcome::Fails ? "_Fails" : "_Succeeds");
}

void expectFailureShown(const headless::HeadlessToolkit& toolkit, const std::string& text)
{
    ASSERT_FALSE(toolkit.messages().empty()) << "no failure message";
    const headless::MessageRecord& last = toolkit.messages().back();
    EXPECT_EQ(last.text, text);
    EXPECT_EQ(last.icon, ui::MessageIcon::Critical);
    EXPECT_EQ(last.buttons, ui::MessageButtons::Ok);
    EXPECT_EQ(last.title, toolkit.programName());
}

void expectNoFailureShown(const headless::HeadlessToolkit& toolkit, const std::string& successText)
{
    bool successShown = false;
    for (const headless::MessageRecord& message : toolkit.messages()) {
        EXPECT_NE(message.icon, ui::MessageIcon::Critical) << "failure shown: " << message.text;
        successShown = successShown || message.text == successText;
    }
    if (!successText.empty()) {
        EXPECT_TRUE(successShown) << "missing \"" << successText << "\"";
    }
}

void checkLoad(EditorUnderTest& editor, const DocumentFile& file, const FaultCase& c)
{
    FaultScene scene(c.fault, file.target);
    if (!scene.ready()) {
        GTEST_SKIP() << scene.reason();
    }
    stage(editor, scene, file);
    if (scene.targetBytes()) {
        ASSERT_NE(file.documentBytes(), *scene.targetBytes()) << "the edited document must differ from the file";
    }
    const std::vector<std::string> documentBefore = editor.document();
    const FolderTree treeBefore = snapshotTree(".");

    run(file.load, scene, editor.toolkit());

    if (c.outcome == Outcome::Fails) {
        expectFailureShown(editor.toolkit(), file.load.failureText);
        EXPECT_EQ(editor.document(), documentBefore);
    } else {
        expectNoFailureShown(editor.toolkit(), file.load.successText);
        ASSERT_TRUE(scene.targetBytes().has_value());
        EXPECT_EQ(file.documentBytes(), *scene.targetBytes());
    }
    EXPECT_EQ(snapshotTree("."), treeBefore) << "a load wrote to the disk";
    scene.heal();
    expectStillWorking(editor, file);
}

void checkSave(EditorUnderTest& editor, const DocumentFile& file, const FaultCase& c)
{
    FaultScene scene(c.fault, file.target);
    if (!scene.ready()) {
        GTEST_SKIP() << scene.reason();
    }
    stage(editor, scene, file);
    const std::string expected = file.documentBytes();
    if (scene.targetBytes()) {
        ASSERT_NE(expected, *scene.targetBytes()) << "the edited document must differ from the file";
    }
    const std::vector<std::string> documentBefore = editor.document();
    const FolderTree treeBefore = snapshotTree(".");

    run(file.save, scene, editor.toolkit());

    FolderTree treeAfter = snapshotTree(".");
    if (c.outcome == Outcome::Fails) {
        expectFailureShown(editor.toolkit(), file.save.failureText);
        EXPECT_EQ(editor.document(), documentBefore);
        EXPECT_EQ(treeAfter, treeBefore) << "a failed save changed the disk";
    } else {
        expectNoFailureShown(editor.toolkit(), file.save.successText);
        EXPECT_EQ(readBytes(file.target), expected);
        const std::string key = file.target.generic_string();
        if (treeBefore.count(key)) {
            EXPECT_EQ(permissionsOf(treeAfter[key]), permissionsOf(treeBefore.at(key)));
        }
        FolderTree rest = treeBefore;
        rest.erase(key);
        treeAfter.erase(key);
        EXPECT_EQ(treeAfter, rest) << "a save touched more than its file";
    }
    scene.heal();
    expectStillWorking(editor, file);
}

void checkStartUp(EditorUnderTest& editor, const StartUpCatalogue& catalogue, const DocumentFile& file,
                  const FaultCase& c)
{
    FaultScene scene(c.fault, catalogue.target);
    if (!scene.ready()) {
        GTEST_SKIP() << scene.reason();
    }
    editor.writeSurroundings();
    scene.writeTarget(catalogue.bytes);
    scene.apply(catalogue.bytes);
    const FolderTree treeBefore = snapshotTree(".");

    editor.start();

    EXPECT_TRUE(editor.toolkit().messages().empty()) << "start-up showed a message";
    EXPECT_EQ(catalogue.shownRows(),
              c.outcome == Outcome::Succeeds ? catalogue.rowsWhenRead : catalogue.rowsWhenUnread);
    EXPECT_EQ(snapshotTree("."), treeBefore) << "start-up wrote to the disk";
    scene.heal();
    expectStillWorking(editor, file);
}

void expectStillWorking(EditorUnderTest& editor, const DocumentFile& file)
{
    SCOPED_TRACE("a further save and load after the fault");
    headless::HeadlessToolkit& toolkit = editor.toolkit();
    editor.edit();
    const std::string saved = file.documentBytes();
    toolkit.clearMessages();
    file.save.click();
    expectNoFailureShown(toolkit, file.save.successText);
    EXPECT_EQ(readBytes(file.target), saved);

    editor.edit();
    ASSERT_NE(file.documentBytes(), saved);
    toolkit.clearMessages();
    file.load.click();
    expectNoFailureShown(toolkit, file.load.successText);
    EXPECT_EQ(file.documentBytes(), saved);
}

}  // namespace reliability
