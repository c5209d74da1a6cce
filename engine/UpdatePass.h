#ifndef OMBREL_UPDATEPASS_H
#define OMBREL_UPDATEPASS_H

#include "FolderAhead.h"
#include "FolderIndex.h"
#include "RunContext.h"
#include "WorkAhead.h"

#include <windows.h>

#include <string>

// The update pass: copies into the destination what it lacks or holds in an
// older version. Each folder is listed once per side; then, entry by entry
// in the source's order, the pass decides, asks, logs and acts. Every
// operation returns 1 to go on and 0 to stop the run; whatever stops it has
// already been told (or was the user's own answer).
class UpdatePass {
public:
    // With readAhead, helper threads list subfolders and write small copies
    // before the pass reaches them; without, the results are the same.
    UpdatePass(RunContext& run, bool readAhead) : run(run), readAhead(readAhead) {}

    // Brings destination up to date from source (a folder or a file). Both
    // are full paths in the \\?\ form.
    int Run(const std::wstring& source, const std::wstring& destination);

private:
    int UpdateFolder(const std::wstring& source, const std::wstring& destination, DWORD destinationAttributes,
                     bool top, FolderAhead::Listings listings);
    int PrepareDestination(const std::wstring& destination, DWORD attributes, bool top, bool* created);
    int UpdateEntry(const std::wstring& sourceFolder, const FolderEntry& entry, const std::wstring& destinationFolder,
                    const FolderEntry* counterpart, FolderAhead::Listings listings, WorkAhead::Ticket copy);
    // The pass's decision on a file: missing or older at the destination.
    bool NeedsCopy(const FolderEntry& sourceEntry, const FolderEntry* existing) const;
    FolderAhead::CopyKind CopyKindOf(const FolderEntry& entry, const FolderEntry* counterpart) const;
    int UpdateFile(const std::wstring& source, const FolderEntry& sourceEntry, const std::wstring& destination,
                   const FolderEntry* existing, WorkAhead::Ticket ticket);
    int SourceLinkIsSafe(const std::wstring& link, const std::wstring& holder);
    // 0, after a message, when entry or its destination counterpart has a
    // twin differing only in letter case that a path could reach instead.
    int CaseTwinsAreSafe(const std::wstring& source, const FolderIndex& listing, const FolderEntry& entry,
                         const std::wstring& destination, const FolderIndex& existing,
                         const FolderEntry* counterpart);
    // The destination file listed as listed, as it is now: 1 with *current
    // set (nullptr when it has gone) to go on with the copy, 0 when the copy
    // is no longer wanted.
    int RecheckDestination(const FolderEntry& sourceEntry, const std::wstring& destination,
                           const FolderEntry& listed, FolderEntry* now, const FolderEntry** current) const;

    RunContext& run;
    const bool readAhead;
    std::wstring destinationRoot;
    // The helpers while the pass runs, and where in the tree it is.
    WorkAhead* ahead = nullptr;
    WorkAhead::Place place;
};

#endif
