// Writes the worst-case data folder for the benchmarks into the folder named
// on the command line.
#include "bench/worst_case_data.h"

#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: make_worst_case <folder>\n";
        return 2;
    }
    if (!bench::writeWorstCaseData(argv[1])) {
        std::cerr << "make_worst_case: could not write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
