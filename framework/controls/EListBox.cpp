#include "EListBox.h"

#include "EItemList.h"

namespace {

EAttributeList& WithListDefaults(EAttributeList& list)
{
    return list.AddFlags(EListFlags, EListFlagCount).Add(EKey::Predefined, 1).Add(EKey::ClassName, "ListBox");
}

}

EListBox::EListBox(EWindow* parent, const char* title, EAttributeList& list)
    : EControl(parent, title, WithListDefaults(list))
{
    SetAttributes(list);
}

void EListBox::SetAttributes(EAttributeList& list)
{
    EControl::SetAttributes(list);
    ApplyFlags(EListFlags, EListFlagCount, list);
    EApplyItems(handle, EListBoxItems, list);
}

void EListBox::GetAttributes(EAttributeList& list)
{
    EControl::GetAttributes(list);
    QueryFlags(EListFlags, EListFlagCount, list);
    EQueryItems(handle, EListBoxItems, list);
}

const ENotificationRow* EListBox::NotificationMap(int* rows)
{
    *rows = EListBoxNotificationCount;
    return EListBoxNotifications;
}

int EListBox::InsertItem(int index, const char* text)
{
    return static_cast<int>(SendMessageA(handle, LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(text)));
}

// A sorted box keeps its order.
int EListBox::AppendItem(const char* text)
{
    return static_cast<int>(SendMessageA(handle, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
}

int EListBox::DeleteItem(int index)
{
    return static_cast<int>(SendMessageA(handle, LB_DELETESTRING, index, 0));
}

void EListBox::Clear()
{
    SendMessageA(handle, LB_RESETCONTENT, 0, 0);
}

int EListBox::ItemCount() const
{
    return static_cast<int>(SendMessageA(handle, LB_GETCOUNT, 0, 0));
}

int EListBox::ItemText(int index, char* buffer, int size) const
{
    return EItemText(handle, EListBoxItems, index, buffer, size);
}

void EListBox::Select(int index)
{
    SendMessageA(handle, LB_SETCURSEL, index, 0);
}

int EListBox::Selection() const
{
    return static_cast<int>(SendMessageA(handle, LB_GETCURSEL, 0, 0));
}
