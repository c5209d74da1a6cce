#ifndef OMBREL_EWINDOWMAP_H
#define OMBREL_EWINDOWMAP_H

#include <windows.h>

class EWindow;

// Window handle to wrapper. Chains are searched from the head and inserts go
// to the head, so the newest registration of a handle wins and removing it
// makes the older one current again. The map never owns the wrappers.
class EWindowMap {
public:
    enum { BucketCount = 113 };

    EWindowMap();
    virtual ~EWindowMap();
    EWindowMap(const EWindowMap&) = delete;
    EWindowMap& operator=(const EWindowMap&) = delete;

    void Insert(HWND handle, EWindow* window);
    EWindow* Find(HWND handle) const;
    // Unlinks the newest entry of the handle; false when there is none.
    bool Remove(HWND handle);
    // Unlinks the entry of exactly this wrapper, whichever its position.
    bool Remove(HWND handle, EWindow* window);

private:
    struct Entry {
        HWND key;
        EWindow* value;
        Entry* next;
    };

    static unsigned Bucket(HWND handle);
    // Unlinks the newest entry of the handle, or of the handle and window
    // when a window is given.
    bool Unlink(HWND handle, EWindow* window);

    Entry* buckets[BucketCount];
};

#endif
