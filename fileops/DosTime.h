#ifndef OMBREL_DOSTIME_H
#define OMBREL_DOSTIME_H

#include <cstdint>

// Orders two file times (100-ns ticks since 1601) at the two-second steps of
// MS-DOS time: -1, 0 or 1. Inside the DOS range (1980 to 2107) this is what
// comparing the packed DOS dates and times gives; outside it the times are
// still ordered by their two-second step instead of by a failed conversion.
int CompareDosTicks(std::uint64_t a, std::uint64_t b);

#endif
