#include "SyncRun.h"

#include "EngineReports.h"
#include "FileActions.h"
#include "FolderIdentity.h"
#include "FolderIndex.h"
#include "PathText.h"
#include "TreeReports.h"

int SyncRun::PruneTree(const char* source, const char* destination)
{
    if (!Step())
        return 0;
    sourceRoot = source;
    if (!sourceIdKnown)
        sourceIdKnown = ReadFolderId(source, &sourceId) != 0;
    // Only what a listing of the source has shown absent goes: a source
    // that is not there (renamed away, unplugged) or cannot be asked says
    // nothing of what it held, and stops the run instead.
    DWORD sourceAttributes = GetFileAttributesA(source);
    if (sourceAttributes == INVALID_FILE_ATTRIBUTES) {
        ReportSourceMissing(host.Owner(), source, GetLastError());
        return 0;
    }
    if (!SourceIsTheSame())
        return 0;
    // The top destination is the user's choice and is never removed, also
    // not when it is a folder beside a source file.
    DWORD destinationAttributes = GetFileAttributesA(destination);
    if (destinationAttributes == INVALID_FILE_ATTRIBUTES || !(destinationAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
        !(sourceAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return 1;
    return PruneFolder(source, destination);
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
    if (counterparts.Read(source) != FolderIndex::Listed) {
        ReportSourceMissing(owner, source, counterparts.Error());
        return 0;
    }
    for (const FolderEntry& entry : existing.Entries()) {
        if (!Step())
            return 0;
        if (!entry.Usable()) {
            ReportUnusableName(owner, destination, entry);
            return 0;
        }
        char sourceChild[EPathSize];
        char destinationChild[EPathSize];
        if (!JoinBoth(sourceChild, source, destinationChild, destination, entry.name.c_str()))
            return 0;
        // An entry the source has in any form stays: a folder beside a
        // source file holds that file's copy. So does one of two case twins
        // whose counterpart is the other's.
        const FolderEntry* counterpart = counterparts.Find(entry.wide);
        int result = 1;
        if (!counterpart)
            result = entry.IsFolder() ? RemoveOrphanFolder(sourceChild, destinationChild)
                                      : PruneFile(sourceChild, destinationChild);
        else if (counterpart->wide != entry.wide && existing.CaseTwin(entry))
            continue;
        else if (entry.IsFolder() && counterpart->IsFolder() && !entry.IsLink()) {
            // A link in the destination is never descended: what it holds is
            // not part of this tree. Nor is a folder that either of two
            // source case twins could stand for.
            const FolderEntry* twin = counterpart->wide == entry.wide ? nullptr : counterparts.CaseTwin(*counterpart);
            if (twin) {
                ReportCaseTwins(owner, source, counterpart->name.c_str(), twin->name.c_str());
                return 0;
            }
            result = PruneFolder(sourceChild, destinationChild);
        }
        if (!result)
            return 0;
    }
    return 1;
}

int SyncRun::SourceIsTheSame()
{
    // An unplugged drive leaves its mount folder behind, empty: the folder
    // is there, but it is not the one the run started with.
    FolderId now;
    if (sourceIdKnown && (!ReadFolderId(sourceRoot, &now) || !(now == sourceId))) {
        ReportSourceMissing(host.Owner(), sourceRoot, 0);
        return 0;
    }
    return 1;
}

int SyncRun::SourceStillLacks(const char* sourceChild)
{
    DWORD top = GetFileAttributesA(sourceRoot);
    if (top == INVALID_FILE_ATTRIBUTES || !(top & FILE_ATTRIBUTE_DIRECTORY)) {
        ReportSourceMissing(host.Owner(), sourceRoot, top == INVALID_FILE_ATTRIBUTES ? GetLastError() : 0);
        return -1;
    }
    if (!SourceIsTheSame())
        return -1;
    if (GetFileAttributesA(sourceChild) != INVALID_FILE_ATTRIBUTES)
        return 0;
    DWORD code = GetLastError();
    if (code == ERROR_FILE_NOT_FOUND)
        return 1;
    // Not found along the way: a source folder above it went away.
    ReportSourceMissing(host.Owner(), sourceChild, code);
    return -1;
}

int SyncRun::PruneFile(const char* sourceChild, const char* path)
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
    // The question may have been up for long: what is deleted is what the
    // source lacks now, and a file, not what came in its place.
    int lacks = SourceStillLacks(sourceChild);
    if (lacks <= 0)
        return lacks == 0;
    FolderEntry now;
    if (!ReadFolderEntry(path, &now, true) || now.IsFolder())
        return 1;
    host.LogOperation("del", path, "");
    if (!DeleteFileWithReport(host.Owner(), path, true))
        return 0;
    ++counts.deleted;
    return 1;
}

int SyncRun::RemoveOrphanFolder(const char* sourceChild, const char* path)
{
    host.ShowStatus(path);
    // With ExcObj a folder that holds object files stays: what else it
    // holds goes entry by entry, each asked about and logged as itself.
    if (options.excludeObj && HoldsObjFile(path))
        return PruneOrphanContents(sourceChild, path);
    // No on a folder stops the run as well.
    if (confirm && Answer(host.ConfirmRemoveFolder(path), 1) < 0)
        return 0;
    int lacks = SourceStillLacks(sourceChild);
    if (lacks <= 0)
        return lacks == 0;
    host.LogOperation("rmdir", path, "");
    return DeleteTree(host.Owner(), path, &counts, options.excludeObj != 0);
}

bool SyncRun::HoldsObjFile(const char* folder)
{
    DWORD attributes = GetFileAttributesA(folder);
    FolderIndex listing;
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) ||
        listing.Read(folder) != FolderIndex::Listed)
        return false;
    for (const FolderEntry& entry : listing.Entries()) {
        if (!entry.IsFolder()) {
            if (HasSuffix(entry.name.c_str(), ".obj"))
                return true;
            continue;
        }
        char child[EPathSize];
        if (entry.Usable() && JoinPath(child, folder, entry.name.c_str()) && HoldsObjFile(child))
            return true;
    }
    return false;
}

int SyncRun::PruneOrphanContents(const char* sourceChild, const char* path)
{
    FolderIndex listing;
    if (listing.Read(path) != FolderIndex::Listed)
        return 1;
    for (const FolderEntry& entry : listing.Entries()) {
        if (!Step())
            return 0;
        if (!entry.Usable()) {
            ReportUnusableName(host.Owner(), path, entry);
            return 0;
        }
        char child[EPathSize];
        if (!JoinPath(child, path, entry.name.c_str())) {
            ReportPathTooLong(host.Owner(), path);
            return 0;
        }
        // The source lacks all of it as long as it lacks the orphan itself.
        if (!(entry.IsFolder() ? RemoveOrphanFolder(sourceChild, child) : PruneFile(sourceChild, child)))
            return 0;
    }
    return 1;
}
