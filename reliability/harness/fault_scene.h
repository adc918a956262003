#pragma once
// The file faults an editor meets in the field, staged in a test's data
// folder around one file (the target of a command): a missing file or
// folder, a read-only file, a full disk, a refused write, a file removed or
// replaced while the editor runs, a folder in the file's place, the
// temporary file an interrupted save leaves beside its target, links, and
// files and folders the user may not write.
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace reliability {

enum class Fault {
    MissingFile,         // the target never existed; its folder does
    MissingFolder,       // the target's folder is removed after start-up
    ReadOnlyFile,        // the target has no write permission
    DiskFull,            // the target's folder is a small file system filled to the last byte
    WriteRefused,        // every write into a file fails (file size limit 0) during the command
    RemovedAfterStart,   // the target was there at start-up and is removed before the command
    ReplacedAfterStart,  // the target is replaced by another valid file before the command
    FolderInPlace,       // a folder stands where the target was
    StaleTempBeside,     // a temporary file of an interrupted save lies beside the target
    LinkedFile,          // the target is a symbolic link to the file, which lies in another folder
    DanglingLink,        // the target is a symbolic link to a file that does not exist
    HardLinked,          // the target has a second name (a hard link) beside it
    ForeignOwned,        // the target belongs to another user and may not be written; its folder may
    FolderNotWritable,   // the target may be written, its folder may not
};

std::string faultName(Fault fault);

// A tmpfs of 64 KiB mounted over a folder for the life of the object. It
// needs root and a kernel that lets this process mount; when either is
// missing, mounted() is false and reason() says why.
class SmallDisk {
public:
    static constexpr std::size_t kSize = 64 * 1024;

    explicit SmallDisk(std::filesystem::path folder);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    const std::string& reason() const { return reason_; }
    // Writes a filler file until no byte more fits.
    void fill();
    // Removes the filler again.
    void makeRoom();

private:
    std::filesystem::path folder_;
    bool mounted_ = false;
    std::string reason_;
};

// While alive, no write may add a byte to any regular file of this process:
// write() fails with EFBIG (SIGXFSZ is ignored meanwhile). Both the limit
// and the signal disposition are restored afterwards.
class WriteLimit {
public:
    WriteLimit();
    ~WriteLimit();
    WriteLimit(const WriteLimit&) = delete;
    WriteLimit& operator=(const WriteLimit&) = delete;

private:
    struct Saved;
    std::unique_ptr<Saved> saved_;
};

// The name an interrupted save of target leaves behind: the temporary file
// of the safe replacement (the temporary prefix and six characters).
std::filesystem::path staleTempPathFor(const std::filesystem::path& target);

// Stages one fault around a target path relative to the working directory.
// Construct it before the editor's data is written (a full disk needs its
// mount first), write the target, start the editor, then apply().
class FaultScene {
public:
    FaultScene(Fault fault, std::filesystem::path target);

    Fault fault() const { return fault_; }
    // False when the fault cannot be staged on this machine; reason() says why.
    bool ready() const { return reason().empty(); }
    std::string reason() const;

    // The file whose bytes a save changes: the target, or for a link the
    // file it names.
    std::filesystem::path savedFile() const;
    // Whether the command runs as an ordinary user in a child process (the
    // faults about who may write what, when the tests run as root).
    bool commandRunsAsOrdinaryUser() const;

    // Writes the target as it stands before the fault (nothing for a file
    // that never existed).
    void writeTarget(const std::string& bytes);
    // Applies the fault; replacement is the valid file a replaced target gets.
    void apply(const std::string& replacement);
    // What the target held when the fault was applied; nothing when absent.
    const std::optional<std::string>& targetBytes() const { return targetBytes_; }
    // Guards the command itself: holds the write limit for a refused write,
    // nothing for every other fault.
    std::unique_ptr<WriteLimit> duringCommand() const;
    // Undoes the fault so that the target's folder is usable again.
    void heal();

private:
    Fault fault_;
    std::filesystem::path target_;
    std::filesystem::path folder_;
    std::unique_ptr<SmallDisk> disk_;
    std::optional<std::string> targetBytes_;
};

}  // namespace reliability
