#include "EBitmapButton.h"

#include "EMessage.h"

namespace {

EAttributeList& WithButtonClass(EAttributeList& list)
{
    return list.Add(EKey::ClassName, "Button").Add(EKey::Predefined, 1).Add(EKey::Style, BS_OWNERDRAW | BS_NOTIFY);
}

const char* BitmapName(const EAttributeList& list)
{
    EValue name;
    return list.Find(EKey::Bitmap, &name) ? reinterpret_cast<const char*>(name) : nullptr;
}

int PictureCount(const EAttributeList& list)
{
    EValue count;
    return list.Find(EKey::BitmapCount, &count) ? EIntValue(count) : 1;
}

}

EBitmapButton::EBitmapButton(EWindow* parent, const char* title, EAttributeList& list)
    : EControl(parent, title, WithButtonClass(list)), enabled(true), tracking(false), pressedInside(false),
      faces(handle, EIntValue(list.Get(EKey::Width)), EIntValue(list.Get(EKey::Height)), BitmapName(list),
            PictureCount(list))
{
    Subclass();
    AddMessageHandler(WM_LBUTTONDOWN, this, &EBitmapButton::OnButtonDown);
    AddMessageHandler(WM_MOUSEMOVE, this, &EBitmapButton::OnMouseMove);
    AddMessageHandler(WM_LBUTTONUP, this, &EBitmapButton::OnButtonUp);
    AddMessageHandler(WM_CAPTURECHANGED, this, &EBitmapButton::OnCaptureChanged);
    Connect(EKey::DrawItem, this, &EBitmapButton::Paint);
}

const ENotificationRow* EBitmapButton::NotificationMap(int* rows)
{
    *rows = EBitmapButtonNotificationCount;
    return EBitmapButtonNotifications;
}

LRESULT EBitmapButton::DefaultProc(EMessage& message)
{
    return ForwardingDefaultProc(message);
}

void EBitmapButton::Enable()
{
    enabled = true;
    EControl::Enable();
}

void EBitmapButton::Disable()
{
    enabled = false;
    EControl::Disable();
}

EButtonFace EBitmapButton::Face() const
{
    if (!enabled)
        return EFaceDisabled;
    return pressedInside ? EFacePressed : EFaceUp;
}

LRESULT EBitmapButton::OnButtonDown(EMessage& m)
{
    SetCapture(handle);
    tracking = true;
    pressedInside = true;
    if (parent)
        parent->Fire(EKey::Pressed, reinterpret_cast<EValue>(handle), reinterpret_cast<EValue>(this), &m);
    InvalidateRect(handle, nullptr, TRUE);
    return DefaultProc(m);
}

LRESULT EBitmapButton::OnMouseMove(EMessage& m)
{
    if (tracking) {
        int x = static_cast<short>(LOWORD(m.lParam));
        int y = static_cast<short>(HIWORD(m.lParam));
        // Both far edges count as over the button.
        SetPressedInside(x >= 0 && x <= faces.Width() && y >= 0 && y <= faces.Height());
    }
    return DefaultProc(m);
}

LRESULT EBitmapButton::OnButtonUp(EMessage& m)
{
    // Cleared first: releasing the capture below is not a lost capture.
    bool click = tracking && pressedInside;
    tracking = false;
    ReleaseCapture();
    if (click)
        PostMessageA(GetParent(handle), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(handle), BN_CLICKED),
                     reinterpret_cast<LPARAM>(handle));
    SetPressedInside(false);
    return DefaultProc(m);
}

LRESULT EBitmapButton::OnCaptureChanged(EMessage& m)
{
    // Another window took the mouse (a dialog, a window switch): the press
    // is over and must not click later.
    if (tracking) {
        tracking = false;
        SetPressedInside(false);
    }
    return EControl::DefaultProc(m);
}

void EBitmapButton::SetPressedInside(bool inside)
{
    if (pressedInside == inside)
        return;
    pressedInside = inside;
    InvalidateRect(handle, nullptr, TRUE);
}

LRESULT EBitmapButton::Paint(EEvent& event)
{
    const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(event.message->lParam);
    faces.Paint(item->hDC, Face());
    event.result = TRUE;
    return TRUE;
}
