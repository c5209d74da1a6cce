#include "EComboBox.h"


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
    : EItemBox(parent, title, WithComboDefaults(list), EComboBoxItems)
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
    EApplyItems(handle, items, list);
}

void EComboBox::GetAttributes(EAttributeList& list)
{
    EControl::GetAttributes(list);
    QueryFlags(EComboFlags, EComboFlagCount, list);
    EQueryItems(handle, items, list);
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

void EComboBox::LimitText(int characters)
{
    SendMessageA(handle, CB_LIMITTEXT, characters, 0);
}
