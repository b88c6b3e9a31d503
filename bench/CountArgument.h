#pragma once
// "--count=N" for the benchmarks that generate their pictures: taken out of the
// arguments before the benchmark library sees them.
#include <algorithm>
#include <cstdlib>
#include <cstring>

inline void takeCountArgument(int& argc, char** argv, int& count)
{
    int kept = 0;
    for (int i = 0; i < argc; ++i) {
        if (std::strncmp(argv[i], "--count=", 8) == 0)
            count = std::max(1, std::atoi(argv[i] + 8));
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
}
