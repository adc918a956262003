// What StandardOutput does to the descriptors of the process, in a child
// process so that the test's own stay as they are. The programs' reports of
// a full or closed standard output are tested on the installed programs
// (desktop/tests/install_test.sh).
#include "common/startup/standard_output.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <functional>
#include <iostream>
#include <sstream>

namespace tervok::startup {
namespace {

// The exit status of a child process that runs body: 0 when it returns true.
int inChild(const std::function<bool()>& body)
{
    std::cout.flush();
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(body() ? 0 : 1);
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// With 0, 1 and 2 closed, a file opened later gets a number above them, so
// nothing meant for standard output lands in it; standard input and output
// still fail as closed ones do, and what was written is reported as lost.
TEST(StandardOutput, ClosedStandardDescriptorsAreTakenYetStayUnusable)
{
    EXPECT_EQ(inChild([] {
                  ::close(STDIN_FILENO);
                  ::close(STDOUT_FILENO);
                  ::close(STDERR_FILENO);
                  StandardOutput output("prog");
                  char byte = 'x';
                  const bool unusable = ::write(STDOUT_FILENO, &byte, 1) == -1 && errno == EBADF &&
                                        ::read(STDIN_FILENO, &byte, 1) == -1 && errno == EBADF;
                  const bool above = ::open("/dev/null", O_RDWR) > STDERR_FILENO;
                  std::cout << "lost";
                  std::ostringstream err;
                  return unusable && above && output.finish(0, err) == 1 &&
                         err.str() == "prog: write error: bad file descriptor\n";
              }),
              0);
}

}  // namespace
}  // namespace tervok::startup
