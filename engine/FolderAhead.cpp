#include "FolderAhead.h"

#include "WidePath.h"

#include <algorithm>

namespace {

// How many entries past the one in hand get their listings and copies
// started: enough to keep the helpers busy, few enough that little is
// thrown away when the run stops.
const std::size_t AheadEntries = 16;

}

TicketsKept::~TicketsKept()
{
    for (WorkAhead::Ticket ticket : tickets)
        ahead.Release(ticket);
}

WorkAhead::Ticket TicketsKept::Keep(WorkAhead::Ticket ticket)
{
    if (ticket != WorkAhead::NoTicket)
        tickets.push_back(ticket);
    return ticket;
}

FolderAhead::FolderAhead(WorkAhead& ahead, const WorkAhead::Place& place, const std::wstring& source,
                         const std::wstring& destination, const std::vector<FolderEntry>& entries,
                         const std::vector<const FolderEntry*>& counterparts,
                         std::function<CopyKind(std::size_t)> copyKind)
    : ahead(ahead), place(place), source(source), destination(destination), entries(entries),
      counterparts(counterparts), copyKind(std::move(copyKind)), listings(entries.size()),
      copies(entries.size(), WorkAhead::NoTicket), kept(ahead)
{
}

WorkAhead::Place FolderAhead::PlaceOf(std::size_t at) const
{
    WorkAhead::Place where(place);
    where.push_back(static_cast<unsigned>(at));
    return where;
}

void FolderAhead::Reach(std::size_t at)
{
    std::size_t end = std::min(entries.size(), at + AheadEntries);
    // Subfolders are listed ahead as far as the window reaches; links are
    // never descended, so never listed.
    for (; listedTo < end; ++listedTo) {
        const FolderEntry& entry = entries[listedTo];
        const FolderEntry* counterpart = counterparts[listedTo];
        if (!entry.IsFolder() || entry.IsLink() || !entry.Usable())
            continue;
        listings[listedTo].source = kept.Keep(ahead.ListLater(PlaceOf(listedTo), JoinName(source, entry.name)));
        if (counterpart && counterpart->IsFolder() && !counterpart->IsLink())
            listings[listedTo].destination =
                kept.Keep(ahead.ListLater(PlaceOf(listedTo), JoinName(destination, entry.name)));
    }
    // Copies are not written past a folder or a large copy, in hand or
    // next: the pass may spend long there, and they would wait in the
    // destination meanwhile.
    for (; copiedTo < end; ++copiedTo) {
        CopyKind kind = copyKind(copiedTo);
        if (kind == Barrier) {
            if (copiedTo >= at)
                break;
            continue;
        }
        if (kind == CopyAhead) {
            const std::wstring& name = entries[copiedTo].name;
            copies[copiedTo] = kept.Keep(
                ahead.CopyLater(PlaceOf(copiedTo), JoinName(source, name), JoinName(destination, name)));
        }
    }
}
