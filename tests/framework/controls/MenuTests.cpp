#include <doctest/doctest.h>

#include <windows.h>

#include "EMenu.h"
#include "MenuIds.h"
#include "ViewFixture.h"

TEST_CASE("menus: a missing resource gives an empty bar; an unattached menu is destroyed")
{
    ViewFixture window;
    HMENU attached;
    {
        EMenu menu(window.view.Handle(), MAKEINTRESOURCEA(77));
        attached = menu.Handle();
        REQUIRE(attached);
        CHECK(GetMenu(window.view.Handle()) == attached);
        CHECK(GetMenuItemCount(attached) == 0);
    }
    // The window keeps its bar and destroys it with itself.
    CHECK(IsMenu(attached));
    HMENU loose;
    {
        EMenu menu(nullptr, MAKEINTRESOURCEA(IDR_MENU_ENGLISH));
        loose = menu.Handle();
        CHECK(IsMenu(loose));
    }
    CHECK_FALSE(IsMenu(loose));
}
