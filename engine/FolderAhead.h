#ifndef OMBREL_FOLDERAHEAD_H
#define OMBREL_FOLDERAHEAD_H

#include "FolderIndex.h"
#include "WorkAhead.h"

#include <functional>
#include <string>
#include <vector>

// Gives up, on every way out of a scope, the work queued and not taken.
class TicketsKept {
public:
    explicit TicketsKept(WorkAhead& ahead) : ahead(ahead) {}
    TicketsKept(const TicketsKept&) = delete;
    TicketsKept& operator=(const TicketsKept&) = delete;
    ~TicketsKept();
    WorkAhead::Ticket Keep(WorkAhead::Ticket ticket);

private:
    WorkAhead& ahead;
    std::vector<WorkAhead::Ticket> tickets;
};

// The work started ahead for the entries of the folder in hand: the
// listings of its subfolders and the copies of its small files, a few
// entries past the one the pass has reached.
class FolderAhead {
public:
    // A subfolder's two listings.
    struct Listings {
        WorkAhead::Ticket source = WorkAhead::NoTicket;
        WorkAhead::Ticket destination = WorkAhead::NoTicket;
    };
    // What an entry asks of the copies ahead: none for it, a copy written
    // ahead, or a stop: no copy is written past it while it is ahead.
    enum CopyKind { NoCopy, CopyAhead, Barrier };

    // place is where the folder comes in the pass; counterparts holds each
    // entry's counterpart in the destination (or nullptr).
    FolderAhead(WorkAhead& ahead, const WorkAhead::Place& place, const std::wstring& source,
                const std::wstring& destination, const std::vector<FolderEntry>& entries,
                const std::vector<const FolderEntry*>& counterparts, std::function<CopyKind(std::size_t)> copyKind);

    // Starts the work of the entries up to a few past at.
    void Reach(std::size_t at);
    Listings ListingsOf(std::size_t at) const { return listings[at]; }
    WorkAhead::Ticket CopyOf(std::size_t at) const { return copies[at]; }

private:
    WorkAhead::Place PlaceOf(std::size_t at) const;

    WorkAhead& ahead;
    const WorkAhead::Place& place;
    const std::wstring& source;
    const std::wstring& destination;
    const std::vector<FolderEntry>& entries;
    const std::vector<const FolderEntry*>& counterparts;
    std::function<CopyKind(std::size_t)> copyKind;
    std::vector<Listings> listings;
    std::vector<WorkAhead::Ticket> copies;
    std::size_t listedTo = 0;
    std::size_t copiedTo = 0;
    TicketsKept kept;
};

#endif
