#include "ListingExchange.h"

#include <cstddef>
#include <cstring>

namespace {

enum SlotState : LONG { Free, Writing, Ready, Taking };
const LONG Magic = 0x4F4C5831;   // "OLX1"
// The header's page, then the slots.
const std::size_t HeaderBytes = 4096;
const DWORD MappingBytes = HeaderBytes + ListingExchange::Slots * ListingExchange::SlotBytes;
// A slot published this many before the one taken was passed by the run.
const LONG64 PassedMargin = 8;

LONG Load(volatile LONG* value)
{
    return InterlockedCompareExchange(value, 0, 0);
}

void CopyPath(char* out, const char* text)
{
    std::strncpy(out, text, EPathSize - 1);
    out[EPathSize - 1] = 0;
}

}

struct ListingExchange::Header {
    LONG magic;
    volatile LONG stop;
    volatile LONG64 nextSerial;
    // Odd while the run writes the frontier.
    volatile LONG frontierSequence;
    char frontier[EPathSize];
    char root[EPathSize];
};

struct ListingExchange::Slot {
    volatile LONG state;
    DWORD bytes;
    LONG64 serial;
    ULONGLONG doneAt;
    DWORD count;
    char folder[EPathSize];
    char data[SlotBytes - 320];
};

ListingExchange::ListingExchange(HANDLE mapping, void* view) : mapping(mapping), header(static_cast<Header*>(view))
{
}

ListingExchange::~ListingExchange()
{
    UnmapViewOfFile(header);
    CloseHandle(mapping);
}

ListingExchange* ListingExchange::Create()
{
    static_assert(sizeof(Header) <= HeaderBytes && sizeof(Slot) <= SlotBytes, "the layout outgrew the mapping");
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, &inherit, PAGE_READWRITE, 0, MappingBytes, nullptr);
    if (!mapping)
        return nullptr;
    void* view = MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, MappingBytes);
    if (!view) {
        CloseHandle(mapping);
        return nullptr;
    }
    // A new mapping is zero-filled: every slot is free.
    ListingExchange* exchange = new ListingExchange(mapping, view);
    exchange->header->magic = Magic;
    return exchange;
}

ListingExchange* ListingExchange::Open(HANDLE mapping)
{
    void* view = MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, MappingBytes);
    if (!view)
        return nullptr;
    if (static_cast<Header*>(view)->magic != Magic) {
        UnmapViewOfFile(view);
        return nullptr;
    }
    return new ListingExchange(mapping, view);
}

ListingExchange::Slot* ListingExchange::SlotAt(int index) const
{
    return reinterpret_cast<Slot*>(reinterpret_cast<char*>(header) + HeaderBytes + std::size_t(index) * SlotBytes);
}

ListingExchange::PublishResult ListingExchange::Publish(const char* folder, const FolderIndex& listing,
                                                        ULONGLONG doneAt)
{
    std::size_t folderLength = std::strlen(folder);
    if (folderLength >= EPathSize)
        return TooLarge;
    for (int i = 0; i < Slots; ++i) {
        Slot* slot = SlotAt(i);
        if (InterlockedCompareExchange(&slot->state, Writing, Free) != Free)
            continue;
        char* out = slot->data;
        char* end = slot->data + sizeof slot->data;
        for (const FolderEntry& entry : listing.Entries()) {
            DWORD length = static_cast<DWORD>(entry.wide.size());
            std::size_t need = 4 + length * sizeof(wchar_t) + 4 + 8 + 8;
            if (static_cast<std::size_t>(end - out) < need) {
                InterlockedExchange(&slot->state, Free);
                return TooLarge;
            }
            std::memcpy(out, &length, 4);
            std::memcpy(out + 4, entry.wide.data(), length * sizeof(wchar_t));
            out += 4 + length * sizeof(wchar_t);
            std::memcpy(out, &entry.attributes, 4);
            std::memcpy(out + 4, &entry.writeTime, 8);
            std::memcpy(out + 12, &entry.size, 8);
            out += 20;
        }
        std::memcpy(slot->folder, folder, folderLength + 1);
        slot->bytes = static_cast<DWORD>(out - slot->data);
        slot->count = static_cast<DWORD>(listing.Entries().size());
        slot->doneAt = doneAt;
        slot->serial = InterlockedIncrement64(&header->nextSerial);
        InterlockedExchange(&slot->state, Ready);
        return Published;
    }
    return NoRoom;
}

int ListingExchange::ReadyCount() const
{
    int ready = 0;
    for (int i = 0; i < Slots; ++i)
        ready += Load(&SlotAt(i)->state) == Ready ? 1 : 0;
    return ready;
}

std::string ListingExchange::Frontier() const
{
    // A run that died while writing it leaves it half-written for good:
    // after a while it is taken as saying nothing.
    char copy[EPathSize];
    for (int attempt = 0; attempt < 10000; ++attempt) {
        LONG before = Load(&header->frontierSequence);
        if (before & 1) {
            YieldProcessor();
            continue;
        }
        std::memcpy(copy, header->frontier, sizeof copy);
        MemoryBarrier();
        if (Load(&header->frontierSequence) == before) {
            copy[EPathSize - 1] = 0;
            return copy;
        }
    }
    return std::string();
}

void ListingExchange::SetRoot(const char* folder)
{
    CopyPath(header->root, folder);
}

std::string ListingExchange::Root() const
{
    return std::string(header->root, strnlen(header->root, EPathSize - 1));
}

bool ListingExchange::Stopping() const
{
    return Load(&header->stop) != 0;
}

void ListingExchange::SetFrontier(const char* folder)
{
    InterlockedIncrement(&header->frontierSequence);
    CopyPath(header->frontier, folder);
    InterlockedIncrement(&header->frontierSequence);
}

void ListingExchange::Stop()
{
    InterlockedExchange(&header->stop, 1);
}

namespace {

// Rebuilds a listing from a slot's bytes; false when they do not hold together.
bool ReadEntries(const char* data, DWORD bytes, DWORD count, FolderIndex* listing)
{
    const char* in = data;
    const char* end = data + bytes;
    std::wstring name;
    listing->Clear();
    for (DWORD i = 0; i < count; ++i) {
        DWORD length;
        if (end - in < 4)
            return false;
        std::memcpy(&length, in, 4);
        in += 4;
        if (length == 0 || length >= MAX_PATH || static_cast<std::size_t>(end - in) < length * sizeof(wchar_t) + 20)
            return false;
        name.resize(length);
        std::memcpy(&name[0], in, length * sizeof(wchar_t));
        in += length * sizeof(wchar_t);
        if (name.find(L'\0') != std::wstring::npos)
            return false;
        DWORD attributes;
        FILETIME writeTime;
        ULONGLONG size;
        std::memcpy(&attributes, in, 4);
        std::memcpy(&writeTime, in + 4, 8);
        std::memcpy(&size, in + 12, 8);
        in += 20;
        listing->Add(name.c_str(), attributes, writeTime, size);
    }
    return in == end;
}

}

bool ListingExchange::Take(const char* folder, DWORD freshMs, FolderIndex* listing, ULONGLONG* doneAt)
{
    ULONGLONG now = GetTickCount64();
    Slot* taken = nullptr;
    for (int i = 0; i < Slots && !taken; ++i) {
        Slot* slot = SlotAt(i);
        // A look before taking the slot, confirmed once it is this thread's
        // and its bytes no longer change.
        if (Load(&slot->state) != Ready ||
            (slot->doneAt + freshMs > now && std::strncmp(slot->folder, folder, EPathSize) != 0) ||
            InterlockedCompareExchange(&slot->state, Taking, Ready) != Ready)
            continue;
        if (slot->doneAt + freshMs <= now)
            InterlockedExchange(&slot->state, Free);
        else if (std::strncmp(slot->folder, folder, EPathSize) == 0)
            taken = slot;
        else
            InterlockedExchange(&slot->state, Ready);
    }
    if (!taken)
        return false;
    bool whole = taken->bytes <= sizeof taken->data && ReadEntries(taken->data, taken->bytes, taken->count, listing);
    LONG64 serial = taken->serial;
    *doneAt = taken->doneAt;
    InterlockedExchange(&taken->state, Free);
    for (int i = 0; i < Slots; ++i) {
        Slot* slot = SlotAt(i);
        if (Load(&slot->state) != Ready || slot->serial >= serial - PassedMargin ||
            InterlockedCompareExchange(&slot->state, Taking, Ready) != Ready)
            continue;
        InterlockedExchange(&slot->state, slot->serial < serial - PassedMargin ? Free : Ready);
    }
    if (!whole)
        listing->Clear();
    return whole;
}
