#include "EEdit.h"

namespace {

EAttributeList& WithEditDefaults(EAttributeList& list)
{
    return list.AddFlags(EEditFlags, EEditFlagCount)
        .Add(EKey::Style, WS_TABSTOP | ES_AUTOHSCROLL)
        .Add(EKey::Predefined, 1)
        .Add(EKey::ClassName, "Edit");
}

}

EEdit::EEdit(EWindow* parent, const char* title, EAttributeList& list)
    : EControl(parent, title, WithEditDefaults(list))
{
    SetAttributes(list);
}

void EEdit::SetAttributes(EAttributeList& list)
{
    EControl::SetAttributes(list);
    ApplyFlags(EEditFlags, EEditFlagCount, list);
    EValue value;
    if (list.Find(EKey::Value, &value))
        SetWindowTextA(handle, reinterpret_cast<const char*>(value));
}

void EEdit::GetAttributes(EAttributeList& list)
{
    EControl::GetAttributes(list);
    QueryFlags(EEditFlags, EEditFlagCount, list);
    for (int i = 0; i < list.Count(); i++) {
        if (list.KeyAt(i) != EKey::Value)
            continue;
        *reinterpret_cast<EValue*>(list.ValueAt(i)) = reinterpret_cast<EValue>(CopyText(handle));
    }
}

const ENotificationRow* EEdit::NotificationMap(int* rows)
{
    *rows = EEditNotificationCount;
    return EEditNotifications;
}
