#include <doctest/doctest.h>

#include <cstdint>

#include "EWindowMap.h"

TEST_CASE("window map: newest wins, handles in one bucket stay apart, a given wrapper can be removed")
{
    auto handle = [](std::uintptr_t value) { return reinterpret_cast<HWND>(value); };
    auto wrapper = [](std::uintptr_t value) { return reinterpret_cast<EWindow*>(value); };
    EWindowMap map;
    // 113 apart: same bucket.
    for (int i = 0; i < 3; i++)
        map.Insert(handle(5 + i * 113), wrapper(10 + i));
    for (int i = 0; i < 3; i++)
        CHECK(map.Find(handle(5 + i * 113)) == wrapper(10 + i));
    CHECK(map.Remove(handle(5 + 113)));
    CHECK(map.Find(handle(5)) == wrapper(10));
    CHECK(map.Find(handle(5 + 2 * 113)) == wrapper(12));

    // An older wrapper leaving first keeps the newer one current.
    map.Insert(handle(5), wrapper(20));
    CHECK(map.Remove(handle(5), wrapper(10)));
    CHECK(map.Find(handle(5)) == wrapper(20));
    CHECK_FALSE(map.Remove(handle(5), wrapper(10)));
    // Removing the newest brings back the one before it.
    map.Insert(handle(5), wrapper(21));
    CHECK(map.Remove(handle(5)));
    CHECK(map.Find(handle(5)) == wrapper(20));
    CHECK(map.Remove(handle(5)));
    CHECK(map.Find(handle(5)) == nullptr);
    CHECK_FALSE(map.Remove(handle(5)));

    // Handles above 32 bits on a 64-bit build.
    if (sizeof(void*) == 8) {
        std::uintptr_t high = static_cast<std::uintptr_t>(1) << (sizeof(void*) * 4 + 8);
        map.Insert(handle(high), wrapper(30));
        CHECK(map.Find(handle(high)) == wrapper(30));
        CHECK(map.Find(handle(high % 113)) == nullptr);
    }
}
