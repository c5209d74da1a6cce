#include <doctest/doctest.h>

#include <windows.h>

#include <string>

#include "EApplication.h"
#include "EMenu.h"
#include "MenuIds.h"
#include "TestWindow.h"

namespace {

std::string ItemText(HMENU menu, UINT position)
{
    char text[128] = {};
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

}

TEST_CASE("menus: a missing resource gives an empty bar; an unattached menu is destroyed")
{
    EApplication::instance = GetModuleHandleA(nullptr);
    TestWindow window;
    HMENU attached;
    {
        EMenu menu(window.handle, MAKEINTRESOURCEA(77));
        attached = menu.Handle();
        REQUIRE(attached);
        CHECK(GetMenu(window.handle) == attached);
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

TEST_CASE("Japanese mode: menu bar 2 reads back as Shift-JIS with its commands")
{
    REQUIRE(GetACP() == 932);
    EApplication::instance = GetModuleHandleA(nullptr);
    TestWindow window;
    EMenu menu(window.handle, MAKEINTRESOURCEA(IDR_MENU_JAPANESE));
    HMENU bar = menu.Handle();
    CHECK(GetMenu(window.handle) == bar);
    REQUIRE(GetMenuItemCount(bar) == 2);
    HMENU file = GetSubMenu(bar, 0);
    HMENU help = GetSubMenu(bar, 1);
    REQUIRE(GetMenuItemCount(file) == 8);
    CHECK(ItemText(bar, 0) == "\xcc\xa7\xb2\xd9\x28\x26\x46\x29");
    CHECK(ItemText(bar, 1) == "\xcd\xd9\xcc\xdf\x28\x26\x48\x29");
    CHECK(ItemText(file, 0) == "\x90\xdd\x92\xe8\xcc\xa7\xb2\xd9\x82\xf0\x8a\x4a\x82\xad\x28\x26\x4f\x29");
    CHECK(ItemText(file, 1) == "\x90\xdd\x92\xe8\xcc\xa7\xb2\xd9\x82\xcc\x95\xdb\x91\xb6\x28\x26\x53\x29");
    CHECK(ItemText(file, 3) == "\xcc\xdf\xda\xcb\xde\xad\xb0\x20\x44\x4f\x57\x4e\x28\x26\x44\x29");
    CHECK(ItemText(file, 4) == "\xcc\xdf\xda\xcb\xde\xad\xb0\x20\x55\x50\x28\x26\x55\x29");
    CHECK(ItemText(file, 5) == "\x82\xb2\x82\xdd\x94\xa0\x82\xf0\x8e\x67\x82\xa4\x28\x26\x52\x29");
    CHECK(ItemText(file, 7) == "\x8f\x49\x97\xb9\x28\x26\x58\x29");
    CHECK(ItemText(help, 0) == "\xca\xde\xb0\xbc\xde\xae\xdd\x8f\xee\x95\xf1\x28\x26\x41\x29");
    // The same literals as the program writes them.
    CHECK(ItemText(file, 7) == "終了(&X)");
    // The commands the main window answers, as in the English bar.
    CHECK(GetMenuItemID(file, 0) == IDM_OPEN_INI);
    CHECK(GetMenuItemID(file, 1) == IDM_SAVE_INI);
    CHECK((GetMenuState(file, 2, MF_BYPOSITION) & MF_SEPARATOR) != 0);
    CHECK(GetMenuItemID(file, 3) == IDM_PREVIEW_DOWN);
    CHECK(GetMenuItemID(file, 4) == IDM_PREVIEW_UP);
    CHECK(GetMenuItemID(file, 5) == IDM_USE_RECYCLE_BIN);
    CHECK((GetMenuState(file, 5, MF_BYPOSITION) & MF_CHECKED) != 0);
    CHECK((GetMenuState(file, 6, MF_BYPOSITION) & MF_SEPARATOR) != 0);
    CHECK(GetMenuItemID(file, 7) == IDM_EXIT);
    CHECK(GetMenuItemID(help, 0) == IDM_ABOUT);
}
