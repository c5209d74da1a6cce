#include "UpdatePass.h"

#include "EngineReports.h"
#include "FileActions.h"
#include "FileQueries.h"
#include "FolderIdentity.h"
#include "PumpedCopy.h"
#include "TemporaryCopy.h"
#include "TreeReports.h"
#include "WidePath.h"

namespace {

// Helper threads for the pass: two keep Wine's server busy; more only wait
// their turn there.
const int AheadThreads = 2;
// Larger files are copied when their turn comes: their copy takes long
// enough by itself, and copies written ahead take room on the destination
// disk before the files in front of them are done.
const ULONGLONG AheadCopyBytes = 1024 * 1024;

}

int UpdatePass::Run(const std::wstring& source, const std::wstring& destination)
{
    if (!run.Step())
        return 0;
    destinationRoot = destination;
    DWORD sourceAttributes = GetFileAttributesW(source.c_str());
    DWORD destinationAttributes = GetFileAttributesW(destination.c_str());
    bool folder = sourceAttributes != INVALID_FILE_ATTRIBUTES && (sourceAttributes & FILE_ATTRIBUTE_DIRECTORY);
    WorkAhead work(folder && readAhead ? AheadThreads : 0);
    work.WhileWaiting([this] { run.host.PumpOneMessage(); });
    ahead = &work;
    place.clear();
    int result;
    WriteGate top(run, destination, WriteGate::Chosen);
    if (folder) {
        result = UpdateFolder(source, destination, destinationAttributes, true, FolderAhead::Listings(), top);
    } else {
        // A file that vanished ends the run without a message.
        FolderEntry sourceEntry;
        result = 0;
        if (ReadFolderEntry(source, &sourceEntry)) {
            std::wstring target = destination;
            if (destinationAttributes != INVALID_FILE_ATTRIBUTES && (destinationAttributes & FILE_ATTRIBUTE_DIRECTORY))
                target = JoinName(destination, LastName(source));
            FolderEntry existing;
            bool exists = ReadFolderEntry(target, &existing) && !existing.IsFolder();
            result = UpdateFile(source, sourceEntry, target, exists ? &existing : nullptr, WorkAhead::NoTicket, top);
        }
    }
    ahead = nullptr;
    return result;
}

int UpdatePass::WriteGate::Open()
{
    if (chosen || seenAt == run.answered)
        return 1;
    DWORD attributes = GetFileAttributesW(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        ReportUnreadableFolder(run.host, folder, GetLastError());
    else if (!(attributes & FILE_ATTRIBUTE_DIRECTORY))
        ReportFileInTheWay(run.host, folder);
    else if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        ReportDestinationLink(run.host, folder);
    else
        seenAt = run.answered;
    return seenAt == run.answered ? 1 : 0;
}

int UpdatePass::PrepareDestination(const std::wstring& destination, DWORD attributes, bool top, WriteGate& parent,
                                   bool* created)
{
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        *created = true;
        if (run.preview) {
            run.Log("mkdir", destination);
            ++run.counts.createdFolders;
            return 1;
        }
        if (top) {
            run.Log("mkdir", destination);
            return CreatePath(run.host, destination, &run.counts);
        }
        if (!parent.Open())
            return 0;
        run.Log("mkdir", destination);
        if (!CreateFolderWithReport(run.host, destination))
            return 0;
        ++run.counts.createdFolders;
        return 1;
    }
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        ReportFileInTheWay(run.host, destination);
        return 0;
    }
    // The top folder is the user's choice; a link below it leads elsewhere.
    if (!top && (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        ReportDestinationLink(run.host, destination);
        return 0;
    }
    return 1;
}

int UpdatePass::UpdateFolder(const std::wstring& source, const std::wstring& destination,
                             DWORD destinationAttributes, bool top, FolderAhead::Listings listings, WriteGate& parent)
{
    TicketsKept incoming(*ahead);
    incoming.Keep(listings.destination);
    run.host.ShowStatus(ShownPath(source));
    // A source folder that cannot be listed is not an empty one. It is
    // listed before its copy is made, so that one renamed or removed since
    // its parent was listed leaves nothing behind.
    FolderIndex listing;
    if (ahead->TakeListing(listings.source, source, &listing) != FolderIndex::Listed) {
        ReportUnreadableFolder(run.host, source, listing.Error());
        return 0;
    }
    run.RemoveLeftovers(source, listing);
    // A folder gone since its parent was listed is made anew.
    FolderIndex existing;
    FolderIndex::Status status = FolderIndex::Missing;
    if (destinationAttributes != INVALID_FILE_ATTRIBUTES)
        status = ahead->TakeListing(listings.destination, destination, &existing);
    if (status == FolderIndex::Missing && !top)
        destinationAttributes = INVALID_FILE_ATTRIBUTES;
    bool created = false;
    if (!PrepareDestination(destination, destinationAttributes, top, parent, &created))
        return 0;
    WriteGate::Start start = WriteGate::Unseen;
    if (top && !created && (destinationAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
        start = WriteGate::Chosen;
    else if (top || created)
        start = WriteGate::Made;
    WriteGate gate(run, destination, start);
    if (!created) {
        if (status != FolderIndex::Listed) {
            ReportUnreadableFolder(run.host, destination, existing.Error());
            return 0;
        }
        if (!existing.Leftovers().empty() && !gate.Open())
            return 0;
        run.RemoveLeftovers(destination, existing);
    }
    const std::vector<FolderEntry>& entries = listing.Entries();
    std::vector<const FolderEntry*> counterparts(entries.size());
    for (std::size_t at = 0; at < entries.size(); ++at)
        counterparts[at] = created ? nullptr : existing.Find(entries[at].name);
    FolderAhead work(*ahead, place, source, destination, entries, counterparts,
                     [&](std::size_t at) { return CopyKindOf(entries[at], counterparts[at]); });
    for (std::size_t at = 0; at < entries.size(); ++at) {
        if (!run.Step())
            return 0;
        work.Reach(at);
        if (!CaseTwinsAreSafe(source, listing, entries[at], destination, existing, counterparts[at]))
            return 0;
        place.push_back(static_cast<unsigned>(at));
        int result = UpdateEntry(source, entries[at], destination, counterparts[at], work.ListingsOf(at),
                                 work.CopyOf(at), gate);
        place.pop_back();
        if (!result)
            return 0;
    }
    return 1;
}

FolderAhead::CopyKind UpdatePass::CopyKindOf(const FolderEntry& entry, const FolderEntry* counterpart) const
{
    if (entry.IsFolder())
        return FolderAhead::Barrier;
    if (!NeedsCopy(entry, counterpart) || run.preview)
        return FolderAhead::NoCopy;
    if (entry.size > AheadCopyBytes)
        return FolderAhead::Barrier;
    // A copy that a question comes before is read after the answer.
    if (!entry.Usable() || (counterpart && (run.confirm || counterpart->IsFolder())))
        return FolderAhead::NoCopy;
    return FolderAhead::CopyAhead;
}

int UpdatePass::UpdateEntry(const std::wstring& sourceFolder, const FolderEntry& entry,
                            const std::wstring& destinationFolder, const FolderEntry* existing,
                            FolderAhead::Listings listings, WorkAhead::Ticket copy, WriteGate& gate)
{
    // No path reaches the entry itself: acting on it could reach another.
    if (!entry.Usable()) {
        ReportUnusableName(run.host, sourceFolder, entry);
        return 0;
    }
    std::wstring source = JoinName(sourceFolder, entry.name);
    std::wstring destination = JoinName(destinationFolder, entry.name);
    if (entry.IsFolder()) {
        if (entry.IsLink() && !SourceLinkIsSafe(source, sourceFolder))
            return 0;
        return UpdateFolder(source, destination, existing ? existing->attributes : INVALID_FILE_ATTRIBUTES, false,
                            listings, gate);
    }
    if (!existing || !existing->IsFolder())
        return UpdateFile(source, entry, destination, existing, copy, gate);
    // A folder of the file's name: the file goes inside it.
    if (existing->IsLink()) {
        ReportDestinationLink(run.host, destination);
        return 0;
    }
    std::wstring inside = JoinName(destination, entry.name);
    FolderEntry insideEntry;
    bool exists = ReadFolderEntry(inside, &insideEntry) && !insideEntry.IsFolder();
    WriteGate folderGate(run, destination, WriteGate::Unseen);
    return UpdateFile(source, entry, inside, exists ? &insideEntry : nullptr, WorkAhead::NoTicket, folderGate);
}

int UpdatePass::CaseTwinsAreSafe(const std::wstring& source, const FolderIndex& listing, const FolderEntry& entry,
                                 const std::wstring& destination, const FolderIndex& existing,
                                 const FolderEntry* counterpart)
{
    // An exact counterpart is the entry's own, whatever twins stand beside it.
    if (counterpart && counterpart->name == entry.name)
        return 1;
    // Otherwise its path reaches whichever twin the file system picks.
    if (const FolderEntry* twin = listing.CaseTwin(entry)) {
        ReportCaseTwins(run.host, source, entry.name, twin->name);
        return 0;
    }
    if (const FolderEntry* twin = counterpart ? existing.CaseTwin(*counterpart) : nullptr) {
        ReportCaseTwins(run.host, destination, counterpart->name, twin->name);
        return 0;
    }
    return 1;
}

int UpdatePass::SourceLinkIsSafe(const std::wstring& link, const std::wstring& holder)
{
    // Back to a folder that holds it, the walk would never end; around the
    // destination, it would copy the destination into itself.
    if (IsSameOrInside(holder, link) || IsSameOrInside(destinationRoot, link)) {
        ReportSourceLink(run.host, link);
        return 0;
    }
    return 1;
}

bool UpdatePass::NeedsCopy(const FolderEntry& sourceEntry, const FolderEntry* existing) const
{
    if (run.Excluded(sourceEntry.name))
        return false;
    if (!existing)
        return true;
    int newer = Newer(sourceEntry, *existing);
    // The same time and another size: changed all the same.
    return newer > 0 || (newer == 0 && sourceEntry.size != existing->size);
}

int UpdatePass::Newer(const FolderEntry& sourceEntry, const FolderEntry& existing) const
{
    return run.options.dosTime ? CompareDosTime(sourceEntry.writeTime, existing.writeTime)
                               : CompareFileTime(&sourceEntry.writeTime, &existing.writeTime);
}

int UpdatePass::UpdateFile(const std::wstring& source, const FolderEntry& sourceEntry,
                           const std::wstring& destination, const FolderEntry* existing, WorkAhead::Ticket ticket,
                           WriteGate& gate)
{
    if (!NeedsCopy(sourceEntry, existing)) {
        if (existing && !run.Excluded(sourceEntry.name) && Newer(sourceEntry, *existing) < 0)
            run.NoteNewer(source, destination);
        return 1;
    }
    if (run.preview) {
        run.Log("copy", source, destination);
        ++(existing ? run.counts.replaced : run.counts.copied);
        run.counts.bytes += sourceEntry.size;
        return 1;
    }
    // No copy is started ahead of a question (see CopyKindOf): the file is
    // read after the answer.
    if (existing && run.confirm) {
        int act = run.Answer(run.host.ConfirmReplace(ShownPath(source), ShownPath(destination)), false);
        if (act == 0)
            run.Skip(source, destination);
        if (act <= 0)
            return act == 0;
    }
    // The listing may be long past: another program may have saved the
    // destination since, during a question or an earlier large copy.
    // A file that was missing needs no second look: the copy never replaces
    // one that came meanwhile (see CommitCopyWithReport).
    FolderEntry now;
    if (existing && !RecheckDestination(sourceEntry, destination, *existing, &now, &existing))
        return 1;
    if (!gate.Open())
        return 0;
    run.Log("copy", source, destination);
    TemporaryCopy copy;
    if (ticket == WorkAhead::NoTicket && sourceEntry.size > AheadCopyBytes) {
        if (!PumpedCopy::Write(run, source, destination, &copy))
            return 0;
    } else {
        ahead->TakeCopy(ticket, source, destination, &copy);
    }
    // And once more after this copy, which may have taken long itself.
    FolderEntry later;
    if (copy.Written() && existing && !RecheckDestination(sourceEntry, destination, *existing, &later, &existing))
        return 1;
    // Read-only, hidden and system would keep the copy from replacing it.
    // They are cleared only where present, and put back when the copy fails;
    // never through a link, where they belong to its target.
    bool replace = copy.Written() && existing;
    // The old version goes to the Recycle Bin first, while the run uses it;
    // replaced for good, it goes in one step as ever.
    int binned = replace ? run.Bin(destination) : 2;
    if (binned <= 0)
        return binned == 0 ? 0 : 1;
    replace = replace && binned == 2;
    // A file that cannot be read or replaced fails here; the run may skip it.
    RunContext::Attempt attempt;
    bool cleared = replace && (existing->attributes & BlockingAttributes) && !IsLinkAt(destination) &&
                   SetAttributesWithReport(attempt, destination, FILE_ATTRIBUTE_NORMAL);
    if (!CommitCopyWithReport(attempt, copy, source, destination, replace)) {
        if (cleared)
            SetFileAttributesW(destination.c_str(), existing->attributes);
        if (binned == 1) {
            run.host.ShowError(attempt.text);
            ReportOldVersionInBin(run.host, destination);
            return 0;
        }
        bool reading = !copy.Written() && copy.SourceFault();
        return run.FileFailed(attempt, source, reading ? std::wstring() : destination);
    }
    ++(existing ? run.counts.replaced : run.counts.copied);
    run.counts.bytes += sourceEntry.size;
    return 1;
}

int UpdatePass::RecheckDestination(const FolderEntry& sourceEntry, const std::wstring& destination,
                                   const FolderEntry& listed, FolderEntry* now, const FolderEntry** current) const
{
    if (!ReadFolderEntry(destination, now)) {
        *current = nullptr;
        return 1;
    }
    // Gone, with a case twin found in its stead: the copy would land on the twin.
    if (now->name != listed.name)
        return 0;
    if (now->attributes == listed.attributes && now->size == listed.size &&
        CompareFileTime(&now->writeTime, &listed.writeTime) == 0) {
        *current = &listed;
        return 1;
    }
    // Changed: replaced only while it still needs the copy. A folder in its
    // place waits for the next run.
    if (now->IsFolder() || !NeedsCopy(sourceEntry, now))
        return 0;
    *current = now;
    return 1;
}
