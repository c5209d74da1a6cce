#ifndef OMBREL_EMENU_H
#define OMBREL_EMENU_H

#include <windows.h>

class EObjectList;

// The menu bar of a top-level window, loaded from the program's resources
// (an empty bar when the resource is missing) and attached to the owner.
// Once attached, the window destroys the menu with itself; a menu that could
// not be attached is destroyed by this object.
class EMenu {
public:
    // name: a resource name or MAKEINTRESOURCEA(id).
    EMenu(HWND owner, const char* name);
    virtual ~EMenu();
    EMenu(const EMenu&) = delete;
    EMenu& operator=(const EMenu&) = delete;

    // Appends a drop-down per entry of descriptions (EObjectLists named by
    // their titles, holding EMenuItems), then redraws the bar. Null: nothing.
    void AppendDropDowns(EObjectList* descriptions);
    // Appends the items (EMenuItems) to menu; null or empty: nothing.
    static void FillDropDown(HMENU menu, EObjectList* items);

    HMENU Handle() const { return menu; }
    HWND Owner() const { return owner; }

private:
    HWND owner;
    HMENU menu;
};

#endif
