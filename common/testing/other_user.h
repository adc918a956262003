#pragma once
// Runs a piece of a test as an ordinary user, for the cases where what a
// root process may do differs from what a user may: a test running as root
// forks a child that drops to "nobody" and hands back what it found.
#include <grp.h>
#include <pwd.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <optional>
#include <string>

namespace tervok::testing {

struct OtherUser {
    uid_t uid = 0;
    gid_t gid = 0;
    std::optional<gid_t> alsoIn;  // a second group the user belongs to
};

inline bool runningAsRoot()
{
    return ::geteuid() == 0;
}

// The unprivileged account of this system, or nothing when the tests do
// not run as root (and so cannot give files away or become another user).
inline std::optional<OtherUser> unprivilegedUser()
{
    if (!runningAsRoot())
        return std::nullopt;
    if (const passwd* entry = ::getpwnam("nobody"))
        return OtherUser{entry->pw_uid, entry->pw_gid, std::nullopt};
    return OtherUser{65534, 65534, std::nullopt};
}

// Runs body in a child process, as user when one is given, and returns the
// text it produced; nothing when the child could not become that user or
// died. The child keeps whatever it changes of its process (limits,
// signals) to itself.
inline std::optional<std::string> runInChild(const std::optional<OtherUser>& user,
                                             const std::function<std::string()>& body)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return std::nullopt;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        const gid_t* groups = user && user->alsoIn ? &*user->alsoIn : nullptr;
        if (user && (::setgroups(groups ? 1 : 0, groups) != 0 || ::setgid(user->gid) != 0 || ::setuid(user->uid) != 0))
            ::_exit(2);
        const std::string result = body();
        std::size_t written = 0;
        while (written < result.size()) {
            const ssize_t n = ::write(channel[1], result.data() + written, result.size() - written);
            if (n <= 0)
                ::_exit(3);
            written += static_cast<std::size_t>(n);
        }
        ::_exit(0);
    }
    ::close(channel[1]);
    std::string result;
    char buffer[4096];
    ssize_t n = 0;
    while (child > 0 && (n = ::read(channel[0], buffer, sizeof buffer)) > 0)
        result.append(buffer, static_cast<std::size_t>(n));
    ::close(channel[0]);
    int status = 0;
    if (child <= 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return result;
}

// Runs body as an ordinary user: as "nobody" when the tests run as root,
// else as the user running them; either way in a child process.
inline std::optional<std::string> runAsOrdinaryUser(const std::function<std::string()>& body)
{
    return runInChild(unprivilegedUser(), body);
}

// Gives a file to the ordinary user of runAsOrdinaryUser (a no-op when the
// tests do not run as root: the file is that user's already).
inline void giveToOrdinaryUser(const std::string& path)
{
    if (const std::optional<OtherUser> user = unprivilegedUser())
        static_cast<void>(::chown(path.c_str(), user->uid, user->gid));
}

}  // namespace tervok::testing
