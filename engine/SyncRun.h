#ifndef OMBREL_SYNCRUN_H
#define OMBREL_SYNCRUN_H

#include "FileTrees.h"
#include "FolderIdentity.h"
#include "SyncHost.h"
#include "SyncOptions.h"
#include "WorkAhead.h"

#include <windows.h>

// One run of a sync set: the update pass and, with DELETE on, the delete
// pass. Each folder is listed once per side and every decision is taken from
// those listings. Every operation returns 1 to go on and 0 to stop the run;
// whatever stops it has already been shown (or was the user's own answer).
class SyncRun {
public:
    // The host is borrowed for the life of the run; the options are copied.
    SyncRun(SyncHost& host, const SyncOptions& options);

    // The headless core of a run: refuses unsafe folder pairs before
    // touching anything, sets the abort and confirmation flags afresh for
    // each pass, runs the passes and clears the status text. 1 when every
    // pass ended without stopping.
    int RunSet(const char* source, const char* destination);

    // Brings destination up to date from source (a folder or a file).
    int UpdateTree(const char* source, const char* destination);
    // Removes from destination what source lacks.
    int PruneTree(const char* source, const char* destination);

    // The confirmation flag: nonzero while replacements and removals are asked.
    void SetConfirm(int on) { confirm = on; }
    int Confirm() const { return confirm; }
    // Completed actions since the last RunSet.
    const OperationCounts& Counts() const { return counts; }

private:
    // Work started ahead for a folder's two listings.
    struct FolderTickets {
        WorkAhead::Ticket source = WorkAhead::NoTicket;
        WorkAhead::Ticket destination = WorkAhead::NoTicket;
    };
    // One entry of a folder: its counterpart in the destination's listing,
    // and the work started ahead for it, its listings or its copy.
    struct EntryWork {
        const FolderEntry* counterpart = nullptr;
        FolderTickets folder;
        WorkAhead::Ticket copy = WorkAhead::NoTicket;
    };
    // How far into a folder's entries listings and copies have been started.
    struct AheadCursor {
        std::size_t lists = 0;
        std::size_t copies = 0;
    };
    class TicketsGuard;

    int Step();
    int UpdateFolder(const char* source, const char* destination, DWORD destinationAttributes, bool top,
                     FolderTickets tickets);
    void QueueAhead(const char* source, const char* destination, const std::vector<FolderEntry>& entries,
                    const FolderIndex* existing, std::size_t at, AheadCursor* cursor,
                    std::vector<EntryWork>* work, TicketsGuard* guard);
    // Where an entry of the folder in hand comes in the pass.
    WorkAhead::Place PlaceOf(std::size_t entry) const;
    int PrepareDestination(const char* destination, DWORD attributes, bool top, bool* created);
    int UpdateEntry(const char* sourceFolder, const FolderEntry& entry, const char* destinationFolder,
                    const EntryWork& work);
    // The update pass's decision on a file: missing or older at the destination.
    bool NeedsCopy(const FolderEntry& sourceEntry, const FolderEntry* existing) const;
    int UpdateFile(const char* source, const FolderEntry& sourceEntry, const char* destination,
                   const FolderEntry* existing, WorkAhead::Ticket ticket);
    int SourceLinkIsSafe(const char* link, const char* holder);
    // 0, after a message, when entry or its destination counterpart has a
    // twin differing only in letter case that a path could reach instead.
    int CaseTwinsAreSafe(const char* source, const FolderIndex& listing, const FolderEntry& entry,
                         const char* destination, const FolderIndex& existing, const FolderEntry* counterpart);
    int PruneFolder(const char* source, const char* destination);
    // Each deletes a destination entry whose source counterpart (sourceChild)
    // a listing has shown missing.
    int PruneFile(const char* sourceChild, const char* path);
    int RemoveOrphanFolder(const char* sourceChild, const char* path);
    // Whether folder or a folder below it (links not followed) holds a ".obj" file.
    bool HoldsObjFile(const char* folder);
    // Prunes an orphan folder that stays, entry by entry; sourceChild is the
    // orphan's own counterpart path.
    int PruneOrphanContents(const char* sourceChild, const char* path);
    // Asks the source again just before a deletion: 1 it still lacks the
    // entry, 0 it has it now, -1 the source's top folder or a folder above
    // the entry has gone, or another stands in its place (shown).
    int SourceStillLacks(const char* sourceChild);
    // 0, after a message, when the source's top folder is no longer the one
    // the run started with.
    int SourceIsTheSame();
    // The destination file listed as listed, as it is now: 1 with *current
    // set (nullptr when it has gone) to go on with the copy, 0 when the copy
    // is no longer wanted.
    int RecheckDestination(const FolderEntry& sourceEntry, const char* destination, const FolderEntry& listed,
                           FolderEntry* now, const FolderEntry** current) const;
    int JoinBoth(char* sourceChild, const char* source, char* destinationChild, const char* destination,
                 const char* name);
    // Applies an answer of a confirmation: 1 act, 0 leave it (No), -1 stop.
    // Only Yes and Yes to All act: anything else that ends a question (its
    // window destroyed, the program closing) stops the run like Cancel.
    int Answer(int button, int noStops);

    SyncHost& host;
    const SyncOptions options;
    int confirm = 1;
    const char* destinationRoot = "";
    const char* sourceRoot = "";
    FolderId sourceId;
    bool sourceIdKnown = false;
    OperationCounts counts;
    // The update pass's helpers while it runs, and where in the tree it is.
    WorkAhead* ahead = nullptr;
    WorkAhead::Place place;
};

#endif
