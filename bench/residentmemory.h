#pragma once

#include <cstdio>
#include <unistd.h>

/// The resident set size of this process now, in KiB, from /proc/self/statm; -1 if unreadable.
inline long residentKib()
{
    long pages = -1, resident = -1;
    if (std::FILE *statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = -1;
        std::fclose(statm);
    }
    return resident < 0 ? -1 : resident * (sysconf(_SC_PAGESIZE) / 1024);
}
