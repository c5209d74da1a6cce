#include <doctest/doctest.h>

#include <windows.h>

#include <string>

#include "EApplication.h"
#include "EMenu.h"
#include "MenuIds.h"
#include "ViewFixture.h"

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

// The main window's Japanese test reads the bar's texts back; here every
// item of the Japanese bar answers the English bar's command.
TEST_CASE("Japanese mode: the Japanese menu bar carries the English bar's commands")
{
    REQUIRE(GetACP() == 932);
    EApplication::instance = GetModuleHandleA(nullptr);
    EMenu englishMenu(nullptr, MAKEINTRESOURCEA(IDR_MENU_ENGLISH));
    EMenu japaneseMenu(nullptr, MAKEINTRESOURCEA(IDR_MENU_JAPANESE));
    HMENU bars[] = {englishMenu.Handle(), japaneseMenu.Handle()};
    REQUIRE(GetMenuItemCount(bars[1]) == GetMenuItemCount(bars[0]));
    CHECK(ItemText(bars[1], 0) == "\xcc\xa7\xb2\xd9\x28\x26\x46\x29");  // ﾌｧｲﾙ(&F)
    for (int menu = 0; menu < GetMenuItemCount(bars[0]); menu++) {
        HMENU first = GetSubMenu(bars[0], menu), second = GetSubMenu(bars[1], menu);
        REQUIRE(GetMenuItemCount(second) == GetMenuItemCount(first));
        for (int item = 0; item < GetMenuItemCount(first); item++) {
            CAPTURE(menu);
            CAPTURE(item);
            CHECK(GetMenuItemID(second, item) == GetMenuItemID(first, item));
            CHECK(GetMenuState(second, item, MF_BYPOSITION) == GetMenuState(first, item, MF_BYPOSITION));
        }
    }
}
