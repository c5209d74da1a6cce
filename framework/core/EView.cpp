#include "EView.h"

#include "EApplication.h"
#include "EWindowMap.h"

namespace {

EAttributeList& WithViewFlags(EAttributeList& list)
{
    return list.SetFlags(EViewFlags, EViewFlagCount);
}

EWindow* WrapperOf(HWND window)
{
    return window && EApplication::windowMap ? EApplication::windowMap->Find(window) : nullptr;
}

}

EView::EView(EWindow* parent, const char* title, EAttributeList& list)
    : EWindow(parent, title, WithViewFlags(list)), lastFocus(nullptr), pageStep(16), lineStep(2), thumbTrack(0)
{
    BindMessages();
    AddMessageHandler(WM_ACTIVATE, this, &EView::OnActivate);
    SetAttributes(list);
    EValue self = reinterpret_cast<EValue>(handle);
    AddEventHandler(EKey::HScrolled, self, this, &EView::ScrollHorizontally);
    AddEventHandler(EKey::VScrolled, self, this, &EView::ScrollVertically);
}

EView::EView(EWindow* parent) : EWindow(parent), lastFocus(nullptr), pageStep(16), lineStep(2), thumbTrack(0)
{
    BindMessages();
}

void EView::BindMessages()
{
    AddMessageHandler(WM_COMMAND, this, &EView::OnCommand);
    AddMessageHandler(WM_NOTIFY, this, &EView::OnNotify);
    AddMessageHandler(WM_DRAWITEM, this, &EView::OnDrawItem);
    AddMessageHandler(WM_HSCROLL, this, &EView::OnHScroll);
    AddMessageHandler(WM_VSCROLL, this, &EView::OnVScroll);
}

unsigned EView::NotifyEventKey(EWindow* sender, int code)
{
    unsigned key;
    if (ECommonNotification(code, &key))
        return key;
    return sender->EventKeyFor(code);
}

LRESULT EView::OnCommand(EMessage& m)
{
    if (m.FromMenu()) {
        Fire(EKey::MenuCommand, m.ControlId(), 0, &m);
        return m.result;
    }
    HWND control = m.ControlHandle();
    EWindow* wrapper = WrapperOf(control);
    unsigned key = wrapper ? wrapper->EventKeyFor(m.NotificationCode()) : static_cast<unsigned>(EKey::Action);
    Fire(key, reinterpret_cast<EValue>(control), 0, &m);
    return m.result;
}

LRESULT EView::OnNotify(EMessage& m)
{
    HWND sender = m.ControlHandle();
    if (EWindow* wrapper = WrapperOf(sender))
        Fire(NotifyEventKey(wrapper, m.NotificationCode()), reinterpret_cast<EValue>(sender), 0, &m);
    return m.result;
}

LRESULT EView::OnDrawItem(EMessage& m)
{
    const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(m.lParam);
    if (item && WrapperOf(item->hwndItem))
        Fire(EKey::DrawItem, reinterpret_cast<EValue>(item->hwndItem), 0, &m);
    return m.result;
}

LRESULT EView::OnActivate(EMessage& m)
{
    if (LOWORD(m.wParam) == WA_INACTIVE)
        lastFocus = GetFocus();
    else if (lastFocus && IsWindow(lastFocus) && IsChild(handle, lastFocus))
        SetFocus(lastFocus);
    return 0;
}

void EView::Show()
{
    ShowWindow(handle, SW_SHOWNORMAL);
}

bool EView::PreTranslate(MSG*)
{
    return false;
}
