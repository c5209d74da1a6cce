#include "SetFile.h"

#include <windows.h>

#include <string>
#include <utility>

#include "FileBytes.h"
#include "SetFileText.h"
#include "SetList.h"

namespace {

// Far above any real set file; a larger file is read only in part and is
// never replaced, since it could not be kept as a backup.
const std::size_t SetFileLimit = 32 * 1024 * 1024;

// Backup names tried before giving up.
const int BackupNames = 1000;

SetFileFault FaultOf(DWORD code)
{
    switch (code) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return SetFileFault::DiskFull;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
        return SetFileFault::Denied;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return SetFileFault::InUse;
    case ERROR_BAD_DEVICE:
    case ERROR_DIRECTORY:
        return SetFileFault::NotAFile;
    case ERROR_FILE_TOO_LARGE:
        return SetFileFault::TooLarge;
    default:
        return SetFileFault::Other;
    }
}

int Fail(SetFileError* error, SetFileFault fault, DWORD code = 0)
{
    if (error) {
        error->fault = fault;
        error->code = code;
    }
    return 0;
}

// Keeps bytes beside path: in "<path>.bak", else the first of "<path>.1.bak",
// "<path>.2.bak", ... that is free or holds the same bytes already. A backup
// holding other bytes is never replaced.
int KeepBackup(const std::string& path, const std::string& bytes, SetFileError* error)
{
    for (int number = 0; number < BackupNames; ++number) {
        std::string backup = path + (number ? "." + std::to_string(number) : std::string()) + ".bak";
        if (backup.size() >= MAX_PATH)
            return Fail(error, SetFileFault::Other, ERROR_FILENAME_EXCED_RANGE);
        std::string held;
        switch (ReadFileBytes(backup.c_str(), held, SetFileLimit)) {
        case FileReadResult::Missing:
            if (WriteFileSafely(backup.c_str(), bytes, false))
                return 1;
            // Made by another meanwhile: the next name.
            if (GetLastError() != ERROR_ALREADY_EXISTS && GetLastError() != ERROR_FILE_EXISTS)
                return Fail(error, FaultOf(GetLastError()), GetLastError());
            break;
        case FileReadResult::Complete:
            if (held == bytes)
                return 1;
            break;
        default:
            break;
        }
    }
    return Fail(error, SetFileFault::NoBackupName);
}

// Reads the file at path into the stamp, noting what it is.
FileReadResult ReadStamped(const char* path, SetFileStamp& stamp)
{
    FileFacts facts;
    FileReadResult result = ReadFileBytes(path, stamp.bytes, SetFileLimit, &facts);
    stamp.present = result != FileReadResult::Missing;
    stamp.bytesKnown = result == FileReadResult::Partial || result == FileReadResult::Complete;
    stamp.written = facts.written;
    stamp.size = facts.size;
    return result;
}

SetFileFault ReadFault(FileReadResult result, DWORD code)
{
    if (result == FileReadResult::Partial)
        return code == ERROR_FILE_TOO_LARGE ? SetFileFault::TooLarge : SetFileFault::Unreadable;
    SetFileFault fault = FaultOf(code);
    return fault == SetFileFault::Other ? SetFileFault::Unreadable : fault;
}

}

int ReadSetFile(SetList& list, const char* path, int* complete, SetFileStamp* stamp)
{
    if (complete)
        *complete = 0;
    list.Clear();
    SetFileStamp read;
    FileReadResult result = ReadStamped(path, read);
    const std::string& bytes = read.bytes;
    bool opened = result == FileReadResult::Partial || result == FileReadResult::Complete;
    if (opened)
        ParseSetFile(bytes.data(), bytes.size(), list);
    if (complete)
        *complete = result == FileReadResult::Complete && FormatSetFile(list, StartsWithByteOrderMark(bytes)) == bytes;
    if (stamp)
        *stamp = std::move(read);
    return opened ? 1 : 0;
}

SetFileStamp StampSetFile(const char* path)
{
    SetFileStamp stamp;
    ReadStamped(path, stamp);
    return stamp;
}

bool SetFileChanged(const char* path, const SetFileStamp& stamp)
{
    SetFileStamp now = StampSetFile(path);
    if (now.present != stamp.present)
        return true;
    if (!now.present)
        return false;
    if (now.written != stamp.written || now.size != stamp.size)
        return true;
    return now.bytesKnown && stamp.bytesKnown && now.bytes != stamp.bytes;
}

int WriteSetFile(SetList& list, const char* path, SetFileError* error)
{
    list.CommitBeforeSave();
    // Through a link, its target is what gets replaced, and its backup and
    // the new file are made beside it.
    std::string target;
    if (!FinalPathOf(path, target))
        return Fail(error, SetFileFault::LinkTarget);
    std::string old;
    FileReadResult result = ReadFileBytes(target.c_str(), old, SetFileLimit);
    std::string bytes = FormatSetFile(list, result == FileReadResult::Complete && StartsWithByteOrderMark(old));
    switch (result) {
    case FileReadResult::Missing:
        break;
    case FileReadResult::Complete: {
        if (old == bytes)
            return 1;
        DWORD attributes = GetFileAttributesA(target.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
            return Fail(error, SetFileFault::ReadOnly);
        if (!IsCompleteSetFile(old) && !KeepBackup(target, old, error))
            return 0;
        break;
    }
    default: {
        // What cannot be read cannot be kept: leave it.
        DWORD code = GetLastError();
        DWORD attributes = GetFileAttributesA(target.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
            return Fail(error, SetFileFault::NotAFile);
        return Fail(error, ReadFault(result, code), code);
    }
    }
    if (!WriteFileSafely(target.c_str(), bytes))
        return Fail(error, FaultOf(GetLastError()), GetLastError());
    return 1;
}
