#include "EMenu.h"

#include "EApplication.h"
#include "EMenuItem.h"
#include "EObjectList.h"

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

void EMenu::AppendDropDowns(EObjectList* descriptions)
{
    if (!descriptions)
        return;
    for (EObject* entry = descriptions->First(); entry; entry = descriptions->Next()) {
        EObjectList* dropDown = static_cast<EObjectList*>(entry);
        HMENU popup = CreateMenu();
        // A drop-down that is not attached would leak; leave it out.
        if (!AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), dropDown->Name() ? dropDown->Name() : "")) {
            DestroyMenu(popup);
            continue;
        }
        FillDropDown(popup, dropDown);
    }
    if (owner)
        DrawMenuBar(owner);
}

void EMenu::FillDropDown(HMENU popup, EObjectList* items)
{
    if (!items)
        return;
    for (EObject* entry = items->First(); entry; entry = items->Next()) {
        const EMenuItem* item = static_cast<const EMenuItem*>(entry);
        if (item->IsSeparator())
            AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
        else
            AppendMenuA(popup, MF_STRING, item->Command(), item->Text());
    }
}
