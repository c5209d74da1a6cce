#include <doctest/doctest.h>

#include <cstdint>

#include "EWindowMap.h"

namespace {

HWND Handle(std::uintptr_t value)
{
    return reinterpret_cast<HWND>(value);
}

EWindow* Wrapper(std::uintptr_t value)
{
    return reinterpret_cast<EWindow*>(value);
}

}

TEST_CASE("window map: newest wins, handles in one bucket stay apart, a given wrapper can be removed")
{
    EWindowMap map;
    // 113 apart: same bucket.
    for (int i = 0; i < 3; i++)
        map.Insert(Handle(5 + i * 113), Wrapper(10 + i));
    for (int i = 0; i < 3; i++)
        CHECK(map.Find(Handle(5 + i * 113)) == Wrapper(10 + i));
    CHECK(map.Remove(Handle(5 + 113)));
    CHECK(map.Find(Handle(5)) == Wrapper(10));
    CHECK(map.Find(Handle(5 + 2 * 113)) == Wrapper(12));

    // An older wrapper leaving first keeps the newer one current.
    map.Insert(Handle(5), Wrapper(20));
    CHECK(map.Remove(Handle(5), Wrapper(10)));
    CHECK(map.Find(Handle(5)) == Wrapper(20));
    CHECK_FALSE(map.Remove(Handle(5), Wrapper(10)));
    // Removing the newest brings back the one before it.
    map.Insert(Handle(5), Wrapper(21));
    CHECK(map.Remove(Handle(5)));
    CHECK(map.Find(Handle(5)) == Wrapper(20));
    CHECK(map.Remove(Handle(5)));
    CHECK(map.Find(Handle(5)) == nullptr);
    CHECK_FALSE(map.Remove(Handle(5)));

    // Handles above 32 bits on a 64-bit build.
    if (sizeof(void*) == 8) {
        std::uintptr_t high = static_cast<std::uintptr_t>(1) << (sizeof(void*) * 4 + 8);
        map.Insert(Handle(high), Wrapper(30));
        CHECK(map.Find(Handle(high)) == Wrapper(30));
        CHECK(map.Find(Handle(high % 113)) == nullptr);
    }
}
