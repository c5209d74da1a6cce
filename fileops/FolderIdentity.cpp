#include "FolderIdentity.h"

#include "PathText.h"

#include <windows.h>

#include <cstring>
#include <string>

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

// Where the system says the entry at path really is; empty when it cannot
// be opened.
std::wstring FinalPath(const char* path)
{
    HANDLE handle = CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return std::wstring();
    std::wstring final(EPathSize, L'\0');
    DWORD length = GetFinalPathNameByHandleW(handle, &final[0], static_cast<DWORD>(final.size()), 0);
    if (length >= final.size()) {
        final.resize(length);
        length = GetFinalPathNameByHandleW(handle, &final[0], static_cast<DWORD>(final.size()), 0);
    }
    CloseHandle(handle);
    final.resize(length < final.size() ? length : 0);
    return final;
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

int IsLinkAt(const char* path)
{
    DWORD attributes = GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return 1;
    char folder[EPathSize];
    std::strcpy(folder, path);
    if (!CutLastComponent(folder))
        return 0;
    std::wstring entry = FinalPath(path);
    std::wstring holder = FinalPath(folder);
    // What cannot be opened cannot be told apart; the action on it fails by itself.
    if (entry.empty() || holder.empty())
        return 0;
    wchar_t name[EPathSize];
    if (!MultiByteToWideChar(CP_ACP, 0, BaseName(path), -1, name, EPathSize))
        return 0;
    if (holder.back() != L'\\')
        holder += L'\\';
    // Compared exactly: a link to its own case twin differs in case alone.
    return entry != holder + name ? 1 : 0;
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
