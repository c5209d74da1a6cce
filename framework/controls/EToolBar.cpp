#include "EToolBar.h"

#include <commctrl.h>

#include "EApplication.h"

namespace {

EAttributeList& WithToolBarClass(EAttributeList& list)
{
    return list.Add(EKey::ClassName, TOOLBARCLASSNAMEA).Add(EKey::Predefined, 1).Add(EKey::Style, TBSTYLE_TOOLTIPS);
}

}

EToolBar::EToolBar(EWindow* parent, const char* title, EAttributeList& list)
    : EControl(parent, title, WithToolBarClass(list))
{
    // The size of the button record this program was built with.
    SendMessageA(handle, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SetAttributes(list);
}

const ENotificationRow* EToolBar::NotificationMap(int* rows)
{
    *rows = EToolBarNotificationCount;
    return EToolBarNotifications;
}

void EToolBar::SetAttributes(EAttributeList& list)
{
    EValue bitmap;
    if (!list.Find(EKey::ToolbarBitmap, &bitmap))
        return;
    TBADDBITMAP images = {EApplication::instance, static_cast<UINT_PTR>(bitmap)};
    SendMessageA(handle, TB_ADDBITMAP, list.Get(EKey::ToolbarImageCount), reinterpret_cast<LPARAM>(&images));
}
