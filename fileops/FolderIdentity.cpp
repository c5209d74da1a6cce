#include "FolderIdentity.h"

#include "PathText.h"

#include <windows.h>

#include <cstring>

namespace {

// The full path without a trailing separator; empty when it cannot be made.
void FullPath(const char* path, char* full)
{
    DWORD length = GetFullPathNameA(path, EPathSize, full, nullptr);
    if (length == 0 || length >= EPathSize) {
        full[0] = '\0';
        return;
    }
    // D:\a\ is D:\a; D:\ keeps its separator.
    std::size_t n = std::strlen(full);
    if (n > 3 && BaseName(full)[0] == '\0')
        full[n - 1] = '\0';
}

bool SameText(const char* a, const char* b)
{
    return CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, a, -1, b, -1) == CSTR_EQUAL;
}

}

int ReadFolderId(const char* path, FolderId* id, bool linkItself)
{
    DWORD flags = FILE_FLAG_BACKUP_SEMANTICS | (linkItself ? FILE_FLAG_OPEN_REPARSE_POINT : 0);
    HANDLE handle = CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, flags, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return 0;
    BY_HANDLE_FILE_INFORMATION info;
    BOOL ok = GetFileInformationByHandle(handle, &info);
    CloseHandle(handle);
    if (!ok)
        return 0;
    id->volume = info.dwVolumeSerialNumber;
    id->indexHigh = info.nFileIndexHigh;
    id->indexLow = info.nFileIndexLow;
    return 1;
}

bool operator==(const FolderId& a, const FolderId& b)
{
    return a.volume == b.volume && a.indexHigh == b.indexHigh && a.indexLow == b.indexLow;
}

int IsSameOrInside(const char* inner, const char* outer)
{
    char outerFull[EPathSize];
    char walk[EPathSize];
    FullPath(outer, outerFull);
    FullPath(inner, walk);
    if (!outerFull[0] || !walk[0])
        return 0;
    FolderId outerId;
    bool haveId = ReadFolderId(outer, &outerId) != 0;
    do {
        if (SameText(walk, outerFull))
            return 1;
        FolderId id;
        if (haveId && ReadFolderId(walk, &id) && id == outerId)
            return 1;
    } while (CutLastComponent(walk));
    return 0;
}

int CanRemoveLinkItself(const char* path)
{
    FolderId link;
    FolderId target;
    if (!ReadFolderId(path, &link, true))
        return 0;
    // A dangling link has no target to lose.
    if (!ReadFolderId(path, &target))
        return 1;
    return link == target ? 0 : 1;
}
