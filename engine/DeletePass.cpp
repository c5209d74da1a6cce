#include "DeletePass.h"

#include "EngineReports.h"
#include "FileActions.h"
#include "FolderIndex.h"
#include "TreeReports.h"
#include "WidePath.h"

#include <windows.h>

namespace {

// Fewer files than this never make the guard ask, unless the source is empty.
const int GuardedFiles = 20;

}

bool DeletePass::Plan::Guarded() const
{
    bool deleting = counts.deleted > 0 || counts.removedFolders > 0;
    return (counts.deleted >= GuardedFiles && counts.deleted * 2 > files) || (sourceEmpty && !destinationEmpty && deleting);
}

DeletePass::DeletePass(RunContext& run, const FolderId* id, DWORD destinationAttributes, Plan* plan)
    : run(run), sourceId(id ? *id : FolderId()), sourceIdKnown(id != nullptr), startAttributes(destinationAttributes),
      plan(plan)
{
}

int DeletePass::Run(const std::wstring& source, const std::wstring& destination)
{
    if (!run.Step())
        return 0;
    sourceRoot = source;
    destinationRoot = destination;
    if (!sourceIdKnown)
        sourceIdKnown = ReadFolderId(source, &sourceId) != 0;
    // A source that is not there (renamed away, unplugged) or cannot be
    // asked says nothing of what it held, and stops the run instead.
    DWORD sourceAttributes = GetFileAttributesW(source.c_str());
    if (sourceAttributes == INVALID_FILE_ATTRIBUTES) {
        ReportSourceMissing(run.host, source, GetLastError());
        return 0;
    }
    if (!SourceIsTheSame())
        return 0;
    // The top destination is the user's choice and is never removed, also
    // not when it is a folder beside a source file.
    DWORD destinationAttributes = GetFileAttributesW(destination.c_str());
    if (destinationAttributes == INVALID_FILE_ATTRIBUTES || !(destinationAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
        !(sourceAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return 1;
    // A folder the run found there, swapped for a link since, leads elsewhere.
    const DWORD link = FILE_ATTRIBUTE_REPARSE_POINT;
    if (startAttributes != INVALID_FILE_ATTRIBUTES && !(startAttributes & link) && (destinationAttributes & link)) {
        ReportDestinationLink(run.host, destination);
        return 0;
    }
    return PruneFolder(source, destination);
}

int DeletePass::PruneFolder(const std::wstring& source, const std::wstring& destination)
{
    run.host.ShowStatus(ShownPath(destination));
    // The parent's listing may be past: a folder swapped for a link since
    // would have another folder pruned through it.
    DWORD attributes = GetFileAttributesW(destination.c_str());
    if (!holders.empty() && !HolderInPlace())
        return 0;
    if (!holders.empty() && attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        ReportDestinationLink(run.host, destination);
        return 0;
    }
    // A destination folder that cannot be listed keeps what it holds.
    FolderIndex existing;
    if (existing.Read(destination) != FolderIndex::Listed)
        return 1;
    FolderIndex counterparts;
    if (counterparts.Read(source) != FolderIndex::Listed) {
        ReportSourceMissing(run.host, source, counterparts.Error());
        return 0;
    }
    if (plan && holders.empty()) {
        plan->sourceEmpty = counterparts.Entries().empty();
        plan->destinationEmpty = existing.Entries().empty();
    }
    if (!plan)
        run.RemoveLeftovers(destination, existing);
    Hold(destination);
    for (const FolderEntry& entry : existing.Entries()) {
        if (!MayVisit(destination, entry))
            return 0;
        std::wstring sourceChild = JoinName(source, entry.name);
        std::wstring destinationChild = JoinName(destination, entry.name);
        // An entry the source has in any form stays: a folder beside a
        // source file holds that file's copy. So does one of two case twins
        // whose counterpart is the other's.
        const FolderEntry* counterpart = counterparts.Find(entry.name);
        int result = 1;
        if (!counterpart) {
            result = entry.IsFolder() ? RemoveOrphanFolder(sourceChild, destinationChild)
                                      : PruneFile(sourceChild, destinationChild);
        } else if (counterpart->name != entry.name && existing.CaseTwin(entry)) {
            continue;
        } else if (entry.IsFolder() && counterpart->IsFolder() && !entry.IsLink()) {
            // A link in the destination is never descended: what it holds is
            // not part of this tree. Nor is a folder that either of two
            // source case twins could stand for.
            const FolderEntry* twin = counterpart->name == entry.name ? nullptr : counterparts.CaseTwin(*counterpart);
            if (twin) {
                ReportCaseTwins(run.host, source, counterpart->name, twin->name);
                return 0;
            }
            result = PruneFolder(sourceChild, destinationChild);
        }
        if (!result)
            return 0;
    }
    holders.pop_back();
    return 1;
}

int DeletePass::MayVisit(const std::wstring& folder, const FolderEntry& entry)
{
    if (!run.Step())
        return 0;
    if (plan && !entry.IsFolder())
        ++plan->files;
    // No path reaches the entry itself: acting on it could reach another.
    if (!entry.Usable()) {
        ReportUnusableName(run.host, folder, entry);
        return 0;
    }
    return 1;
}

void DeletePass::Hold(const std::wstring& folder)
{
    holders.push_back(Holder{folder, FolderId(), false});
    holders.back().known = ReadFolderId(folder, &holders.back().id) != 0;
}

int DeletePass::HolderInPlace()
{
    FolderId now;
    if (holders.empty() || !holders.back().known ||
        (ReadFolderId(holders.back().path, &now) && now == holders.back().id))
        return 1;
    ReportDestinationLink(run.host, holders.back().path);
    return 0;
}

int DeletePass::SourceIsTheSame()
{
    // An unplugged drive leaves its mount folder behind, empty: the folder
    // is there, but it is not the one the run started with.
    FolderId now;
    if (sourceIdKnown && (!ReadFolderId(sourceRoot, &now) || !(now == sourceId))) {
        ReportSourceMissing(run.host, sourceRoot, 0);
        return 0;
    }
    return 1;
}

int DeletePass::SourceStillLacks(const std::wstring& sourceChild)
{
    DWORD top = GetFileAttributesW(sourceRoot.c_str());
    if (top == INVALID_FILE_ATTRIBUTES || !(top & FILE_ATTRIBUTE_DIRECTORY)) {
        ReportSourceMissing(run.host, sourceRoot, top == INVALID_FILE_ATTRIBUTES ? GetLastError() : 0);
        return -1;
    }
    if (!SourceIsTheSame())
        return -1;
    if (GetFileAttributesW(sourceChild.c_str()) != INVALID_FILE_ATTRIBUTES)
        return 0;
    DWORD code = GetLastError();
    if (code == ERROR_FILE_NOT_FOUND)
        return 1;
    // Not found along the way: a source folder above it went away.
    ReportSourceMissing(run.host, sourceChild, code);
    return -1;
}

int DeletePass::PruneFile(const std::wstring& sourceChild, const std::wstring& path)
{
    if (run.Excluded(path))
        return 1;
    if (plan) {
        ++plan->counts.deleted;
        if (run.preview)
            run.Log("del", path);
        return 1;
    }
    if (run.confirm) {
        int act = run.Answer(run.host.ConfirmDeleteFile(ShownPath(path), run.recycle), false);
        if (act == 0)
            run.Skip(path);
        if (act <= 0)
            return act == 0;
    }
    // The question may have been up for long: what is deleted is what the
    // source lacks now, and a file, not what came in its place.
    int lacks = SourceStillLacks(sourceChild);
    if (lacks <= 0)
        return lacks == 0;
    if (!HolderInPlace())
        return 0;
    FolderEntry now;
    if (!ReadFolderEntry(path, &now, true) || now.IsFolder())
        return 1;
    if (!KeepsToPlan(path, false))
        return 0;
    run.Log("del", path);
    int gone = run.Dispose(path);
    if (gone > 0)
        ++run.counts.deleted;
    return gone != 0;
}

int DeletePass::RemoveOrphanFolder(const std::wstring& sourceChild, const std::wstring& path)
{
    run.host.ShowStatus(ShownPath(path));
    // With ExcObj a folder that holds object files stays: what else it
    // holds goes entry by entry, each asked about and logged as itself.
    if (run.options.excludeObj && HoldsObjFile(path))
        return PruneOrphanContents(sourceChild, path);
    if (plan) {
        CountTree(path, plan->counts, run.options.excludeObj != 0, &plan->files);
        if (run.preview)
            run.Log("rmdir", path);
        return 1;
    }
    // No on a folder stops the run as well.
    if (run.confirm && run.Answer(run.host.ConfirmRemoveFolder(ShownPath(path), run.recycle), true) < 0)
        return 0;
    int lacks = SourceStillLacks(sourceChild);
    if (lacks <= 0)
        return lacks == 0;
    if (!HolderInPlace() || !KeepsToPlan(path, true))
        return 0;
    run.Log("rmdir", path);
    int binned = run.BinFolder(path);
    if (binned != 2)
        return binned != 0;
    return DeleteTree(run.host, path, &run.counts, run.options.excludeObj != 0, &run);
}

int DeletePass::KeepsToPlan(const std::wstring& path, bool folder)
{
    if (!planned)
        return 1;
    OperationCounts going;
    int seen = 0;
    if (folder)
        CountTree(path, going, run.options.excludeObj != 0, &seen);
    else
        going.deleted = 1;
    Plan now = *planned;
    now.counts.deleted = run.counts.deleted + going.deleted;
    if (!now.Guarded())
        return 1;
    // More goes than the plan showed: the source has changed since. Asked once.
    planned = nullptr;
    return run.Answer(run.host.ConfirmMassDelete(now.counts.deleted, now.files, ShownPath(destinationRoot)), true) >= 0;
}

bool DeletePass::HoldsObjFile(const std::wstring& folder)
{
    DWORD attributes = GetFileAttributesW(folder.c_str());
    FolderIndex listing;
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) ||
        listing.Read(folder) != FolderIndex::Listed)
        return false;
    for (const FolderEntry& entry : listing.Entries()) {
        if (!entry.IsFolder()) {
            if (EndsWith(entry.name, L".obj"))
                return true;
            continue;
        }
        if (entry.Usable() && HoldsObjFile(JoinName(folder, entry.name)))
            return true;
    }
    return false;
}

int DeletePass::PruneOrphanContents(const std::wstring& sourceChild, const std::wstring& path)
{
    FolderIndex listing;
    if (listing.Read(path) != FolderIndex::Listed)
        return 1;
    if (!plan)
        run.RemoveLeftovers(path, listing);
    Hold(path);
    for (const FolderEntry& entry : listing.Entries()) {
        if (!MayVisit(path, entry))
            return 0;
        std::wstring child = JoinName(path, entry.name);
        // The source lacks all of it as long as it lacks the orphan itself.
        if (!(entry.IsFolder() ? RemoveOrphanFolder(sourceChild, child) : PruneFile(sourceChild, child)))
            return 0;
    }
    holders.pop_back();
    return 1;
}
