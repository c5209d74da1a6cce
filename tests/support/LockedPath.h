#ifndef OMBREL_LOCKEDPATH_H
#define OMBREL_LOCKEDPATH_H

#include <windows.h>

#include <string>

// A file or folder held open without sharing, as another program can hold
// it: every other open of it (reading, listing, deleting) then fails with a
// sharing violation. Root reads everything, so this is how tests make a
// file or folder that cannot be read.
class LockedPath {
public:
    explicit LockedPath(const std::string& path)
        : handle(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
                             nullptr))
    {
    }
    ~LockedPath()
    {
        if (handle != INVALID_HANDLE_VALUE)
            CloseHandle(handle);
    }
    LockedPath(const LockedPath&) = delete;
    LockedPath& operator=(const LockedPath&) = delete;
    bool Held() const { return handle != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle;
};

#endif
