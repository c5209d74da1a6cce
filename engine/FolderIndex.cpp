#include "FolderIndex.h"

#include "PathText.h"

FolderIndex::Status FolderIndex::Read(const char* folder)
{
    entries.clear();
    byName.clear();
    indexed = false;
    error = 0;
    char pattern[EPathSize];
    if (!JoinPath(pattern, folder, "*.*")) {
        error = ERROR_FILENAME_EXCED_RANGE;
        return Unreadable;
    }
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA(pattern, &data);
    if (search == INVALID_HANDLE_VALUE) {
        error = GetLastError();
        // An empty drive root has no "." entry: nothing found means empty.
        if (error == ERROR_FILE_NOT_FOUND && GetFileAttributesA(folder) != INVALID_FILE_ATTRIBUTES)
            return Listed;
        return (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) ? Missing : Unreadable;
    }
    do {
        if (!IsSkippedName(data.cFileName))
            entries.push_back(FolderEntry{data.cFileName, data.dwFileAttributes, data.ftLastWriteTime});
    } while (FindNextFileA(search, &data));
    error = GetLastError();
    FindClose(search);
    if (error != ERROR_NO_MORE_FILES) {
        entries.clear();
        return Unreadable;
    }
    error = 0;
    return Listed;
}

const FolderEntry* FolderIndex::Find(const char* name) const
{
    if (!indexed) {
        byName.reserve(entries.size());
        for (std::size_t i = 0; i < entries.size(); ++i)
            byName.emplace(FoldedName(entries[i].name.c_str()), i);
        indexed = true;
    }
    auto found = byName.find(FoldedName(name));
    return found == byName.end() ? nullptr : &entries[found->second];
}

std::wstring FoldedName(const char* name)
{
    wchar_t wide[EPathSize];
    int length = MultiByteToWideChar(CP_ACP, 0, name, -1, wide, EPathSize);
    if (length <= 1)
        return std::wstring();
    wchar_t upper[EPathSize];
    int folded = LCMapStringW(LOCALE_INVARIANT, LCMAP_UPPERCASE, wide, length - 1, upper, EPathSize);
    if (folded <= 0)
        return std::wstring(wide, static_cast<std::size_t>(length - 1));
    return std::wstring(upper, static_cast<std::size_t>(folded));
}

int ReadFolderEntry(const char* path, FolderEntry* entry)
{
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA(path, &data);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    FindClose(search);
    *entry = FolderEntry{data.cFileName, data.dwFileAttributes, data.ftLastWriteTime};
    return 1;
}
