#pragma once
// Processor time of the calling thread: the machine may be busy with other work, and the
// handlers measured all run on the one user-interface thread.

#include <ctime>

inline double ThreadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}
