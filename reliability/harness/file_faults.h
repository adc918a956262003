#pragma once
// Runs one file command of an editor against one staged fault and checks
// the promise every editor makes: a failed load leaves the document as it
// was, a failed save leaves the disk as it was, a failure is shown with the
// program's message, and the program keeps working afterwards.
#include "reliability/harness/fault_scene.h"
#include "toolkit/headless/headless_toolkit.h"

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace reliability {

// An editor on the headless toolkit, started in the working directory.
class EditorUnderTest {
public:
    virtual ~EditorUnderTest() = default;
    virtual headless::HeadlessToolkit& toolkit() = 0;
    // Writes the data the editor reads besides its document (catalogues).
    virtual void writeSurroundings() = 0;
    // Starts the program: builds and shows its window.
    virtual void start() = 0;
    // Changes the document as a user would; each call gives a document that
    // no earlier call gave.
    virtual void edit() = 0;
    // Every field, row and cell of the document, and whatever else the
    // window shows.
    virtual std::vector<std::string> document() = 0;
};

struct Command {
    std::function<void()> click;  // the user's click; questions are answered OK
    std::string failureText;      // the message a failure shows
    std::string successText;      // the message a success shows; empty for none
};

// One kind of document file and the two commands that move it.
struct DocumentFile {
    std::filesystem::path target;  // relative to the data folder
    std::string firstFile;         // a valid file, different from any document edit() makes
    std::string secondFile;        // another one, what a replaced target holds
    // The bytes a save would write for the document as it stands.
    std::function<std::string()> documentBytes;
    Command load;
    Command save;
};

enum class Outcome { Fails, Succeeds };

struct FaultCase {
    Fault fault;
    Outcome outcome;
    // How the reason on standard error ends for a failure ("no such file").
    std::string reason = std::string();
};

std::ostream& operator<<(std::ostream& out, const FaultCase& c);
std::string caseName(const FaultCase& c);

// The same promise holds for every editor, so one table serves them all.
extern const std::vector<FaultCase> kLoadFaults;
extern const std::vector<FaultCase> kSaveFaults;
// A catalogue read at start-up: a failure leaves its list without entries
// and shows nothing.
extern const std::vector<FaultCase> kStartUpFaults;

void checkLoad(EditorUnderTest& editor, const DocumentFile& file, const FaultCase& c);
void checkSave(EditorUnderTest& editor, const DocumentFile& file, const FaultCase& c);

// A catalogue read when the window starts. The expected rows are those of
// the list for the readable catalogue and for none at all.
struct StartUpCatalogue {
    std::filesystem::path target;
    std::string bytes;
    std::function<std::vector<std::string>()> shownRows;
    std::vector<std::string> rowsWhenRead;
    std::vector<std::string> rowsWhenUnread;
};

void checkStartUp(EditorUnderTest& editor, const StartUpCatalogue& catalogue, const DocumentFile& file,
                  const FaultCase& c);

// Edits, saves and loads the document file once more after the fault was
// undone; both must succeed.
void expectStillWorking(EditorUnderTest& editor, const DocumentFile& file);

// The last message is the failure, critical, with OK, titled with the
// program's name.
void expectFailureShown(const headless::HeadlessToolkit& toolkit, const std::string& text);
// No message is critical, and the success message (if any) was shown.
void expectNoFailureShown(const headless::HeadlessToolkit& toolkit, const std::string& successText);

// The reason lines a command wrote: for a failure one line
// "program: path: what failed: reason", for a success none.
void expectReason(const headless::HeadlessToolkit& toolkit, const std::vector<std::string>& lines,
                  const FaultCase& c);

}  // namespace reliability
