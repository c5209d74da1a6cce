#include <doctest/doctest.h>

#include <windows.h>

#include <string>

#include "EAccelerator.h"
#include "EApplication.h"
#include "EMenu.h"
#include "MenuIds.h"
#include "TestWindow.h"
#include "Wide.h"

namespace {

std::wstring ItemText(HMENU menu, UINT position)
{
    wchar_t text[128] = {};
    GetMenuStringW(menu, position, text, 128, MF_BYPOSITION);
    return text;
}

std::string ItemTextA(HMENU menu, UINT position)
{
    char text[128] = {};
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

// Both bars have the same shape: File (open, save, separator, exit), Help (about).
void CheckShape(HMENU bar)
{
    REQUIRE(GetMenuItemCount(bar) == 2);
    HMENU file = GetSubMenu(bar, 0);
    HMENU help = GetSubMenu(bar, 1);
    REQUIRE(file);
    REQUIRE(help);
    REQUIRE(GetMenuItemCount(file) == 4);
    CHECK(GetMenuItemID(file, 0) == IDM_OPEN_INI);
    CHECK(GetMenuItemID(file, 1) == IDM_SAVE_INI);
    CHECK((GetMenuState(file, 2, MF_BYPOSITION) & MF_SEPARATOR) != 0);
    CHECK(GetMenuItemID(file, 3) == IDM_EXIT);
    REQUIRE(GetMenuItemCount(help) == 1);
    CHECK(GetMenuItemID(help, 0) == IDM_ABOUT);
}

}

TEST_CASE("menus: the English and the Japanese bar with their ids and captions")
{
    EApplication::instance = GetModuleHandleA(nullptr);
    TestWindow window;
    {
        EMenu menu(window.handle, MAKEINTRESOURCEA(IDR_MENU_ENGLISH));
        REQUIRE(menu.Handle());
        CHECK(GetMenu(window.handle) == menu.Handle());
        CheckShape(menu.Handle());
        HMENU file = GetSubMenu(menu.Handle(), 0);
        CHECK(ItemText(menu.Handle(), 0) == L"&File");
        CHECK(ItemText(menu.Handle(), 1) == L"&Help");
        CHECK(ItemText(file, 0) == L"&Open INI file");
        CHECK(ItemText(file, 1) == L"&Save INI file");
        CHECK(ItemText(file, 3) == L"E&xit");
        CHECK(ItemText(GetSubMenu(menu.Handle(), 1), 0) == L"&About");
    }
    TestWindow second;
    EMenu menu(second.handle, MAKEINTRESOURCEA(IDR_MENU_JAPANESE));
    CHECK(GetMenu(second.handle) == menu.Handle());
    CheckShape(menu.Handle());
    HMENU file = GetSubMenu(menu.Handle(), 0);
    CHECK(ItemText(menu.Handle(), 0) == Wide(u8"ﾌｧｲﾙ(&F)"));
    CHECK(ItemText(menu.Handle(), 1) == Wide(u8"ﾍﾙﾌﾟ(&H)"));
    CHECK(ItemText(file, 0) == Wide(u8"設定ﾌｧｲﾙを開く(&O)"));
    CHECK(ItemText(file, 1) == Wide(u8"設定ﾌｧｲﾙの保存(&S)"));
    CHECK(ItemText(file, 3) == Wide(u8"終了(&X)"));
    CHECK(ItemText(GetSubMenu(menu.Handle(), 1), 0) == Wide(u8"ﾊﾞｰｼﾞｮﾝ情報(&A)"));
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

TEST_CASE("accelerators: keys become their commands, others pass")
{
    EApplication::instance = GetModuleHandleA(nullptr);
    TestWindow window;
    EAccelerator keys("OmbrelTestKeys");
    REQUIRE(keys.Table());

    MSG f5 = {window.handle, WM_KEYDOWN, VK_F5, 0, 0, {0, 0}};
    CHECK(keys.Translate(window.handle, &f5));
    CHECK(TestWindow::commandCount == 1);
    CHECK(TestWindow::lastCommand == MAKEWPARAM(501, 1));

    // Shift+F6 only; F6 alone and other keys are not consumed.
    MSG f6 = {window.handle, WM_KEYDOWN, VK_F6, 0, 0, {0, 0}};
    CHECK_FALSE(keys.Translate(window.handle, &f6));
    MSG f7 = {window.handle, WM_KEYDOWN, VK_F7, 0, 0, {0, 0}};
    CHECK_FALSE(keys.Translate(window.handle, &f7));
    CHECK(TestWindow::commandCount == 1);

    EAccelerator missing("OmbrelNoSuchKeys");
    CHECK(missing.Table() == nullptr);
    CHECK_FALSE(missing.Translate(window.handle, &f5));
    CHECK(TestWindow::commandCount == 1);
}

TEST_CASE("Japanese mode: menu bar 2 reads back as Shift-JIS")
{
    REQUIRE(GetACP() == 932);
    EApplication::instance = GetModuleHandleA(nullptr);
    TestWindow window;
    EMenu menu(window.handle, MAKEINTRESOURCEA(IDR_MENU_JAPANESE));
    HMENU bar = menu.Handle();
    HMENU file = GetSubMenu(bar, 0);
    CHECK(ItemTextA(bar, 0) == "\xcc\xa7\xb2\xd9\x28\x26\x46\x29");
    CHECK(ItemTextA(bar, 1) == "\xcd\xd9\xcc\xdf\x28\x26\x48\x29");
    CHECK(ItemTextA(file, 0) == "\x90\xdd\x92\xe8\xcc\xa7\xb2\xd9\x82\xf0\x8a\x4a\x82\xad\x28\x26\x4f\x29");
    CHECK(ItemTextA(file, 1) == "\x90\xdd\x92\xe8\xcc\xa7\xb2\xd9\x82\xcc\x95\xdb\x91\xb6\x28\x26\x53\x29");
    CHECK(ItemTextA(file, 3) == "\x8f\x49\x97\xb9\x28\x26\x58\x29");
    CHECK(ItemTextA(GetSubMenu(bar, 1), 0) == "\xca\xde\xb0\xbc\xde\xae\xdd\x8f\xee\x95\xf1\x28\x26\x41\x29");
    // The same literals as the program writes them.
    CHECK(ItemTextA(file, 3) == "終了(&X)");
}
