#include "SyncRun.h"

#include "FileActions.h"
#include "FolderIndex.h"
#include "PathText.h"
#include "TreeReports.h"

int SyncRun::PruneTree(const char* source, const char* destination)
{
    if (!Step())
        return 0;
    // Only what is known to be absent goes: a source that cannot be asked
    // (access denied, a vanished share) stops the run instead.
    DWORD sourceAttributes = GetFileAttributesA(source);
    if (sourceAttributes == INVALID_FILE_ATTRIBUTES) {
        DWORD code = GetLastError();
        if (code != ERROR_FILE_NOT_FOUND && code != ERROR_PATH_NOT_FOUND) {
            ReportUnreadableFolder(host.Owner(), source, code);
            return 0;
        }
    }
    DWORD destinationAttributes = GetFileAttributesA(destination);
    if (destinationAttributes == INVALID_FILE_ATTRIBUTES || !(destinationAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        if (sourceAttributes != INVALID_FILE_ATTRIBUTES)
            return 1;
        return PruneFile(destination);
    }
    if (sourceAttributes != INVALID_FILE_ATTRIBUTES && (sourceAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return PruneFolder(source, destination);
    return RemoveOrphanFolder(destination);
}

int SyncRun::PruneFolder(const char* source, const char* destination)
{
    HWND owner = host.Owner();
    host.ShowStatus(destination);
    // A destination folder that cannot be listed keeps what it holds.
    FolderIndex existing;
    if (existing.Read(destination) != FolderIndex::Listed)
        return 1;
    FolderIndex counterparts;
    if (counterparts.Read(source) == FolderIndex::Unreadable) {
        ReportUnreadableFolder(owner, source, counterparts.Error());
        return 0;
    }
    for (const FolderEntry& entry : existing.Entries()) {
        if (!Step())
            return 0;
        const char* name = entry.name.c_str();
        if (!entry.representable) {
            ReportUnrepresentableName(owner, destination);
            return 0;
        }
        char sourceChild[EPathSize];
        char destinationChild[EPathSize];
        if (!JoinBoth(sourceChild, source, destinationChild, destination, name))
            return 0;
        const FolderEntry* counterpart = counterparts.Find(entry.wide);
        int result = 1;
        if (!entry.IsFolder())
            result = counterpart ? 1 : PruneFile(destinationChild);
        else if (!counterpart || !counterpart->IsFolder())
            result = RemoveOrphanFolder(destinationChild);
        // A link in the destination is never descended: what it holds is
        // not part of this tree.
        else if (!entry.IsLink())
            result = PruneFolder(sourceChild, destinationChild);
        if (!result)
            return 0;
    }
    return 1;
}

int SyncRun::PruneFile(const char* path)
{
    if (options.excludeObj && HasSuffix(path, ".obj"))
        return 1;
    if (confirm) {
        int act = Answer(host.ConfirmDeleteFile(path), 0);
        if (act < 0)
            return 0;
        if (act == 0)
            return 1;
    }
    host.LogOperation("del", path, "");
    SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
    if (!DeleteFileWithReport(host.Owner(), path))
        return 0;
    ++counts.deleted;
    return 1;
}

int SyncRun::RemoveOrphanFolder(const char* path)
{
    host.ShowStatus(path);
    // No on a folder stops the run as well.
    if (confirm && Answer(host.ConfirmRemoveFolder(path), 1) < 0)
        return 0;
    host.LogOperation("rmdir", path, "");
    return DeleteTree(host.Owner(), path, &counts);
}
