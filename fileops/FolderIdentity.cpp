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

std::wstring WithoutDotsAndSpaces(const std::wstring& name)
{
    std::size_t kept = name.find_last_not_of(L". ");
    return kept == std::wstring::npos ? name : name.substr(0, kept + 1);
}

// Each name of path without the dots and spaces that end it.
std::wstring WithoutEndingDotsAndSpaces(const std::wstring& path)
{
    std::wstring plain;
    std::size_t start = 0;
    for (std::size_t end; (end = path.find(L'\\', start)) != std::wstring::npos; start = end + 1)
        plain += WithoutDotsAndSpaces(path.substr(start, end - start)) + L'\\';
    return plain + WithoutDotsAndSpaces(path.substr(start));
}

// Whether the file id is also reached by a path that differs from path only
// in dots and spaces ending one of its names (sub.\x for sub\x).
bool LookAlikeIsSame(const std::wstring& path, const FolderId& id)
{
    std::wstring folder = path;
    std::wstring rest;
    for (std::wstring name = LastName(folder); CutLastName(&folder); name = LastName(folder)) {
        std::wstring stem = WithoutDotsAndSpaces(name);
        WIN32_FIND_DATAW data;
        ESearchHandle search(FindFirstFileW(JoinName(folder, stem + L"*").c_str(), &data));
        for (bool more = search.Valid(); more; more = FindNextFileW(search.Get(), &data) != 0) {
            std::wstring other = data.cFileName;
            std::wstring candidate = JoinName(folder, other);
            FolderId otherId;
            if (other != name && WithoutDotsAndSpaces(other) == stem &&
                ReadFolderId(rest.empty() ? candidate : JoinName(candidate, rest), &otherId) && otherId == id)
                return true;
        }
        rest = rest.empty() ? name : JoinName(name, rest);
    }
    return false;
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
    // A path given in the \\?\ form is taken as it is, as Windows takes it:
    // resolving it would drop a last name's trailing dot and reach its
    // look-alike. Any other is resolved as typed, then put in that form.
    std::wstring full = path;
    if (RootLength(path) == 0) {
        DWORD length = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
        if (length == 0)
            return std::wstring();
        std::vector<wchar_t> buffer(length + 1);
        length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
        if (length == 0 || length >= buffer.size())
            return std::wstring();
        full = std::wstring(buffer.data(), length);
    }
    full = LongPath(full);
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
    bool followed = false;
    do {
        if (SameText(walk, outerFull))
            return 1;
        FolderId id;
        if (!ReadFolderId(walk, &id))
            continue;
        if (haveId && id == outerId)
            return 1;
        // The first folder that exists may be, or lie below, a link: the
        // folders around where it leads hold it too. A final path that Wine
        // cut short of ending dots names another folder (a. as a).
        FolderId finalId;
        std::wstring final = followed ? std::wstring() : FinalPath(walk);
        followed = true;
        if (!final.empty() && !SameText(final, walk) && ReadFolderId(final, &finalId) && finalId == id &&
            IsSameOrInside(final, outerFull))
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
    // Wine drops the dots and spaces that end the names of a final path, but
    // not always those of a folder ("sp \y." gives "sp \y", "sp " alone
    // "sp"): they are left out here.
    if (WithoutEndingDotsAndSpaces(entry) != WithoutEndingDotsAndSpaces(JoinName(holder, LastName(full))))
        return 1;
    // Wine gives final paths without the dots and spaces that end names, so
    // a link to a look-alike beside it (notes -> notes.), or in a look-alike
    // folder (sub.\x -> sub\x), gives this very path: the same file under
    // such a look-alike path is a link.
    FolderId self;
    return ReadFolderId(full, &self) && LookAlikeIsSame(full, self) ? 1 : 0;
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
