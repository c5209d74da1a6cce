#include "FileTrees.h"

#include "FileActions.h"
#include "FolderIdentity.h"
#include "FolderIndex.h"
#include "PathText.h"
#include "TreeReports.h"

#include <cstring>

namespace {

void Count(OperationCounts* counts, int OperationCounts::*field)
{
    if (counts)
        ++(counts->*field);
}

// Makes one prefix of the path exist as a folder.
int EnsureFolder(HWND owner, const char* prefix, LPSECURITY_ATTRIBUTES security, OperationCounts* counts)
{
    DWORD attributes = GetFileAttributesA(prefix);
    if (attributes != INVALID_FILE_ATTRIBUTES)
        return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? 1 : 0;
    if (!CreateFolderWithReport(owner, prefix, security))
        return 0;
    Count(counts, &OperationCounts::createdFolders);
    return 1;
}

// What a removal walk carries along; spared is set once anything stays.
struct TreeRemoval {
    HWND owner;
    OperationCounts* counts;
    bool spareObj;
    bool spared;
};

int DeleteEntry(TreeRemoval& removal, const char* path, DWORD attributes);

int DeleteFolderContents(TreeRemoval& removal, const char* folder)
{
    // A folder that cannot be listed is left to RemoveFolderWithReport,
    // which then tells that it is not empty.
    FolderIndex listing;
    if (listing.Read(folder) != FolderIndex::Listed)
        return 1;
    for (const FolderEntry& entry : listing.Entries()) {
        char child[EPathSize];
        if (!entry.Usable()) {
            ReportUnusableName(removal.owner, folder, entry);
            return 0;
        }
        if (!JoinPath(child, folder, entry.name.c_str())) {
            ReportPathTooLong(removal.owner, folder);
            return 0;
        }
        if (!DeleteEntry(removal, child, entry.attributes))
            return 0;
    }
    return 1;
}

int DeleteEntry(TreeRemoval& removal, const char* path, DWORD attributes)
{
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        if (removal.spareObj && HasSuffix(path, ".obj")) {
            removal.spared = true;
            return 1;
        }
        if (!DeleteFileWithReport(removal.owner, path, true))
            return 0;
        Count(removal.counts, &OperationCounts::deleted);
        return 1;
    }
    // A link goes by itself: what it points to is not part of this tree.
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
        if (!CanRemoveLinkItself(path)) {
            ReportLinkKept(removal.owner, path, true);
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
    SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
    if (!RemoveFolderWithReport(removal.owner, path))
        return 0;
    Count(removal.counts, &OperationCounts::removedFolders);
    return 1;
}

}

int CreatePath(HWND owner, const char* path, LPSECURITY_ATTRIBUTES security, OperationCounts* counts)
{
    DWORD attributes = GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES)
        return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? 1 : 0;
    std::size_t length = std::strlen(path);
    if (length >= EPathSize)
        return 0;
    char prefix[EPathSize];
    const char* p = path;
    if (p[0] == '\\' && p[1] == '\\')
        p += 2;
    // The first component (a drive, or a server) is never tested.
    while (*p && *p != '\\')
        p = NextChar(p);
    if (!*p)
        return 0;
    bool trailingSeparator = false;
    for (p = NextChar(p); *p; p = NextChar(p)) {
        trailingSeparator = *p == '\\';
        if (!trailingSeparator)
            continue;
        std::size_t at = static_cast<std::size_t>(p - path);
        std::memcpy(prefix, path, at);
        prefix[at] = '\0';
        if (!EnsureFolder(owner, prefix, security, counts))
            return 0;
    }
    // With a trailing separator the loop has already made the whole path.
    if (trailingSeparator)
        return 1;
    if (!CreateFolderWithReport(owner, path, security))
        return 0;
    Count(counts, &OperationCounts::createdFolders);
    return 1;
}

int DeleteTree(HWND owner, const char* path, OperationCounts* counts, bool spareObj)
{
    TreeRemoval removal{owner, counts, spareObj, false};
    return DeleteEntry(removal, path, GetFileAttributesA(path));
}
