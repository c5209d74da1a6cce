#ifndef OMBREL_FILEQUERIES_H
#define OMBREL_FILEQUERIES_H

#include <windows.h>

#include <string>

// Queries never report: a failed query reads as no.
int FileExists(const char* path);
int IsDirectory(const char* path);
// A folder as a user types it, in any length.
int IsDirectory(const std::wstring& path);
int IsReadOnlyFile(const char* path);
int IsSystemFile(const char* path);
// The last-write time from a directory search on the path itself; on
// failure 0 and *time untouched.
int GetLastWriteTime(const char* path, FILETIME* time);
// -1, 0 or 1, at the two-second steps of MS-DOS time.
int CompareDosTime(const FILETIME& a, const FILETIME& b);
// The 64-bit count of 100-ns ticks of a FILETIME.
unsigned long long FileTimeTicks(const FILETIME& time);

#endif
