#include "SyncRun.h"

#include "EngineReports.h"
#include "FileActions.h"
#include "FileQueries.h"
#include "FolderIdentity.h"
#include "FolderIndex.h"
#include "PathText.h"
#include "TemporaryCopy.h"
#include "TreeReports.h"

#include <algorithm>

namespace {

// Helper threads for the update pass: two keep Wine's server busy; more
// only wait their turn there.
const int AheadThreads = 2;
// How many entries past the one in hand get their listings and copies
// started: enough to keep the helpers busy, few enough that little is
// thrown away when the run stops.
const std::size_t AheadEntries = 16;
// Larger files are copied when their turn comes: their copy takes long
// enough by itself, and copies written ahead take room on the destination
// disk before the files in front of them are done.
const ULONGLONG AheadCopyBytes = 1024 * 1024;

}

// Gives up, on every way out of a folder, the work queued for it and not taken.
class SyncRun::TicketsGuard {
public:
    explicit TicketsGuard(WorkAhead& ahead) : ahead(ahead) {}
    TicketsGuard(const TicketsGuard&) = delete;
    TicketsGuard& operator=(const TicketsGuard&) = delete;
    ~TicketsGuard()
    {
        for (WorkAhead::Ticket ticket : tickets)
            ahead.Release(ticket);
    }
    WorkAhead::Ticket Keep(WorkAhead::Ticket ticket)
    {
        if (ticket != WorkAhead::NoTicket)
            tickets.push_back(ticket);
        return ticket;
    }

private:
    WorkAhead& ahead;
    std::vector<WorkAhead::Ticket> tickets;
};

int SyncRun::UpdateTree(const char* source, const char* destination)
{
    if (!Step())
        return 0;
    destinationRoot = destination;
    DWORD sourceAttributes = GetFileAttributesA(source);
    DWORD destinationAttributes = GetFileAttributesA(destination);
    if (sourceAttributes != INVALID_FILE_ATTRIBUTES && (sourceAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        WorkAhead work(AheadThreads);
        ahead = &work;
        place.clear();
        int result = UpdateFolder(source, destination, destinationAttributes, true, FolderTickets());
        ahead = nullptr;
        return result;
    }
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
    return UpdateFile(source, sourceEntry, target, exists ? &existing : nullptr, WorkAhead::NoTicket);
}

int SyncRun::PrepareDestination(const char* destination, DWORD attributes, bool top, bool* created)
{
    HWND owner = host.Owner();
    // The parent's listing may be past: a folder swapped for a link since
    // would have the copies written through it.
    if (!top && attributes != INVALID_FILE_ATTRIBUTES)
        attributes = GetFileAttributesA(destination);
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

int SyncRun::UpdateFolder(const char* source, const char* destination, DWORD destinationAttributes, bool top,
                          FolderTickets tickets)
{
    TicketsGuard guard(*ahead);
    guard.Keep(tickets.destination);
    host.ShowStatus(source);
    // A source folder that cannot be listed is not an empty one. It is
    // listed before its copy is made, so that one renamed or removed since
    // its parent was listed leaves nothing behind.
    FolderIndex listing;
    if (ahead->TakeListing(tickets.source, source, false, &listing) != FolderIndex::Listed) {
        ReportUnreadableFolder(host.Owner(), source, listing.Error());
        return 0;
    }
    bool created = false;
    if (!PrepareDestination(destination, destinationAttributes, top, &created))
        return 0;
    FolderIndex existing;
    if (!created && ahead->TakeListing(tickets.destination, destination, true, &existing) != FolderIndex::Listed) {
        ReportUnreadableFolder(host.Owner(), destination, existing.Error());
        return 0;
    }
    const std::vector<FolderEntry>& entries = listing.Entries();
    std::vector<EntryWork> work(entries.size());
    AheadCursor cursor;
    for (std::size_t at = 0; at < entries.size(); ++at) {
        if (!Step())
            return 0;
        QueueAhead(source, destination, entries, created ? nullptr : &existing, at, &cursor, &work, &guard);
        if (!CaseTwinsAreSafe(source, listing, entries[at], destination, existing, work[at].counterpart))
            return 0;
        place.push_back(static_cast<unsigned>(at));
        int result = UpdateEntry(source, entries[at], destination, work[at]);
        place.pop_back();
        if (!result)
            return 0;
    }
    return 1;
}

void SyncRun::QueueAhead(const char* source, const char* destination, const std::vector<FolderEntry>& entries,
                         const FolderIndex* existing, std::size_t at, AheadCursor* cursor,
                         std::vector<EntryWork>* work, TicketsGuard* guard)
{
    std::size_t end = std::min(entries.size(), at + AheadEntries);
    char sourceChild[EPathSize];
    char destinationChild[EPathSize];
    // Every entry is matched with its counterpart here, once; folders are
    // listed ahead as far as the window reaches.
    for (; cursor->lists < end; ++cursor->lists) {
        const FolderEntry& entry = entries[cursor->lists];
        EntryWork& next = (*work)[cursor->lists];
        next.counterpart = existing ? existing->Find(entry.wide) : nullptr;
        if (!entry.IsFolder() || entry.IsLink() || !entry.Usable() ||
            !JoinPath(sourceChild, source, entry.name.c_str()) ||
            !JoinPath(destinationChild, destination, entry.name.c_str()))
            continue;
        next.folder.source = guard->Keep(ahead->ListLater(PlaceOf(cursor->lists), sourceChild, false));
        if (next.counterpart && next.counterpart->IsFolder() && !next.counterpart->IsLink())
            next.folder.destination = guard->Keep(ahead->ListLater(PlaceOf(cursor->lists), destinationChild, true));
    }
    // Copies are not written past a folder or a large copy, in hand or
    // next: the pass may spend long there, and they would wait in the
    // destination meanwhile. Nor are copies that a question comes before:
    // the file is read after the answer.
    for (; cursor->copies < end; ++cursor->copies) {
        const FolderEntry& entry = entries[cursor->copies];
        EntryWork& next = (*work)[cursor->copies];
        bool copied = !entry.IsFolder() && NeedsCopy(entry, next.counterpart);
        if (entry.IsFolder() || (copied && entry.size > AheadCopyBytes)) {
            if (cursor->copies >= at)
                break;
            continue;
        }
        if (!copied || !entry.Usable() || (next.counterpart && confirm) ||
            (next.counterpart && next.counterpart->IsFolder()) ||
            !JoinPath(sourceChild, source, entry.name.c_str()) ||
            !JoinPath(destinationChild, destination, entry.name.c_str()))
            continue;
        next.copy = guard->Keep(ahead->CopyLater(PlaceOf(cursor->copies), sourceChild, destinationChild));
    }
}

WorkAhead::Place SyncRun::PlaceOf(std::size_t entry) const
{
    WorkAhead::Place at(place);
    at.push_back(static_cast<unsigned>(entry));
    return at;
}

int SyncRun::UpdateEntry(const char* sourceFolder, const FolderEntry& entry, const char* destinationFolder,
                         const EntryWork& work)
{
    const FolderEntry* existing = work.counterpart;
    HWND owner = host.Owner();
    const char* name = entry.name.c_str();
    // The code page has no exact form of the name: acting on what it shows
    // ('?', a wildcard, or a look-alike) could reach another file.
    if (!entry.Usable()) {
        ReportUnusableName(owner, sourceFolder, entry);
        return 0;
    }
    char source[EPathSize];
    char destination[EPathSize];
    if (!JoinBoth(source, sourceFolder, destination, destinationFolder, name))
        return 0;
    if (entry.IsFolder()) {
        if (entry.IsLink() && !SourceLinkIsSafe(source, sourceFolder))
            return 0;
        return UpdateFolder(source, destination, existing ? existing->attributes : INVALID_FILE_ATTRIBUTES, false,
                            work.folder);
    }
    if (!existing || !existing->IsFolder())
        return UpdateFile(source, entry, destination, existing, work.copy);
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
    return UpdateFile(source, entry, inside, exists ? &insideEntry : nullptr, WorkAhead::NoTicket);
}

int SyncRun::CaseTwinsAreSafe(const char* source, const FolderIndex& listing, const FolderEntry& entry,
                              const char* destination, const FolderIndex& existing, const FolderEntry* counterpart)
{
    // An exact counterpart is the entry's own, whatever twins stand beside it.
    if (counterpart && counterpart->wide == entry.wide)
        return 1;
    // Otherwise its path reaches whichever twin the file system picks.
    if (const FolderEntry* twin = listing.CaseTwin(entry)) {
        ReportCaseTwins(host.Owner(), source, entry.name.c_str(), twin->name.c_str());
        return 0;
    }
    if (const FolderEntry* twin = counterpart ? existing.CaseTwin(*counterpart) : nullptr) {
        ReportCaseTwins(host.Owner(), destination, counterpart->name.c_str(), twin->name.c_str());
        return 0;
    }
    return 1;
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

bool SyncRun::NeedsCopy(const FolderEntry& sourceEntry, const FolderEntry* existing) const
{
    if (options.excludeObj && HasSuffix(sourceEntry.name.c_str(), ".obj"))
        return false;
    if (!existing)
        return true;
    int newer = options.dosTime ? CompareDosTime(sourceEntry.writeTime, existing->writeTime)
                                : CompareFileTime(&sourceEntry.writeTime, &existing->writeTime);
    return newer > 0;
}

int SyncRun::UpdateFile(const char* source, const FolderEntry& sourceEntry, const char* destination,
                        const FolderEntry* existing, WorkAhead::Ticket ticket)
{
    if (!NeedsCopy(sourceEntry, existing))
        return 1;
    // No copy is started ahead of a question (see QueueAhead): the file is
    // read after the answer.
    if (existing && confirm) {
        int act = Answer(host.ConfirmReplace(source, destination), 0);
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
    host.LogOperation("copy", source, destination);
    HWND owner = host.Owner();
    TemporaryCopy copy;
    if (ahead)
        ahead->TakeCopy(ticket, source, destination, &copy);
    else
        copy.Write(source, destination);
    // And once more after this copy, which may have taken long itself.
    FolderEntry later;
    if (copy.Written() && existing && !RecheckDestination(sourceEntry, destination, *existing, &later, &existing))
        return 1;
    // Read-only, hidden and system would keep the copy from replacing it.
    // They are cleared only where present, and put back when the copy fails;
    // never through a link, where they belong to its target.
    const DWORD blocking = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    bool cleared = copy.Written() && existing && (existing->attributes & blocking) && !IsLinkAt(destination) &&
                   SetAttributesWithReport(owner, destination, FILE_ATTRIBUTE_NORMAL);
    if (!CommitCopyWithReport(owner, copy, source, destination, existing != nullptr)) {
        if (cleared)
            SetFileAttributesA(destination, existing->attributes);
        return 0;
    }
    ++counts.copied;
    return 1;
}

int SyncRun::RecheckDestination(const FolderEntry& sourceEntry, const char* destination, const FolderEntry& listed,
                                FolderEntry* now, const FolderEntry** current) const
{
    if (!ReadFolderEntry(destination, now)) {
        *current = nullptr;
        return 1;
    }
    // Gone, with a case twin found in its stead: the copy would land on the twin.
    if (now->wide != listed.wide)
        return 0;
    if (now->attributes == listed.attributes && now->size == listed.size &&
        CompareFileTime(&now->writeTime, &listed.writeTime) == 0) {
        *current = &listed;
        return 1;
    }
    // Changed: replaced only while still older than the source. A folder in
    // its place waits for the next run.
    if (now->IsFolder() || !NeedsCopy(sourceEntry, now))
        return 0;
    *current = now;
    return 1;
}
