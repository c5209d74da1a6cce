#include "SetFile.h"

#include <windows.h>

#include <string>

#include "FileBytes.h"
#include "SetFileText.h"
#include "SetList.h"

namespace {

// Far above any real set file; a larger file is read only in part and is
// never replaced, since it could not be kept as a backup.
const std::size_t SetFileLimit = 32 * 1024 * 1024;

int KeepBackup(const char* path, const std::string& bytes)
{
    std::string backup = std::string(path) + ".bak";
    if (backup.size() >= MAX_PATH)
        return 0;
    return WriteFileSafely(backup.c_str(), bytes);
}

}

int ReadSetFile(SetList& list, const char* path, int* complete)
{
    if (complete)
        *complete = 0;
    list.Clear();
    std::string bytes;
    FileReadResult result = ReadFileBytes(path, bytes, SetFileLimit);
    if (result == FileReadResult::Missing || result == FileReadResult::Unopenable)
        return 0;
    ParseSetFile(bytes.data(), bytes.size(), list);
    if (complete)
        *complete = result == FileReadResult::Complete && FormatSetFile(list) == bytes;
    return 1;
}

int WriteSetFile(SetList& list, const char* path)
{
    list.CommitBeforeSave();
    std::string bytes = FormatSetFile(list);
    std::string old;
    switch (ReadFileBytes(path, old, SetFileLimit)) {
    case FileReadResult::Missing:
        break;
    case FileReadResult::Complete:
        if (old == bytes)
            return 1;
        if (!IsCompleteSetFile(old) && !KeepBackup(path, old))
            return 0;
        break;
    default:
        // What cannot be read cannot be kept: leave it.
        return 0;
    }
    return WriteFileSafely(path, bytes);
}
