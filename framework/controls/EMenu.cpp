#include "EMenu.h"

#include "EApplication.h"

EMenu::EMenu(HWND owner, const char* name) : owner(owner), menu(LoadMenuA(EApplication::instance, name))
{
    if (!menu)
        menu = CreateMenu();
    if (owner && SetMenu(owner, menu))
        DrawMenuBar(owner);
}

EMenu::~EMenu()
{
    bool attached = owner && IsWindow(owner) && GetMenu(owner) == menu;
    if (menu && !attached && IsMenu(menu))
        DestroyMenu(menu);
}
