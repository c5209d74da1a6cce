#ifndef OMBREL_FOLDERINDEX_H
#define OMBREL_FOLDERINDEX_H

#include <windows.h>

#include <string>
#include <unordered_map>
#include <vector>

// One entry of a folder listing, as the directory search returned it.
struct FolderEntry {
    std::wstring name;   // as the file system holds it
    DWORD attributes;
    FILETIME writeTime;
    ULONGLONG size;
    // False for a name that no path can reach, even in the \\?\ form: one
    // the system shows in another form than it stores (under Wine, a Linux
    // name holding a backslash) or that holds a wildcard or a stream colon.
    bool exactName = true;

    bool IsFolder() const { return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }
    bool IsLink() const { return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0; }
    bool Usable() const { return exactName; }
};

// The entries of one folder, listed once, in the file system's order, without
// the skipped names and without the copies a killed run left behind (they are
// kept apart, see Leftovers). A file system may hold names that differ only in
// letter case (case twins); a name is matched exactly first, and with letter
// case ignored over the whole character set only where no entry has it exactly.
class FolderIndex {
public:
    enum Status { Listed, Missing, Unreadable };

    // Lists folder (a path in the \\?\ form). Missing: the folder does not
    // exist (file or path not found). Unreadable: any other failure, with
    // Error() telling which; a listing that broke off half-way is
    // unreadable, never short.
    Status Read(const std::wstring& folder);
    DWORD Error() const { return error; }

    // Fills the listing from entries read elsewhere, one by one, as Read
    // would have kept them.
    void Clear();
    void Add(const wchar_t* name, DWORD attributes, FILETIME writeTime, ULONGLONG size);

    const std::vector<FolderEntry>& Entries() const { return entries; }
    // Temporary copies of this program found in the folder (IsOwnTemporary).
    const std::vector<std::wstring>& Leftovers() const { return leftovers; }
    // The entry of exactly that name; else the first whose name differs only
    // in letter case; else nullptr.
    const FolderEntry* Find(const std::wstring& name) const;
    // An entry other than entry whose name differs from it only in letter case.
    const FolderEntry* CaseTwin(const FolderEntry& entry) const;

private:
    void Index() const;
    // Marks as unusable the entries listed under one name: the system shows
    // a name it cannot convert with U+FFFD (under Wine, a Linux name that is
    // not UTF-8), and a path reaches only one of those entries.
    void MarkSameNames();

    std::vector<FolderEntry> entries;
    std::vector<std::wstring> leftovers;
    // Folded name to its first entry, and whether more than one has it.
    mutable std::unordered_map<std::wstring, std::pair<std::size_t, bool>> byFolded;
    mutable bool indexed = false;
    DWORD error = 0;
};

// The directory entry of a path itself; 0 when none can be found. The
// search ignores letter case; with exact, an entry whose name differs from
// the path's last component (a case twin) counts as none.
int ReadFolderEntry(const std::wstring& path, FolderEntry* entry, bool exact = false);

// The key under which the file system sees a name: upper case over the
// whole character set. Names in other Unicode normal forms stay different.
std::wstring FoldedName(const std::wstring& name);

#endif
