#include "toolkit/ui/folder_watch.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

namespace tervok {
namespace {

constexpr std::uint32_t kNews = IN_MODIFY | IN_ATTRIB | IN_CLOSE_WRITE | IN_MOVED_FROM | IN_MOVED_TO | IN_CREATE |
                                IN_DELETE | IN_DELETE_SELF | IN_MOVE_SELF;

}  // namespace

FolderWatch::FolderWatch() : fd_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {}

FolderWatch::~FolderWatch()
{
    if (fd_ >= 0)
        ::close(fd_);
}

int FolderWatch::watch(const std::filesystem::path& folder)
{
    if (fd_ < 0)
        return -1;
    const std::filesystem::path target = folder.empty() ? std::filesystem::path(".") : folder;
    return ::inotify_add_watch(fd_, target.c_str(), kNews | IN_ONLYDIR);
}

void FolderWatch::collect(const std::function<void(int handle)>& changed)
{
    if (fd_ < 0)
        return;
    alignas(inotify_event) char buffer[4096];
    for (;;) {
        const ssize_t length = ::read(fd_, buffer, sizeof buffer);
        if (length <= 0) {
            if (length < 0 && errno == EINTR)
                continue;
            return;  // EAGAIN: no more news
        }
        for (ssize_t at = 0; at < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            changed(event->mask & IN_Q_OVERFLOW ? -1 : event->wd);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
}

}  // namespace tervok
