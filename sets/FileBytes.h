#ifndef OMBREL_FILEBYTES_H
#define OMBREL_FILEBYTES_H

#include <cstddef>
#include <string>

enum class FileReadResult {
    Missing,      // no such file (or folder on its path)
    Unopenable,   // exists but cannot be opened for reading (a folder, locked, a device, ...)
    Partial,      // a read failed, or the file is larger than the limit
    Complete
};

// Reads the whole file into bytes (at most limit bytes; what was read stays
// in bytes on Partial).
FileReadResult ReadFileBytes(const char* path, std::string& bytes, std::size_t limit);

// Writes bytes to a new file beside path and moves it over path only once
// every byte was written and flushed. 1 on success; on failure (also when
// path names a device) 0, path untouched and no new file left behind.
int WriteFileSafely(const char* path, const std::string& bytes);

#endif
