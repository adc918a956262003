#pragma once
// Standard output as every program of the suite treats it, the way GNU
// programs do: output that could not be written is a failure, reported as
// one line "PROGRAM: write error: WHY" on standard error with exit status 1.
//
//     int main(int argc, char** argv)
//     {
//         tervok::startup::StandardOutput output("tervok-check");
//         return output.finish(run(argc, argv, std::cout, std::cerr));
//     }
//
// The object is made first thing in main. It puts a closed descriptor 0, 1
// or 2 back in use (on /dev/null, opened the wrong way round so that it
// still cannot be used), so that no file the program opens later takes the
// number of standard output and receives what is written there. It then
// takes over std::cout's buffer, which keeps the system's reason for the
// first write that failed: the C library's own buffer forgets it.
#include <iosfwd>
#include <memory>
#include <string>

namespace tervok::startup {

// Opens each of the descriptors 0, 1 and 2 that is closed on /dev/null:
// standard input for writing only, standard output and error for reading
// only. A program that uses one of them still fails as it would on a closed
// descriptor ("bad file descriptor"), but a file opened afterwards gets a
// number above 2.
void occupyStandardDescriptors();

class StandardOutput {
public:
    explicit StandardOutput(std::string program);
    ~StandardOutput();
    StandardOutput(const StandardOutput&) = delete;
    StandardOutput& operator=(const StandardOutput&) = delete;

    // Flushes std::cout and closes standard output (a file system may
    // report a failed write only then). Returns status when everything was
    // written; otherwise writes the reason to err and returns 1 for a status
    // of 0 (a status that already says failure stays as it is).
    int finish(int status, std::ostream& err);
    int finish(int status);

private:
    class Buffer;
    std::string program_;
    std::unique_ptr<Buffer> buffer_;
    std::streambuf* previous_ = nullptr;
};

}  // namespace tervok::startup
