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

// What the file system says of a file besides its bytes.
struct FileFacts {
    unsigned long long written = 0;   // last write time, in 100 ns ticks
    unsigned long long size = 0;
};

// Reads the whole file into bytes (at most limit bytes; what was read stays
// in bytes on Partial), and its facts when asked and it is there. Unless
// Complete, GetLastError tells why (ERROR_BAD_DEVICE: not a file on a disk).
FileReadResult ReadFileBytes(const char* path, std::string& bytes, std::size_t limit, FileFacts* facts = nullptr);

// Writes bytes to a new file beside path and moves it over path only once
// every byte was written and flushed; without replace, a file already at
// path is never replaced. 1 on success; on failure (also when path names a
// device) 0, path untouched, no new file left behind, and GetLastError
// tells why.
int WriteFileSafely(const char* path, const std::string& bytes, bool replace = true);

// The file a path ends at once every symbolic link on the way is followed:
// 1 with final set to it (to path itself when nothing is there to follow);
// 0 when its name cannot be written in the code page (or is too long).
int FinalPathOf(const char* path, std::string& final);

#endif
