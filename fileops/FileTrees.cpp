#include "FileTrees.h"

#include "FileActions.h"
#include "FolderIdentity.h"
#include "FolderIndex.h"
#include "TreeReports.h"
#include "WidePath.h"

#include <windows.h>

namespace {

void Count(OperationCounts* counts, int OperationCounts::*field)
{
    if (counts)
        ++(counts->*field);
}

// Makes one prefix of the path exist as a folder.
int EnsureFolder(ErrorSink& errors, const std::wstring& prefix, OperationCounts* counts)
{
    DWORD attributes = GetFileAttributesW(prefix.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES)
        return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? 1 : 0;
    if (!CreateFolderWithReport(errors, prefix))
        return 0;
    Count(counts, &OperationCounts::createdFolders);
    return 1;
}

// What a removal walk carries along; spared is set once anything stays.
struct TreeRemoval {
    ErrorSink& errors;
    OperationCounts* counts;
    bool spareObj;
    bool spared;
    FileDisposal* disposal;
};

int DeleteEntry(TreeRemoval& removal, const std::wstring& path, DWORD attributes);

int DeleteFolderContents(TreeRemoval& removal, const std::wstring& folder)
{
    // A folder that cannot be listed is left to RemoveFolderWithReport,
    // which then tells that it is not empty.
    FolderIndex listing;
    if (listing.Read(folder) != FolderIndex::Listed)
        return 1;
    for (const std::wstring& leftover : listing.Leftovers())
        RemoveLeftover(JoinName(folder, leftover));
    for (const FolderEntry& entry : listing.Entries()) {
        if (!entry.Usable()) {
            ReportUnusableName(removal.errors, folder, entry);
            return 0;
        }
        if (!DeleteEntry(removal, JoinName(folder, entry.name), entry.attributes))
            return 0;
    }
    return 1;
}

int DeleteEntry(TreeRemoval& removal, const std::wstring& path, DWORD attributes)
{
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        if (removal.spareObj && EndsWith(path, L".obj")) {
            removal.spared = true;
            return 1;
        }
        int gone = removal.disposal ? removal.disposal->Dispose(path) : DeleteFileWithReport(removal.errors, path, true);
        if (gone < 0)
            removal.spared = true;
        else if (gone == 0)
            return 0;
        else
            Count(removal.counts, &OperationCounts::deleted);
        return 1;
    }
    // A link goes by itself: what it points to is not part of this tree.
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
        if (!CanRemoveLinkItself(path)) {
            ReportLinkKept(removal.errors, path, true);
            return 0;
        }
    } else {
        bool sparedBefore = removal.spared;
        removal.spared = false;
        if (!DeleteFolderContents(removal, path))
            return 0;
        bool keep = removal.spared;
        removal.spared = sparedBefore || keep;
        if (keep)
            return 1;
    }
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!RemoveFolderWithReport(removal.errors, path))
        return 0;
    Count(removal.counts, &OperationCounts::removedFolders);
    return 1;
}

}

int CreatePath(ErrorSink& errors, const std::wstring& path, OperationCounts* counts)
{
    std::wstring full = LongPath(path);
    DWORD attributes = GetFileAttributesW(full.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES)
        return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? 1 : 0;
    while (full.size() > 1 && full.back() == L'\\')
        full.pop_back();
    // The root (\\?\D:\ or \\?\UNC\server\share\) is never tested or made.
    std::size_t root = RootLength(full);
    if (root == 0 || root >= full.size())
        return 0;
    for (std::size_t at = full.find(L'\\', root); at != std::wstring::npos; at = full.find(L'\\', at + 1)) {
        if (!EnsureFolder(errors, full.substr(0, at), counts))
            return 0;
    }
    if (!CreateFolderWithReport(errors, full))
        return 0;
    Count(counts, &OperationCounts::createdFolders);
    return 1;
}

int DeleteTree(ErrorSink& errors, const std::wstring& path, OperationCounts* counts, bool spareObj,
               FileDisposal* disposal)
{
    TreeRemoval removal{errors, counts, spareObj, false, disposal};
    std::wstring full = LongPath(path);
    return DeleteEntry(removal, full, GetFileAttributesW(full.c_str()));
}

namespace {

// As DeleteEntry walks: 1 when the entry would go whole.
bool CountEntry(const std::wstring& path, DWORD attributes, OperationCounts& counts, bool spareObj, int* files,
                bool* links)
{
    if (links && attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        *links = true;
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        ++*files;
        if (spareObj && EndsWith(path, L".obj"))
            return false;
        ++counts.deleted;
        return true;
    }
    bool whole = true;
    FolderIndex listing;
    if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT) && listing.Read(path) == FolderIndex::Listed) {
        for (const FolderEntry& entry : listing.Entries())
            whole = CountEntry(JoinName(path, entry.name), entry.attributes, counts, spareObj, files, links) && whole;
    }
    if (whole)
        ++counts.removedFolders;
    return whole;
}

}

void CountTree(const std::wstring& path, OperationCounts& counts, bool spareObj, int* files, bool* links)
{
    std::wstring full = LongPath(path);
    CountEntry(full, GetFileAttributesW(full.c_str()), counts, spareObj, files, links);
}
