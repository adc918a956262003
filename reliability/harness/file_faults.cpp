#include "reliability/harness/file_faults.h"

#include "common/errors/failure_report.h"
#include "common/testing/other_user.h"
#include "reliability/harness/snapshots.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

namespace reliability {
namespace fs = std::filesystem;
namespace {

std::string readBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The permission bits and the owner of a tree entry.
std::string permissionsOf(const std::string& treeEntry)
{
    return treeEntry.substr(0, treeEntry.find(' ', treeEntry.find(' ') + 1));
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

constexpr char kFieldEnd = '\x1f';
constexpr char kRecordEnd = '\x1e';

// What a command showed and wrote to standard error, as text that crosses
// from the child process that ran it as an ordinary user.
std::string encodeOutcome(const headless::HeadlessToolkit& toolkit, const std::vector<std::string>& reasons)
{
    std::string text;
    for (const headless::MessageRecord& m : toolkit.messages()) {
        text += m.title + kFieldEnd + m.text + kFieldEnd + std::to_string(static_cast<int>(m.buttons)) + kFieldEnd +
                std::to_string(static_cast<int>(m.icon)) + kRecordEnd;
    }
    text += kRecordEnd;
    for (const std::string& reason : reasons)
        text += reason + kRecordEnd;
    return text;
}

std::vector<std::string> split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(separator, start)) != std::string::npos; start = end + 1)
        parts.push_back(text.substr(start, end - start));
    return parts;
}

// Puts the child's messages into the parent's record; returns its reasons.
std::vector<std::string> decodeOutcome(const std::string& text, headless::HeadlessToolkit& toolkit)
{
    bool inReasons = false;
    std::vector<std::string> reasons;
    for (const std::string& record : split(text, kRecordEnd)) {
        if (record.empty() && !inReasons) {
            inReasons = true;
            continue;
        }
        if (inReasons) {
            reasons.push_back(record);
            continue;
        }
        const std::vector<std::string> fields = split(record + kFieldEnd, kFieldEnd);
        if (fields.size() == 4)
            toolkit.recordMessage({fields[0], fields[1], static_cast<ui::MessageButtons>(std::stoi(fields[2])),
                                   static_cast<ui::MessageIcon>(std::stoi(fields[3]))});
    }
    return reasons;
}

// The user's click, as the user the fault asks for; returns the reason
// lines the command wrote.
std::vector<std::string> run(const Command& command, const FaultScene& scene, headless::HeadlessToolkit& toolkit)
{
    toolkit.clearMessages();
    if (scene.commandRunsAsOrdinaryUser()) {
        const std::optional<std::string> outcome = tervok::testing::runAsOrdinaryUser([&] {
            tervok::FailureCapture reasons;
            command.click();
            return encodeOutcome(toolkit, reasons.lines());
        });
        EXPECT_TRUE(outcome) << "the command could not run as an ordinary user";
        return outcome ? decodeOutcome(*outcome, toolkit) : std::vector<std::string>{};
    }
    tervok::FailureCapture reasons;
    const std::unique_ptr<WriteLimit> guard = scene.duringCommand();
    command.click();
    return reasons.lines();
}

}  // namespace

const std::vector<FaultCase> kLoadFaults{
    {Fault::MissingFile, Outcome::Fails, "no such file"},
    {Fault::MissingFolder, Outcome::Fails, "no such file"},
    {Fault::ReadOnlyFile, Outcome::Succeeds},
    {Fault::DiskFull, Outcome::Succeeds},
    {Fault::RemovedAfterStart, Outcome::Fails, "no such file"},
    {Fault::ReplacedAfterStart, Outcome::Succeeds},
    {Fault::FolderInPlace, Outcome::Fails, "not a regular file"},
    {Fault::StaleTempBeside, Outcome::Succeeds},
    {Fault::LinkedFile, Outcome::Succeeds},
    {Fault::DanglingLink, Outcome::Fails, "broken symbolic link"},
};

const std::vector<FaultCase> kSaveFaults{
    {Fault::MissingFile, Outcome::Succeeds},
    {Fault::MissingFolder, Outcome::Fails, "no such folder"},
    {Fault::ReadOnlyFile, Outcome::Fails, "the file is read-only"},
    {Fault::DiskFull, Outcome::Fails, "write failed: no space left on device"},
    {Fault::WriteRefused, Outcome::Fails, "file too large"},
    {Fault::RemovedAfterStart, Outcome::Succeeds},
    {Fault::ReplacedAfterStart, Outcome::Succeeds},
    {Fault::FolderInPlace, Outcome::Fails, "not a regular file"},
    {Fault::StaleTempBeside, Outcome::Succeeds},
    {Fault::LinkedFile, Outcome::Succeeds},
    {Fault::DanglingLink, Outcome::Fails, "broken symbolic link"},
    {Fault::HardLinked, Outcome::Succeeds},
    {Fault::ForeignOwned, Outcome::Fails, "permission denied"},
    {Fault::FolderNotWritable, Outcome::Succeeds},
};

const std::vector<FaultCase> kStartUpFaults{
    {Fault::MissingFile, Outcome::Fails, "no such file"},
    {Fault::MissingFolder, Outcome::Fails, "no such file"},
    {Fault::ReadOnlyFile, Outcome::Succeeds},
    {Fault::DiskFull, Outcome::Succeeds},
    {Fault::FolderInPlace, Outcome::Fails, "not a regular file"},
    {Fault::StaleTempBeside, Outcome::Succeeds},
    {Fault::LinkedFile, Outcome::Succeeds},
    {Fault::DanglingLink, Outcome::Fails, "broken symbolic link"},
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

void expectReason(const headless::HeadlessToolkit& toolkit, const std::vector<std::string>& lines,
                  const FaultCase& c)
{
    if (c.outcome == Outcome::Succeeds) {
        EXPECT_TRUE(lines.empty()) << "a reason for a success: " << lines.front();
        return;
    }
    ASSERT_EQ(lines.size(), 1u) << "one reason line on standard error";
    const std::string& line = lines.front();
    const std::string start = toolkit.programName() + ": ";
    const std::string end = ": " + c.reason;
    EXPECT_EQ(line.compare(0, start.size(), start), 0) << line;
    EXPECT_TRUE(line.size() >= end.size() && line.compare(line.size() - end.size(), end.size(), end) == 0)
        << line << "\n  does not end in \"" << end << "\"";
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

    const std::vector<std::string> reasons = run(file.load, scene, editor.toolkit());

    expectReason(editor.toolkit(), reasons, c);
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

    const std::vector<std::string> reasons = run(file.save, scene, editor.toolkit());

    FolderTree treeAfter = snapshotTree(".");
    expectReason(editor.toolkit(), reasons, c);
    if (c.outcome == Outcome::Fails) {
        expectFailureShown(editor.toolkit(), file.save.failureText);
        EXPECT_EQ(editor.document(), documentBefore);
        EXPECT_EQ(treeAfter, treeBefore) << "a failed save changed the disk";
    } else {
        expectNoFailureShown(editor.toolkit(), file.save.successText);
        EXPECT_EQ(readBytes(file.target), expected);
        // Only the saved file changed: a link stays the same link, the other
        // name of a hard link keeps its bytes.
        const std::string key = scene.savedFile().generic_string();
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

    tervok::FailureCapture reasons;
    editor.start();

    EXPECT_TRUE(editor.toolkit().messages().empty()) << "start-up showed a message";
    // The reason of an unread catalogue goes to standard error all the same.
    std::string gamePath = catalogue.target.generic_string();
    std::replace(gamePath.begin(), gamePath.end(), '/', '\\');
    std::vector<std::string> catalogueReasons;
    for (const std::string& line : reasons.lines())
        if (line.find(": " + gamePath + ": cannot read: ") != std::string::npos)
            catalogueReasons.push_back(line);
    expectReason(editor.toolkit(), catalogueReasons, c);
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
