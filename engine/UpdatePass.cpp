#include "SyncRun.h"

#include "EngineReports.h"
#include "FileActions.h"
#include "FileQueries.h"
#include "FolderIdentity.h"
#include "FolderIndex.h"
#include "PathText.h"
#include "TreeReports.h"

int SyncRun::UpdateTree(const char* source, const char* destination)
{
    if (!Step())
        return 0;
    destinationRoot = destination;
    DWORD sourceAttributes = GetFileAttributesA(source);
    DWORD destinationAttributes = GetFileAttributesA(destination);
    if (sourceAttributes != INVALID_FILE_ATTRIBUTES && (sourceAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return UpdateFolder(source, destination, destinationAttributes, true);
    // A file that vanished ends the run without a message.
    FolderEntry sourceEntry;
    if (!ReadFolderEntry(source, &sourceEntry))
        return 0;
    char inside[EPathSize];
    const char* target = destination;
    if (destinationAttributes != INVALID_FILE_ATTRIBUTES && (destinationAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        if (!JoinPath(inside, destination, BaseName(source))) {
            ReportPathTooLong(host.Owner(), destination);
            return 0;
        }
        target = inside;
    }
    FolderEntry existing;
    bool exists = ReadFolderEntry(target, &existing) && !existing.IsFolder();
    return UpdateFile(source, sourceEntry, target, exists ? &existing : nullptr);
}

int SyncRun::PrepareDestination(const char* destination, DWORD attributes, bool top, bool* created)
{
    HWND owner = host.Owner();
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        if (top)
            return CreatePath(owner, destination, nullptr, &counts);
        if (!CreateFolderWithReport(owner, destination, nullptr))
            return 0;
        ++counts.createdFolders;
        *created = true;
        return 1;
    }
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        ReportFileInTheWay(owner, destination);
        return 0;
    }
    // The top folder is the user's choice; a link below it leads elsewhere.
    if (!top && (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        ReportDestinationLink(owner, destination);
        return 0;
    }
    return 1;
}

int SyncRun::UpdateFolder(const char* source, const char* destination, DWORD destinationAttributes, bool top)
{
    host.ShowStatus(source);
    // A source folder that cannot be listed is not an empty one. It is
    // listed before its copy is made, so that one renamed or removed since
    // its parent was listed leaves nothing behind.
    FolderIndex listing;
    if (listing.Read(source) != FolderIndex::Listed) {
        ReportUnreadableFolder(host.Owner(), source, listing.Error());
        return 0;
    }
    bool created = false;
    if (!PrepareDestination(destination, destinationAttributes, top, &created))
        return 0;
    FolderIndex existing;
    if (!created && existing.Read(destination) != FolderIndex::Listed) {
        ReportUnreadableFolder(host.Owner(), destination, existing.Error());
        return 0;
    }
    for (const FolderEntry& entry : listing.Entries()) {
        if (!Step())
            return 0;
        const FolderEntry* counterpart = created ? nullptr : existing.Find(entry.wide);
        if (!UpdateEntry(source, entry, destination, counterpart))
            return 0;
    }
    return 1;
}

int SyncRun::UpdateEntry(const char* sourceFolder, const FolderEntry& entry, const char* destinationFolder,
                         const FolderEntry* existing)
{
    HWND owner = host.Owner();
    const char* name = entry.name.c_str();
    // The code page has no exact form of the name: acting on what it shows
    // ('?', a wildcard, or a look-alike) could reach another file.
    if (!entry.representable) {
        ReportUnrepresentableName(owner, sourceFolder);
        return 0;
    }
    char source[EPathSize];
    char destination[EPathSize];
    if (!JoinBoth(source, sourceFolder, destination, destinationFolder, name))
        return 0;
    if (entry.IsFolder()) {
        if (entry.IsLink() && !SourceLinkIsSafe(source, sourceFolder))
            return 0;
        return UpdateFolder(source, destination, existing ? existing->attributes : INVALID_FILE_ATTRIBUTES, false);
    }
    if (!existing || !existing->IsFolder())
        return UpdateFile(source, entry, destination, existing);
    // A folder of the file's name: the file goes inside it.
    if (existing->IsLink()) {
        ReportDestinationLink(owner, destination);
        return 0;
    }
    char inside[EPathSize];
    if (!JoinPath(inside, destination, name)) {
        ReportPathTooLong(owner, destination);
        return 0;
    }
    FolderEntry insideEntry;
    bool exists = ReadFolderEntry(inside, &insideEntry) && !insideEntry.IsFolder();
    return UpdateFile(source, entry, inside, exists ? &insideEntry : nullptr);
}

int SyncRun::SourceLinkIsSafe(const char* link, const char* holder)
{
    // Back to a folder that holds it, the walk would never end; around the
    // destination, it would copy the destination into itself.
    if (IsSameOrInside(holder, link) || IsSameOrInside(destinationRoot, link)) {
        ReportSourceLink(host.Owner(), link);
        return 0;
    }
    return 1;
}

int SyncRun::UpdateFile(const char* source, const FolderEntry& sourceEntry, const char* destination,
                        const FolderEntry* existing)
{
    if (options.excludeObj && HasSuffix(source, ".obj"))
        return 1;
    if (existing) {
        int newer = options.dosTime ? CompareDosTime(sourceEntry.writeTime, existing->writeTime)
                                    : CompareFileTime(&sourceEntry.writeTime, &existing->writeTime);
        if (newer <= 0)
            return 1;
        if (confirm) {
            int act = Answer(host.ConfirmReplace(source, destination), 0);
            if (act < 0)
                return 0;
            if (act == 0)
                return 1;
        }
    }
    host.LogOperation("copy", source, destination);
    HWND owner = host.Owner();
    // Read-only, hidden and system would keep the copy from replacing it.
    // They are cleared only where present, and put back when the copy fails.
    const DWORD blocking = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    bool cleared = existing && (existing->attributes & blocking) &&
                   SetAttributesWithReport(owner, destination, FILE_ATTRIBUTE_NORMAL);
    if (!CopyFileOver(owner, source, destination, existing != nullptr)) {
        if (cleared)
            SetFileAttributesA(destination, existing->attributes);
        return 0;
    }
    ++counts.copied;
    return 1;
}
