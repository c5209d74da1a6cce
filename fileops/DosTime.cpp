#include "DosTime.h"

int CompareDosTicks(std::uint64_t a, std::uint64_t b)
{
    // 1601-01-01 lies a whole number of days before 1980-01-01, so DOS's
    // even seconds are exactly the multiples of two seconds counted here.
    const std::uint64_t step = 20000000;
    std::uint64_t stepA = a / step;
    std::uint64_t stepB = b / step;
    return stepA < stepB ? -1 : (stepA > stepB ? 1 : 0);
}
