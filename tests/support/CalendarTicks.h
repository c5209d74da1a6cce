#ifndef OMBREL_CALENDARTICKS_H
#define OMBREL_CALENDARTICKS_H

// File times for tests, computed without the system, so that tests of the
// time comparison also build natively.

// 100-ns ticks since 1601-01-01 of a UTC calendar time (proleptic Gregorian).
unsigned long long TicksOf(int year, int month, int day, int hour = 12, int minute = 0, int second = 0);
const unsigned long long TicksPerSecond = 10000000ULL;

#endif
