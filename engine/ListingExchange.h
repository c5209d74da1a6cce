#ifndef OMBREL_LISTINGEXCHANGE_H
#define OMBREL_LISTINGEXCHANGE_H

#include "FolderIndex.h"
#include "PathText.h"

#include <windows.h>

#include <string>

// Folder listings handed from a lister process to the run, through memory
// both map. Under Wine a process reads one folder at a time, whatever its
// threads do; a second process reads beside it.
// The lister fills free slots with listings; the run takes the one it needs
// by the folder's path, and only while it is fresh, so what it decides on is
// never older than a listing its own helpers read ahead. Anything in a slot
// that does not hold together is ignored, never trusted.
class ListingExchange {
public:
    enum { Slots = 128, SlotBytes = 32 * 1024 };

    // A new exchange whose handle a child process can inherit; nullptr when
    // the memory cannot be had.
    static ListingExchange* Create();
    // The exchange behind a handle the lister inherited.
    static ListingExchange* Open(HANDLE mapping);
    ~ListingExchange();
    ListingExchange(const ListingExchange&) = delete;
    ListingExchange& operator=(const ListingExchange&) = delete;

    HANDLE Mapping() const { return mapping; }
    // The tree to list, set by the run before the lister starts.
    void SetRoot(const char* folder);
    std::string Root() const;

    // The lister's side. Puts the listing of folder, finished at doneAt
    // (GetTickCount64), in a free slot.
    enum PublishResult { Published, NoRoom, TooLarge };
    PublishResult Publish(const char* folder, const FolderIndex& listing, ULONGLONG doneAt);
    // How many listings wait for the run.
    int ReadyCount() const;
    // The folder whose destination listing the run asked for last; empty
    // when that cannot be told.
    std::string Frontier() const;
    bool Stopping() const;

    // The run's side. The listing of folder, and when it was finished, if a
    // slot holds one finished less than freshMs ago; the slot is freed.
    // Slots of listings finished long before it, which the run went past,
    // are freed as well.
    bool Take(const char* folder, DWORD freshMs, FolderIndex* listing, ULONGLONG* doneAt);
    // One thread at a time.
    void SetFrontier(const char* folder);
    void Stop();

private:
    struct Header;
    struct Slot;
    ListingExchange(HANDLE mapping, void* view);
    Slot* SlotAt(int index) const;

    HANDLE mapping;
    Header* header;
};

#endif
