#include "common/startup/standard_output.h"

#include "common/errors/error.h"
#include "common/startup/exit_status.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <iostream>
#include <streambuf>
#include <string_view>
#include <utility>

namespace tervok::startup {

// A buffer over descriptor 1 that remembers why its first write failed and
// writes nothing after that.
class StandardOutput::Buffer : public std::streambuf {
public:
    Buffer() { setp(space_.data(), space_.data() + space_.size()); }

    int error() const { return error_; }

protected:
    int_type overflow(int_type c) override
    {
        if (!drain())
            return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }

    int sync() override { return drain() ? 0 : -1; }

    // Large blocks (a picture) go out directly rather than through the
    // buffer.
    std::streamsize xsputn(const char* data, std::streamsize size) override
    {
        if (size < static_cast<std::streamsize>(space_.size()))
            return std::streambuf::xsputn(data, size);
        if (!drain() || !writeAll(std::string_view(data, static_cast<std::size_t>(size))))
            return 0;
        return size;
    }

private:
    bool drain()
    {
        const std::string_view pending(pbase(), static_cast<std::size_t>(pptr() - pbase()));
        setp(space_.data(), space_.data() + space_.size());
        return writeAll(pending);
    }

    bool writeAll(std::string_view bytes)
    {
        while (error_ == 0 && !bytes.empty()) {
            const ssize_t n = ::write(STDOUT_FILENO, bytes.data(), bytes.size());
            if (n > 0)
                bytes.remove_prefix(static_cast<std::size_t>(n));
            else if (n < 0 && errno == EAGAIN)
                waitUntilWritable();
            else if (n < 0 && errno != EINTR)
                error_ = errno;
            else if (n == 0)
                error_ = EIO;
        }
        return error_ == 0;
    }

    // Standard output may have been left non-blocking by whoever shares it.
    static void waitUntilWritable()
    {
        pollfd out{STDOUT_FILENO, POLLOUT, 0};
        static_cast<void>(::poll(&out, 1, -1));
    }

    std::array<char, 16384> space_;
    int error_ = 0;
};

void occupyStandardDescriptors()
{
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        // The lower numbers are in use, so open gives this one.
        const int opened = ::open("/dev/null", fd == STDIN_FILENO ? O_WRONLY : O_RDONLY);
        if (opened >= 0 && opened != fd) {
            ::dup2(opened, fd);
            ::close(opened);
        }
    }
}

StandardOutput::StandardOutput(std::string program) : program_(std::move(program))
{
    occupyStandardDescriptors();
    buffer_ = std::make_unique<Buffer>();
    previous_ = std::cout.rdbuf(buffer_.get());
}

StandardOutput::~StandardOutput()
{
    if (previous_)
        std::cout.rdbuf(previous_);
}

int StandardOutput::finish(int status, std::ostream& err)
{
    if (!previous_)
        return status;
    std::cout.flush();
    std::cout.rdbuf(std::exchange(previous_, nullptr));
    int error = buffer_->error();
    if (::close(STDOUT_FILENO) != 0 && error == 0)
        error = errno;
    // Keeps the number taken while the program ends.
    occupyStandardDescriptors();
    if (error == 0)
        return status;
    err << program_ << ": write error: " << tervok::systemError(error).describe() << '\n' << std::flush;
    return status == 0 ? kExitFailed : status;
}

int StandardOutput::finish(int status)
{
    return finish(status, std::cerr);
}

}  // namespace tervok::startup
