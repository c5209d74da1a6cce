#include "EButton.h"

namespace {

EAttributeList& WithButtonDefaults(EAttributeList& list)
{
    return list.Add(EKey::ClassName, "Button").Add(EKey::Predefined, 1);
}

}

EButton::EButton(EWindow* parent, const char* title, EAttributeList& list)
    : EControl(parent, title, WithButtonDefaults(list))
{
    EValue value;
    if (list.Find(EKey::Width, &value) && list.Find(EKey::Height, &value))
        return;
    int x, y, width, height;
    Position(&x, &y, &width, &height);
    MoveWindow(handle, x, y, 64, 22, TRUE);
}

const ENotificationRow* EButton::NotificationMap(int* rows)
{
    *rows = EButtonNotificationCount;
    return EButtonNotifications;
}
