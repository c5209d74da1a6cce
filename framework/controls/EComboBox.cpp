#include "EComboBox.h"

#include "EItemList.h"

namespace {

EAttributeList& WithComboDefaults(EAttributeList& list)
{
    return list.AddFlags(EComboFlags, EComboFlagCount)
        .Add(EKey::Style, WS_VSCROLL | WS_TABSTOP | CBS_NOINTEGRALHEIGHT)
        .Add(EKey::Predefined, 1)
        .Add(EKey::ClassName, "ComboBox");
}

}

EComboBox::EComboBox(EWindow* parent, const char* title, EAttributeList& list)
    : EControl(parent, title, WithComboDefaults(list))
{
    SetAttributes(list);
}

void EComboBox::SetAttributes(EAttributeList& list)
{
    EControl::SetAttributes(list);
    ApplyFlags(EComboFlags, EComboFlagCount, list);
    FitDropDownHeight();
    EValue value;
    if (list.Find(EKey::TextLimit, &value))
        LimitText(EIntValue(value));
    if (list.Find(EKey::Text, &value))
        SetWindowTextA(handle, reinterpret_cast<const char*>(value));
    EApplyItems(handle, EComboBoxItems, list);
}

void EComboBox::GetAttributes(EAttributeList& list)
{
    EControl::GetAttributes(list);
    QueryFlags(EComboFlags, EComboFlagCount, list);
    EQueryItems(handle, EComboBoxItems, list);
}

const ENotificationRow* EComboBox::NotificationMap(int* rows)
{
    *rows = EComboBoxNotificationCount;
    return EComboBoxNotifications;
}

// A list no taller than the edit part would show no item at all.
void EComboBox::FitDropDownHeight()
{
    RECT dropped = {0, 0, 0, 0};
    SendMessageA(handle, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    int droppedHeight = dropped.bottom - dropped.top;
    int height = EIntValue(QueryAttribute(EKey::Height));
    if (droppedHeight > height || droppedHeight >= 400)
        return;
    EAttributeList taller;
    taller.Set(EKey::Height, 4 * height);
    EControl::SetAttributes(taller);
}

int EComboBox::InsertItem(int index, const char* text)
{
    return static_cast<int>(SendMessageA(handle, CB_INSERTSTRING, index, reinterpret_cast<LPARAM>(text)));
}

// A sorted box keeps its order.
int EComboBox::AppendItem(const char* text)
{
    return static_cast<int>(SendMessageA(handle, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
}

int EComboBox::DeleteItem(int index)
{
    return static_cast<int>(SendMessageA(handle, CB_DELETESTRING, index, 0));
}

void EComboBox::Clear()
{
    SendMessageA(handle, CB_RESETCONTENT, 0, 0);
}

int EComboBox::ItemCount() const
{
    return static_cast<int>(SendMessageA(handle, CB_GETCOUNT, 0, 0));
}

int EComboBox::ItemText(int index, char* buffer, int size) const
{
    return EItemText(handle, EComboBoxItems, index, buffer, size);
}

void EComboBox::Select(int index)
{
    SendMessageA(handle, CB_SETCURSEL, index, 0);
}

int EComboBox::Selection() const
{
    return static_cast<int>(SendMessageA(handle, CB_GETCURSEL, 0, 0));
}

void EComboBox::LimitText(int characters)
{
    SendMessageA(handle, CB_LIMITTEXT, characters, 0);
}
