#include "FolderIdentity.h"

#include "EHandle.h"
#include "WidePath.h"

#include <windows.h>

#include <vector>

namespace {

EFileHandle OpenEntry(const std::wstring& path, DWORD flags)
{
    return EFileHandle(CreateFileW(LongPath(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                   nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | flags, nullptr));
}

// Where the system says the entry at path really is; empty when it cannot
// be opened.
std::wstring FinalPath(const std::wstring& path)
{
    EFileHandle handle = OpenEntry(path, 0);
    if (!handle.Valid())
        return std::wstring();
    std::vector<wchar_t> final(MAX_PATH);
    DWORD length = GetFinalPathNameByHandleW(handle.Get(), final.data(), static_cast<DWORD>(final.size()), 0);
    if (length >= final.size()) {
        final.resize(length + 1);
        length = GetFinalPathNameByHandleW(handle.Get(), final.data(), static_cast<DWORD>(final.size()), 0);
    }
    return length > 0 && length < final.size() ? std::wstring(final.data(), length) : std::wstring();
}

bool SameText(const std::wstring& a, const std::wstring& b)
{
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()),
                                TRUE) == CSTR_EQUAL;
}

}

int ReadFolderId(const std::wstring& path, FolderId* id, bool linkItself)
{
    EFileHandle handle = OpenEntry(path, linkItself ? FILE_FLAG_OPEN_REPARSE_POINT : 0);
    BY_HANDLE_FILE_INFORMATION info;
    if (!handle.Valid() || !GetFileInformationByHandle(handle.Get(), &info))
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

std::wstring NormalPath(const std::wstring& path)
{
    std::wstring full = LongPath(path);
    DWORD length = GetFullPathNameW(full.c_str(), 0, nullptr, nullptr);
    if (length == 0)
        return std::wstring();
    std::vector<wchar_t> buffer(length + 1);
    length = GetFullPathNameW(full.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
    if (length == 0 || length >= buffer.size())
        return std::wstring();
    full = LongPath(std::wstring(buffer.data(), length));
    // D:\a\ is D:\a; D:\ keeps its separator.
    std::size_t root = RootLength(full);
    while (full.size() > root && full.back() == L'\\')
        full.pop_back();
    return full;
}

int IsSameOrInside(const std::wstring& inner, const std::wstring& outer)
{
    std::wstring outerFull = NormalPath(outer);
    std::wstring walk = NormalPath(inner);
    if (outerFull.empty() || walk.empty())
        return 0;
    FolderId outerId;
    bool haveId = ReadFolderId(outerFull, &outerId) != 0;
    do {
        if (SameText(walk, outerFull))
            return 1;
        FolderId id;
        if (haveId && ReadFolderId(walk, &id) && id == outerId)
            return 1;
    } while (CutLastName(&walk));
    return 0;
}

int IsLinkAt(const std::wstring& path)
{
    std::wstring full = LongPath(path);
    DWORD attributes = GetFileAttributesW(full.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return 1;
    std::wstring folder = full;
    if (!CutLastName(&folder))
        return 0;
    std::wstring entry = FinalPath(full);
    std::wstring holder = FinalPath(folder);
    // What cannot be opened cannot be told apart; the action on it fails by itself.
    if (entry.empty() || holder.empty())
        return 0;
    // Compared exactly: a link to its own case twin differs in case alone.
    std::wstring name = LastName(full);
    if (entry == JoinName(holder, name))
        return 0;
    // Wine gives the final path of a name ending in dots or spaces without
    // them. A link to the look-alike beside it would give the same path, and
    // would be the same file.
    std::size_t kept = name.find_last_not_of(L". ");
    if (kept == std::wstring::npos || kept + 1 == name.size() || entry != JoinName(holder, name.substr(0, kept + 1)))
        return 1;
    FolderId self;
    FolderId lookalike;
    return ReadFolderId(full, &self) && ReadFolderId(JoinName(folder, name.substr(0, kept + 1)), &lookalike) &&
                   self == lookalike
               ? 1
               : 0;
}

int CanRemoveLinkItself(const std::wstring& path)
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
