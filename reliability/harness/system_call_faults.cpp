#include "reliability/harness/system_call_faults.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace reliability {
namespace {

struct Armed {
    CallFault fault;
    int seen = 0;  // calls of its kind counted so far
};

std::vector<Armed>* armed = nullptr;
int spoiledCalls = 0;

// The fault this call counts for, or null: the call passes. A faulty call
// returns the fault, with what it may still do.
const CallFault* faultFor(SystemCall call, int openFlags = 0)
{
    if (!armed)
        return nullptr;
    for (Armed& one : *armed) {
        const CallFault& fault = one.fault;
        if (fault.call != call || (fault.openFlags & openFlags) != fault.openFlags ||
            one.seen >= fault.passing + fault.faulty)
            continue;
        if (one.seen++ < fault.passing)
            return nullptr;
        ++spoiledCalls;
        return &fault;
    }
    return nullptr;
}

template <typename Function>
Function real(const char* name)
{
    void* found = ::dlsym(RTLD_NEXT, name);
    if (!found) {
        std::fprintf(stderr, "system_call_faults: no %s in the C library\n", name);
        std::abort();
    }
    return reinterpret_cast<Function>(found);
}

int failWith(int errnum)
{
    errno = errnum;
    return -1;
}

}  // namespace

ArmedFaults::ArmedFaults(std::initializer_list<CallFault> faults)
{
    spoiledCalls = 0;
    auto* list = new std::vector<Armed>;
    for (const CallFault& fault : faults)
        list->push_back({fault});
    armed = list;
}

ArmedFaults::~ArmedFaults()
{
    delete armed;
    armed = nullptr;
}

int ArmedFaults::spoiled() const
{
    return spoiledCalls;
}

}  // namespace reliability

using reliability::SystemCall;

extern "C" {

ssize_t read(int fd, void* buffer, size_t count)
{
    static const auto call = reliability::real<ssize_t (*)(int, void*, size_t)>("read");
    if (const reliability::CallFault* fault = reliability::faultFor(SystemCall::Read)) {
        if (fault->errnum)
            return reliability::failWith(fault->errnum);
        count = count < fault->atMost ? count : fault->atMost;
    }
    return call(fd, buffer, count);
}

ssize_t pwrite(int fd, const void* buffer, size_t count, off_t offset)
{
    static const auto call = reliability::real<ssize_t (*)(int, const void*, size_t, off_t)>("pwrite");
    if (const reliability::CallFault* fault = reliability::faultFor(SystemCall::Pwrite)) {
        if (fault->movesNothing) {
            errno = fault->errnum;
            return 0;
        }
        if (fault->errnum)
            return reliability::failWith(fault->errnum);
        count = count < fault->atMost ? count : fault->atMost;
    }
    return call(fd, buffer, count, offset);
}

int fchmod(int fd, mode_t mode)
{
    static const auto call = reliability::real<int (*)(int, mode_t)>("fchmod");
    if (const reliability::CallFault* fault = reliability::faultFor(SystemCall::Fchmod))
        return reliability::failWith(fault->errnum);
    return call(fd, mode);
}

int fsync(int fd)
{
    static const auto call = reliability::real<int (*)(int)>("fsync");
    if (const reliability::CallFault* fault = reliability::faultFor(SystemCall::Fsync))
        return reliability::failWith(fault->errnum);
    return call(fd);
}

// A failing close still releases the descriptor, as the kernel does.
int close(int fd)
{
    static const auto call = reliability::real<int (*)(int)>("close");
    const reliability::CallFault* fault = reliability::faultFor(SystemCall::Close);
    const int closed = call(fd);
    return fault ? reliability::failWith(fault->errnum) : closed;
}

int rename(const char* from, const char* to)
{
    static const auto call = reliability::real<int (*)(const char*, const char*)>("rename");
    if (const reliability::CallFault* fault = reliability::faultFor(SystemCall::Rename))
        return reliability::failWith(fault->errnum);
    return call(from, to);
}

int open(const char* path, int flags, ...)
{
    static const auto call = reliability::real<int (*)(const char*, int, ...)>("open");
    mode_t mode = 0;
    if ((flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE) {
        va_list arguments;
        va_start(arguments, flags);
        mode = static_cast<mode_t>(va_arg(arguments, int));
        va_end(arguments);
    }
    if (const reliability::CallFault* fault = reliability::faultFor(SystemCall::Open, flags))
        return reliability::failWith(fault->errnum);
    return call(path, flags, mode);
}

}  // extern "C"
