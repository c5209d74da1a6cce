#include "FolderIndex.h"

#include "EHandle.h"
#include "ExactNames.h"
#include "TemporaryCopy.h"
#include "WidePath.h"

#include <algorithm>

namespace {

bool IsAscii(const std::wstring& text)
{
    return std::all_of(text.begin(), text.end(), [](wchar_t c) { return c < 0x80; });
}

FolderEntry MakeEntry(const wchar_t* name, DWORD attributes, FILETIME writeTime, ULONGLONG size)
{
    FolderEntry entry{name, attributes, writeTime, size};
    entry.exactName = LongPathsReachName(entry.name) != 0;
    return entry;
}

ULONGLONG SizeOf(const WIN32_FIND_DATAW& data)
{
    return (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

}

void FolderIndex::Clear()
{
    entries.clear();
    leftovers.clear();
    byFolded.clear();
    indexed = false;
    error = 0;
}

void FolderIndex::Add(const wchar_t* name, DWORD attributes, FILETIME writeTime, ULONGLONG size)
{
    FolderEntry entry = MakeEntry(name, attributes, writeTime, size);
    if (IsSkippedEntry(entry.name) || IsKeptName(entry.name))
        return;
    if (!entry.IsFolder() && IsOwnTemporary(entry.name)) {
        leftovers.push_back(std::move(entry.name));
        return;
    }
    entries.push_back(std::move(entry));
    indexed = false;
}

FolderIndex::Status FolderIndex::Read(const std::wstring& folder)
{
    Clear();
    std::wstring pattern = JoinName(folder, L"*");
    WIN32_FIND_DATAW data;
    ESearchHandle search(FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr,
                                          FIND_FIRST_EX_LARGE_FETCH));
    if (!search.Valid()) {
        error = GetLastError();
        // An empty drive root has no "." entry: nothing found means empty.
        if (error == ERROR_FILE_NOT_FOUND && GetFileAttributesW(folder.c_str()) != INVALID_FILE_ATTRIBUTES)
            return Listed;
        return (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) ? Missing : Unreadable;
    }
    do {
        Add(data.cFileName, data.dwFileAttributes, data.ftLastWriteTime, SizeOf(data));
    } while (FindNextFileW(search.Get(), &data));
    error = GetLastError();
    if (error != ERROR_NO_MORE_FILES) {
        entries.clear();
        leftovers.clear();
        return Unreadable;
    }
    error = 0;
    MarkSameNames();
    return Listed;
}

void FolderIndex::MarkSameNames()
{
    // The names listed twice are those the system could not convert, shown
    // with U+FFFD; a folder without one costs a look at each name.
    if (std::none_of(entries.begin(), entries.end(),
                     [](const FolderEntry& entry) { return entry.name.find(L'\uFFFD') != std::wstring::npos; }))
        return;
    std::unordered_map<std::wstring, std::size_t> first;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        auto found = first.emplace(entries[i].name, i);
        if (!found.second)
            entries[i].exactName = entries[found.first->second].exactName = false;
    }
}

void FolderIndex::Index() const
{
    if (indexed)
        return;
    byFolded.clear();
    byFolded.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        auto folded = byFolded.emplace(FoldedName(entries[i].name), std::make_pair(i, false));
        if (!folded.second)
            folded.first->second.second = true;
    }
    indexed = true;
}

const FolderEntry* FolderIndex::Find(const std::wstring& name) const
{
    Index();
    auto found = byFolded.find(FoldedName(name));
    if (found == byFolded.end())
        return nullptr;
    const FolderEntry* first = &entries[found->second.first];
    // Among case twins the exact name wins.
    if (found->second.second && first->name != name) {
        for (const FolderEntry& entry : entries) {
            if (entry.name == name)
                return &entry;
        }
    }
    return first;
}

const FolderEntry* FolderIndex::CaseTwin(const FolderEntry& entry) const
{
    Index();
    auto found = byFolded.find(FoldedName(entry.name));
    if (found == byFolded.end() || !found->second.second)
        return nullptr;
    for (const FolderEntry& other : entries) {
        if (&other != &entry && other.name != entry.name && FoldedName(other.name) == found->first)
            return &other;
    }
    return nullptr;
}

int ReadFolderEntry(const std::wstring& path, FolderEntry* entry, bool exact)
{
    WIN32_FIND_DATAW data;
    if (!ESearchHandle(FindFirstFileW(LongPath(path).c_str(), &data)).Valid())
        return 0;
    *entry = MakeEntry(data.cFileName, data.dwFileAttributes, data.ftLastWriteTime, SizeOf(data));
    return !exact || entry->name == LastName(path);
}

std::wstring FoldedName(const std::wstring& name)
{
    std::wstring upper(name);
    if (IsAscii(name)) {
        for (wchar_t& c : upper) {
            if (c >= L'a' && c <= L'z')
                c = static_cast<wchar_t>(c - L'a' + L'A');
        }
        return upper;
    }
    // The invariant upper case, as NTFS's own table: ß stays, é is É.
    if (!upper.empty() &&
        LCMapStringW(LOCALE_INVARIANT, LCMAP_UPPERCASE, name.c_str(), static_cast<int>(name.size()), &upper[0],
                     static_cast<int>(upper.size())) != static_cast<int>(upper.size()))
        return name;
    // That table, and Wine's, has no letters beyond the first plane.
    for (std::size_t i = 0; i < upper.size(); ++i) {
        if (IS_SURROGATE_PAIR(name[i], i + 1 < name.size() ? name[i + 1] : 0)) {
            upper[i] = name[i];
            upper[i + 1] = name[i + 1];
            ++i;
        }
    }
    return upper;
}
