#include "FileQueries.h"

#include "FolderIdentity.h"

#include "DosTime.h"
#include "EHandle.h"

namespace {

int HasAttribute(const char* path, DWORD attribute)
{
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & attribute) ? 1 : 0;
}

}

int FileExists(const char* path)
{
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES ? 1 : 0;
}

int IsDirectory(const char* path)
{
    return HasAttribute(path, FILE_ATTRIBUTE_DIRECTORY);
}

int IsDirectory(const std::wstring& path)
{
    DWORD attributes = GetFileAttributesW(NormalPath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

int IsReadOnlyFile(const char* path)
{
    return HasAttribute(path, FILE_ATTRIBUTE_READONLY);
}

int IsSystemFile(const char* path)
{
    return HasAttribute(path, FILE_ATTRIBUTE_SYSTEM);
}

int GetLastWriteTime(const char* path, FILETIME* time)
{
    WIN32_FIND_DATAA data;
    if (!ESearchHandle(FindFirstFileA(path, &data)).Valid())
        return 0;
    *time = data.ftLastWriteTime;
    return 1;
}

unsigned long long FileTimeTicks(const FILETIME& time)
{
    return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

int CompareDosTime(const FILETIME& a, const FILETIME& b)
{
    return CompareDosTicks(FileTimeTicks(a), FileTimeTicks(b));
}
