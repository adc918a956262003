#include "reliability/harness/fault_scene.h"

#include "common/files/file_io.h"
#include "common/testing/other_user.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

namespace reliability {
namespace fs = std::filesystem;
namespace {

constexpr const char* kFillerName = "filler";

void writeBytes(const fs::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << "could not write " << path;
}

std::string readBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Where a linked target's file really lies: a folder of its own at the top
// of the data folder.
fs::path linkedPathFor(const fs::path& target)
{
    return fs::path("linked") / target.filename();
}

}  // namespace

std::string faultName(Fault fault)
{
    switch (fault) {
    case Fault::MissingFile: return "MissingFile";
    case Fault::MissingFolder: return "MissingFolder";
    case Fault::ReadOnlyFile: return "ReadOnlyFile";
    case Fault::DiskFull: return "DiskFull";
    case Fault::WriteRefused: return "WriteRefused";
    case Fault::RemovedAfterStart: return "RemovedAfterStart";
    case Fault::ReplacedAfterStart: return "ReplacedAfterStart";
    case Fault::FolderInPlace: return "FolderInPlace";
    case Fault::StaleTempBeside: return "StaleTempBeside";
    case Fault::LinkedFile: return "LinkedFile";
    case Fault::DanglingLink: return "DanglingLink";
    case Fault::HardLinked: return "HardLinked";
    case Fault::ForeignOwned: return "ForeignOwned";
    case Fault::FolderNotWritable: return "FolderNotWritable";
    }
    return "Unknown";
}

// --- SmallDisk ---------------------------------------------------------------

SmallDisk::SmallDisk(fs::path folder) : folder_(std::move(folder))
{
    fs::create_directories(folder_);
    if (::geteuid() != 0) {
        reason_ = "mounting a small tmpfs needs root";
        return;
    }
    const std::string options = "size=" + std::to_string(kSize) + ",mode=0755";
    if (::mount("tmpfs", folder_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) != 0) {
        reason_ = std::string("mount of a small tmpfs failed: ") + std::strerror(errno);
        return;
    }
    mounted_ = true;
}

SmallDisk::~SmallDisk()
{
    if (mounted_)
        ::umount2(folder_.c_str(), MNT_DETACH);
}

void SmallDisk::fill()
{
    const fs::path filler = folder_ / kFillerName;
    const int fd = ::open(filler.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0) << "cannot create " << filler;
    const std::string block(4096, 'f');
    std::size_t chunk = block.size();
    // Whole blocks first, then ever smaller pieces until not one byte fits.
    while (chunk > 0) {
        const ssize_t n = ::write(fd, block.data(), chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            chunk /= 2;
    }
    ::close(fd);
}

void SmallDisk::makeRoom()
{
    std::error_code ec;
    fs::remove(folder_ / kFillerName, ec);
}

// --- WriteLimit --------------------------------------------------------------

struct WriteLimit::Saved {
    struct rlimit limit {};
    struct sigaction action {};
};

WriteLimit::WriteLimit() : saved_(std::make_unique<Saved>())
{
    ::getrlimit(RLIMIT_FSIZE, &saved_->limit);
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGXFSZ, &ignore, &saved_->action);
    struct rlimit none = saved_->limit;
    none.rlim_cur = 0;
    ::setrlimit(RLIMIT_FSIZE, &none);
}

WriteLimit::~WriteLimit()
{
    ::setrlimit(RLIMIT_FSIZE, &saved_->limit);
    ::sigaction(SIGXFSZ, &saved_->action, nullptr);
}

// --- FaultScene --------------------------------------------------------------

fs::path staleTempPathFor(const fs::path& target)
{
    return target.parent_path() / (std::string(tervok::kTempFilePrefix) + "Xq7Lm2");
}

FaultScene::FaultScene(Fault fault, fs::path target)
    : fault_(fault), target_(std::move(target)), folder_(target_.parent_path())
{
    if (fault_ == Fault::DiskFull)
        disk_ = std::make_unique<SmallDisk>(folder_);
}

std::string FaultScene::reason() const
{
    if (disk_ && !disk_->mounted())
        return disk_->reason();
    if (fault_ == Fault::ForeignOwned && !tervok::testing::runningAsRoot())
        return "a file of another user needs root to make";
    return std::string();
}

fs::path FaultScene::savedFile() const
{
    return fault_ == Fault::LinkedFile ? linkedPathFor(target_) : target_;
}

bool FaultScene::commandRunsAsOrdinaryUser() const
{
    return (fault_ == Fault::ForeignOwned || fault_ == Fault::FolderNotWritable) &&
           tervok::testing::runningAsRoot();
}

void FaultScene::writeTarget(const std::string& bytes)
{
    if (!folder_.empty())
        fs::create_directories(folder_);
    if (fault_ != Fault::MissingFile)
        writeBytes(target_, bytes);
}

void FaultScene::apply(const std::string& replacement)
{
    switch (fault_) {
    case Fault::MissingFile:
        fs::remove(target_);
        break;
    case Fault::WriteRefused:
        break;
    case Fault::MissingFolder:
        fs::remove_all(folder_);
        break;
    case Fault::ReadOnlyFile:
        fs::permissions(target_, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
        break;
    case Fault::DiskFull:
        disk_->fill();
        break;
    case Fault::RemovedAfterStart:
        fs::remove(target_);
        break;
    case Fault::ReplacedAfterStart:
        writeBytes(target_, replacement);
        break;
    case Fault::FolderInPlace:
        fs::remove(target_);
        fs::create_directory(target_);
        writeBytes(target_ / "inside", "a file inside the folder");
        break;
    case Fault::StaleTempBeside:
        // Half of a file, as a save killed in the middle of its write leaves it.
        writeBytes(staleTempPathFor(target_), replacement.substr(0, replacement.size() / 2));
        break;
    case Fault::LinkedFile:
        fs::create_directories(linkedPathFor(target_).parent_path());
        fs::rename(target_, linkedPathFor(target_));
        fs::create_symlink(fs::relative(linkedPathFor(target_), folder_), target_);
        break;
    case Fault::DanglingLink:
        fs::remove(target_);
        fs::create_symlink("gone-" + target_.filename().string(), target_);
        break;
    case Fault::HardLinked:
        fs::create_hard_link(target_, folder_ / ("backup-" + target_.filename().string()));
        break;
    case Fault::ForeignOwned:
        // root's file, 0644, in a folder anybody may write.
        fs::permissions(folder_, fs::perms::all);
        fs::permissions(target_, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                                     fs::perms::others_read);
        break;
    case Fault::FolderNotWritable:
        tervok::testing::giveToOrdinaryUser(target_.string());
        fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                     fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
        break;
    }
    std::error_code ec;
    if (fs::is_regular_file(target_, ec))
        targetBytes_ = readBytes(target_);
}

std::unique_ptr<WriteLimit> FaultScene::duringCommand() const
{
    if (fault_ == Fault::WriteRefused)
        return std::make_unique<WriteLimit>();
    return nullptr;
}

void FaultScene::heal()
{
    std::error_code ec;
    switch (fault_) {
    case Fault::MissingFolder:
        fs::create_directories(folder_, ec);
        break;
    case Fault::ReadOnlyFile:
        fs::permissions(target_, fs::perms::owner_write, fs::perm_options::add, ec);
        break;
    case Fault::DiskFull:
        disk_->makeRoom();
        break;
    case Fault::FolderInPlace:
        fs::remove_all(target_, ec);
        break;
    case Fault::DanglingLink:
        fs::remove(target_, ec);
        break;
    case Fault::ForeignOwned:
    case Fault::FolderNotWritable:
        fs::permissions(folder_, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                     fs::perms::others_read | fs::perms::others_exec, ec);
        break;
    default:
        break;
    }
}

}  // namespace reliability
