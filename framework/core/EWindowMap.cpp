#include "EWindowMap.h"

#include <cstdint>

EWindowMap::EWindowMap()
{
    for (Entry*& head : buckets)
        head = nullptr;
}

EWindowMap::~EWindowMap()
{
    for (Entry* head : buckets) {
        while (head) {
            Entry* next = head->next;
            delete head;
            head = next;
        }
    }
}

unsigned EWindowMap::Bucket(HWND handle)
{
    return static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(handle) % BucketCount);
}

void EWindowMap::Insert(HWND handle, EWindow* window)
{
    Entry*& head = buckets[Bucket(handle)];
    head = new Entry{handle, window, head};
}

EWindow* EWindowMap::Find(HWND handle) const
{
    for (Entry* e = buckets[Bucket(handle)]; e; e = e->next)
        if (e->key == handle)
            return e->value;
    return nullptr;
}

bool EWindowMap::Remove(HWND handle)
{
    return Unlink(handle, nullptr);
}

bool EWindowMap::Remove(HWND handle, EWindow* window)
{
    return Unlink(handle, window);
}

bool EWindowMap::Unlink(HWND handle, EWindow* window)
{
    for (Entry** link = &buckets[Bucket(handle)]; *link; link = &(*link)->next) {
        Entry* e = *link;
        if (e->key == handle && (!window || e->value == window)) {
            *link = e->next;
            delete e;
            return true;
        }
    }
    return false;
}
