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
    // Stands before the writes into a destination folder: the listing that
    // showed it a folder may be long past, and one swapped for a link since
    // would have the writes land elsewhere. It looks again before the first
    // write, and before the first after each question, which may have been
    // up for long; a pass that writes nothing there, or asks nothing, costs
    // the file system nothing more.
    class WriteGate {
    public:
        // Made: a folder the run has just made, or the top one as the run
        // found it. Chosen: the top one when it is a link, or the top file's
        // place: the user's choice, never looked at.
        enum Start { Unseen, Made, Chosen };
        WriteGate(RunContext& run, const std::wstring& folder, Start start)
            : run(run), folder(folder), chosen(start == Chosen), seenAt(start == Made ? run.answered : -1)
        {
        }
        int Open();

    private:
        RunContext& run;
        const std::wstring& folder;
        const bool chosen;
        // The count of answers when it was last found a folder; -1 never.
        int seenAt;
    };

    int UpdateFolder(const std::wstring& source, const std::wstring& destination, DWORD destinationAttributes,
                     bool top, FolderAhead::Listings listings, WriteGate& parent);
    int PrepareDestination(const std::wstring& destination, DWORD attributes, bool top, WriteGate& parent,
                           bool* created);
    int UpdateEntry(const std::wstring& sourceFolder, const FolderEntry& entry, const std::wstring& destinationFolder,
                    const FolderEntry* counterpart, FolderAhead::Listings listings, WorkAhead::Ticket copy,
                    WriteGate& gate);
    // The pass's decision on a file: missing at the destination, older
    // there, or of the same time and another size.
    bool NeedsCopy(const FolderEntry& sourceEntry, const FolderEntry* existing) const;
    // As CompareFileTime, at two-second steps with DOSTIME.
    int Newer(const FolderEntry& sourceEntry, const FolderEntry& existing) const;
    FolderAhead::CopyKind CopyKindOf(const FolderEntry& entry, const FolderEntry* counterpart) const;
    int UpdateFile(const std::wstring& source, const FolderEntry& sourceEntry, const std::wstring& destination,
                   const FolderEntry* existing, WorkAhead::Ticket ticket, WriteGate& gate);
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
