#pragma once
// Faults in the system calls behind reading a whole file and the safe save,
// which no file system of the test machine can be made to give on demand:
// an interrupted call (EINTR), a short transfer, a failing chmod, fsync,
// close, rename or open. The program that links this harness defines these
// calls itself, and a definition in the program comes before the C
// library's, so every call passes through here: on to the real call, unless
// a fault is armed for it.
#include <cstddef>
#include <initializer_list>
#include <vector>

namespace reliability {

enum class SystemCall { Read, Pwrite, Fchmod, Fsync, Close, Rename, Open };

struct CallFault {
    SystemCall call;
    int errnum = 0;           // the error a faulty call fails with; 0: it is only cut short
    int passing = 0;          // calls that pass before the first faulty one
    int faulty = 1;           // faulty calls in a row, then the rest pass
    std::size_t atMost = 0;   // read, pwrite: a faulty call moves at most this many bytes
    int openFlags = 0;        // open: only opens with all these flags count
    bool movesNothing = false;  // read, pwrite: a faulty call returns 0, leaving errno at errnum
};

// While alive, the calls run with the faults armed; each call counts for
// the first fault of its kind that still has calls to pass or to spoil.
class ArmedFaults {
public:
    ArmedFaults(std::initializer_list<CallFault> faults);
    ~ArmedFaults();
    ArmedFaults(const ArmedFaults&) = delete;
    ArmedFaults& operator=(const ArmedFaults&) = delete;

    // How many calls were spoiled, over all faults.
    int spoiled() const;
};

}  // namespace reliability
