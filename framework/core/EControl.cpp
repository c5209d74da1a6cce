#include "EControl.h"

#include "EWindowProc.h"

namespace {

EAttributeList& WithControlDefaults(EAttributeList& list)
{
    return list.AddFlags(EControlFlags, EControlFlagCount).Add(EKey::Style, WS_CHILD | WS_VISIBLE);
}

WNDPROC CurrentProc(HWND window)
{
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
}

// A wrapper of a family member, for the moment of one translation.
class FamilyMember : public EControl {
public:
    FamilyMember(HWND control, const EControlClass& member) : EControl(nullptr, control), member(member) {}
    const ENotificationRow* NotificationMap(int* rows) override
    {
        *rows = member.rows;
        return member.map;
    }

private:
    const EControlClass& member;
};

}

EControl::EControl(EWindow* parent, HWND control) : EWindow(parent), subclassMarker(nullptr), previousProc(nullptr)
{
    ownsWindow = false;
    Register(control);
}

EControl::EControl(EWindow* parent, const char* title, EAttributeList& list)
    : EWindow(parent, title, WithControlDefaults(list)), subclassMarker(nullptr), previousProc(nullptr)
{
}

EControl::~EControl()
{
    // Left subclassed, the control would lose its own procedure for good.
    if (subclassMarker && handle && IsWindow(handle) && CurrentProc(handle) == EWindowProc)
        Unsubclass();
}

LRESULT EControl::DefaultProc(EMessage& m)
{
    if (previousProc)
        return CallWindowProcA(previousProc, handle, m.message, m.wParam, m.lParam);
    return DefWindowProcA(handle, m.message, m.wParam, m.lParam);
}

void EControl::Subclass()
{
    if (subclassMarker || !handle)
        return;
    WNDPROC current = CurrentProc(handle);
    // Already routed to the framework by another wrapper: saving that
    // procedure as "previous" would make every message loop forever.
    if (current == EWindowProc)
        return;
    previousProc = current;
    subclassMarker = EWindowProc;
    SetWindowLongPtrA(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EWindowProc));
}

void EControl::Unsubclass()
{
    if (!previousProc)
        return;
    if (handle)
        SetWindowLongPtrA(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProc));
    previousProc = nullptr;
    subclassMarker = nullptr;
}

LRESULT EControl::ForwardingDefaultProc(EMessage& m)
{
    HWND parentWindow = GetParent(handle);
    if (!parentWindow)
        return EControl::DefaultProc(m);
    if ((m.message >= WM_KEYDOWN && m.message <= WM_CHAR) || m.message == WM_SETFOCUS)
        return 0;
    if (m.message >= WM_MOUSEMOVE && m.message <= WM_LBUTTONDBLCLK) {
        POINT p = {static_cast<short>(LOWORD(m.lParam)), static_cast<short>(HIWORD(m.lParam))};
        ClientToScreen(handle, &p);
        ScreenToClient(parentWindow, &p);
        return SendMessageA(parentWindow, m.message, 0, MAKELPARAM(p.x, p.y));
    }
    return EControl::DefaultProc(m);
}

unsigned EControl::EventKeyByClassName(HWND control, int code)
{
    char name[129];
    if (!GetClassNameA(control, name, sizeof name))
        return EKey::Action;
    for (int i = 0; i < EControlFamilyCount; i++) {
        if (lstrcmpiA(name, EControlFamily[i].className) == 0) {
            FamilyMember temporary(control, EControlFamily[i]);
            return temporary.EventKeyFor(code);
        }
    }
    return EKey::Action;
}
