#include "EListBox.h"


namespace {

EAttributeList& WithListDefaults(EAttributeList& list)
{
    return list.AddFlags(EListFlags, EListFlagCount).Add(EKey::Predefined, 1).Add(EKey::ClassName, "ListBox");
}

}

EListBox::EListBox(EWindow* parent, const char* title, EAttributeList& list)
    : EItemBox(parent, title, WithListDefaults(list), EListBoxItems)
{
    SetAttributes(list);
}

void EListBox::SetAttributes(EAttributeList& list)
{
    EControl::SetAttributes(list);
    ApplyFlags(EListFlags, EListFlagCount, list);
    EApplyItems(handle, items, list);
}

void EListBox::GetAttributes(EAttributeList& list)
{
    EControl::GetAttributes(list);
    QueryFlags(EListFlags, EListFlagCount, list);
    EQueryItems(handle, items, list);
}

const ENotificationRow* EListBox::NotificationMap(int* rows)
{
    *rows = EListBoxNotificationCount;
    return EListBoxNotifications;
}
