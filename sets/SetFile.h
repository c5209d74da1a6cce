#ifndef OMBREL_SETFILE_H
#define OMBREL_SETFILE_H

#include <string>

class SetList;

// The set file as it was read or last written, to tell later whether
// another program changed it: whether it was there, its time, size and
// bytes.
struct SetFileStamp {
    bool present = false;
    bool bytesKnown = false;
    unsigned long long written = 0;
    unsigned long long size = 0;
    std::string bytes;
};

// Why a set file was not written.
enum class SetFileFault {
    None,
    DiskFull,       // no room left on its disk
    ReadOnly,       // the file has the read-only mark
    Denied,         // a read-only disk or folder, or no permission
    InUse,          // another program holds the file
    TooLarge,       // over 32 MB: it cannot be kept as a backup
    Unreadable,     // it could not be read, so it cannot be kept
    NotAFile,       // a device or a folder, not a file on a disk
    NoBackupName,   // every backup name holds other bytes already
    LinkTarget,     // a link to a name this program cannot write
    Other           // the system's error code tells
};

struct SetFileError {
    SetFileFault fault = SetFileFault::None;
    unsigned long code = 0;   // the system's error code, when there was one
};

// Reads the set file at path into the list (emptied first). 1 when the file
// was opened, 0 when not (the list stays empty). *complete, when given,
// tells whether the whole file was read and rewriting it would give the same
// bytes; *stamp, when given, what the file was.
int ReadSetFile(SetList& list, const char* path, int* complete = nullptr, SetFileStamp* stamp = nullptr);

// What the file at path is now.
SetFileStamp StampSetFile(const char* path);
// True when the file at path is no longer what the stamp says: gone, there
// since, or another time, size or bytes. Bytes that cannot be read (now or
// then) are not compared.
bool SetFileChanged(const char* path, const SetFileStamp& stamp);

// Commits the fields (unless the list is empty), then writes the list
// to path. Through a symbolic link, the link's target is written. The old
// file is replaced only once the new one is fully written beside it; a
// read-only file is never replaced; a file that would not read back in full
// is first kept as "<path>.bak", or "<path>.1.bak", ... when that name holds
// other bytes; unchanged bytes leave the file untouched, and a byte-order
// mark at its start stays. 1 on success, 0 with the old file untouched and
// *error, when given, telling why.
int WriteSetFile(SetList& list, const char* path, SetFileError* error = nullptr);

#endif
