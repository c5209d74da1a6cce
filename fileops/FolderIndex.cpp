#include "FolderIndex.h"

#include "ExactNames.h"
#include "PathText.h"

namespace {

std::wstring ToWide(const char* text)
{
    wchar_t wide[EPathSize];
    int length = MultiByteToWideChar(CP_ACP, 0, text, -1, wide, EPathSize);
    return length > 0 ? std::wstring(wide, static_cast<std::size_t>(length - 1)) : std::wstring();
}

bool IsAscii(const wchar_t* text, std::size_t length)
{
    for (std::size_t i = 0; i < length; ++i) {
        if (text[i] >= 0x80)
            return false;
    }
    return true;
}

FolderEntry MakeEntry(const wchar_t* wide, DWORD attributes, FILETIME writeTime, ULONGLONG size)
{
    FolderEntry entry{std::string(), wide, attributes, writeTime, false, size};
    entry.exactName = PathCallsKeepName(entry.wide) != 0;
    // Every ANSI code page keeps ASCII as it is: most names need no conversion.
    if (IsAscii(entry.wide.data(), entry.wide.size())) {
        entry.name.assign(entry.wide.begin(), entry.wide.end());
        entry.representable = !HasUnrepresentableChar(entry.name.c_str());
        return entry;
    }
    char name[EPathSize];
    BOOL usedDefault = FALSE;
    int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, -1, name, sizeof name, nullptr,
                                     &usedDefault);
    if (length > 0) {
        entry.name.assign(name, static_cast<std::size_t>(length - 1));
        entry.representable = !usedDefault && !HasUnrepresentableChar(name);
    } else {
        entry.name = "?";
    }
    return entry;
}

ULONGLONG SizeOf(const WIN32_FIND_DATAW& data)
{
    return (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

FolderEntry MakeEntry(const WIN32_FIND_DATAW& data)
{
    return MakeEntry(data.cFileName, data.dwFileAttributes, data.ftLastWriteTime, SizeOf(data));
}

bool IsDots(const wchar_t* name)
{
    return name[0] == L'.' && (name[1] == 0 || (name[1] == L'.' && name[2] == 0));
}

}

void FolderIndex::Clear()
{
    entries.clear();
    byName.clear();
    byFolded.clear();
    indexed = false;
    error = 0;
}

void FolderIndex::Add(const wchar_t* name, DWORD attributes, FILETIME writeTime, ULONGLONG size)
{
    if (IsDots(name))
        return;
    FolderEntry entry = MakeEntry(name, attributes, writeTime, size);
    if (!IsSkippedName(entry.name.c_str())) {
        entries.push_back(std::move(entry));
        indexed = false;
    }
}

FolderIndex::Status FolderIndex::Read(const char* folder)
{
    Clear();
    std::wstring pattern = ToWide(folder);
    if (folder[0] && pattern.empty()) {   // longer than any path
        error = ERROR_FILENAME_EXCED_RANGE;
        return Unreadable;
    }
    // The pattern may pass 259 characters: a folder at the limit holds no
    // file, but it can still be listed as empty.
    if (!pattern.empty() && pattern.back() != L'\\')
        pattern += L'\\';
    pattern += L'*';
    // Listed in wide form, so that a name the code page lacks is seen for
    // what it is instead of as '?' or a look-alike.
    WIN32_FIND_DATAW data;
    HANDLE search = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr,
                                     FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) {
        error = GetLastError();
        // An empty drive root has no "." entry: nothing found means empty.
        if (error == ERROR_FILE_NOT_FOUND && GetFileAttributesA(folder) != INVALID_FILE_ATTRIBUTES)
            return Listed;
        return (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) ? Missing : Unreadable;
    }
    do {
        Add(data.cFileName, data.dwFileAttributes, data.ftLastWriteTime, SizeOf(data));
    } while (FindNextFileW(search, &data));
    error = GetLastError();
    FindClose(search);
    if (error != ERROR_NO_MORE_FILES) {
        entries.clear();
        return Unreadable;
    }
    error = 0;
    return Listed;
}

void FolderIndex::Index() const
{
    if (indexed)
        return;
    byName.clear();
    byFolded.clear();
    byName.reserve(entries.size());
    byFolded.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        byName.emplace(entries[i].wide, i);
        auto folded = byFolded.emplace(FoldedName(entries[i].wide), std::make_pair(i, false));
        if (!folded.second)
            folded.first->second.second = true;
    }
    indexed = true;
}

const FolderEntry* FolderIndex::Find(const std::wstring& name) const
{
    Index();
    auto exact = byName.find(name);
    if (exact != byName.end())
        return &entries[exact->second];
    auto found = byFolded.find(FoldedName(name));
    return found == byFolded.end() ? nullptr : &entries[found->second.first];
}

const FolderEntry* FolderIndex::CaseTwin(const FolderEntry& entry) const
{
    Index();
    auto found = byFolded.find(FoldedName(entry.wide));
    if (found == byFolded.end() || !found->second.second)
        return nullptr;
    for (const FolderEntry& other : entries) {
        if (&other != &entry && other.wide != entry.wide && FoldedName(other.wide) == found->first)
            return &other;
    }
    return nullptr;
}

int ReadFolderEntry(const char* path, FolderEntry* entry, bool exact)
{
    WIN32_FIND_DATAW data;
    HANDLE search = FindFirstFileW(ToWide(path).c_str(), &data);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    FindClose(search);
    *entry = MakeEntry(data);
    return !exact || entry->name == BaseName(path);
}

std::wstring FoldedName(const std::wstring& name)
{
    if (name.empty() || name.size() >= EPathSize)
        return name;
    if (IsAscii(name.data(), name.size())) {
        std::wstring upper(name);
        for (wchar_t& c : upper) {
            if (c >= L'a' && c <= L'z')
                c = static_cast<wchar_t>(c - L'a' + L'A');
        }
        return upper;
    }
    wchar_t upper[EPathSize];
    int folded = LCMapStringW(LOCALE_INVARIANT, LCMAP_UPPERCASE, name.c_str(), static_cast<int>(name.size()), upper,
                              EPathSize);
    return folded > 0 ? std::wstring(upper, static_cast<std::size_t>(folded)) : name;
}
