#ifndef OMBREL_LISTINGSOURCE_H
#define OMBREL_LISTINGSOURCE_H

#include "FolderIndex.h"

#include <windows.h>

// Folder listings read elsewhere than in the run's own threads.
class ListingSource {
public:
    virtual ~ListingSource() = default;
    // The listing of folder, and when it was finished (GetTickCount64), if
    // one is at hand and fresh; false otherwise.
    virtual bool Take(const char* folder, FolderIndex* listing, ULONGLONG* doneAt) = 0;
    // Whether listings are being read there now: while they are, the run's
    // own helpers need not read the same folders ahead.
    virtual bool Active() = 0;
};

#endif
