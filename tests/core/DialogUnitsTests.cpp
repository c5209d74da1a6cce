#include <doctest/doctest.h>

#include <windows.h>

#include "EAttributeList.h"

TEST_CASE("attribute list: ToPixels without arguments uses the system's dialog base units")
{
    LONG units = GetDialogBaseUnits();
    EAttributeList system;
    system.Set(EKey::Width, 4).Set(EKey::Height, 8).ToPixels();
    CHECK(system.Get(EKey::Width) == static_cast<EValue>(LOWORD(units)));
    CHECK(system.Get(EKey::Height) == static_cast<EValue>(HIWORD(units)));
}
