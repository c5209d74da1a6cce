#include "GdiCount.h"

#include <windows.h>

namespace {

// One entry of the GDI handle table that the PEB points to (the same layout
// on Windows and in Wine): a non-zero type marks a live object.
struct HandleEntry {
    ULONGLONG object;
    USHORT processId;
    USHORT count;
    USHORT unique;
    UCHAR type;
    UCHAR flags;
    ULONGLONG user;
};

long CountTableEntries()
{
    typedef void*(WINAPI * CurrentPeb)();
    // Through void (*)(): the cast between function types that is meant.
    CurrentPeb currentPeb = reinterpret_cast<CurrentPeb>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "RtlGetCurrentPeb")));
    if (!currentPeb)
        return 0;
    const char* peb = static_cast<const char*>(currentPeb());
    const std::size_t offset = sizeof(void*) == 8 ? 0xF8 : 0x94;
    const HandleEntry* table = *reinterpret_cast<const HandleEntry* const*>(peb + offset);
    MEMORY_BASIC_INFORMATION region;
    if (!table || !VirtualQuery(table, &region, sizeof region) || region.State != MEM_COMMIT)
        return 0;
    std::size_t bytes = static_cast<const char*>(region.BaseAddress) + region.RegionSize -
                        reinterpret_cast<const char*>(table);
    std::size_t entries = bytes / sizeof(HandleEntry);
    if (entries > 0x10000)
        entries = 0x10000;
    USHORT self = static_cast<USHORT>(GetCurrentProcessId());
    long mine = 0, live = 0;
    for (std::size_t i = 0; i < entries; i++) {
        if (!table[i].type)
            continue;
        live++;
        mine += table[i].processId == self;
    }
    // Wine keeps a table per process and leaves the owner empty.
    return mine ? mine : live;
}

}

GdiCount::GdiCount()
{
    objects = static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
    method = "GetGuiResources";
    if (objects == 0) {
        objects = CountTableEntries();
        method = "GDI handle table";
    }
}
