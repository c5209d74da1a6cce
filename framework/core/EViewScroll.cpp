#include "EView.h"


bool EView::NewScrollPosition(int position, int minimum, int maximum, int page, WPARAM wParam, bool thumbTrack,
                              int* newPosition)
{
    int limit = maximum - page - minimum + 1;
    int next = position;
    switch (LOWORD(wParam)) {
    case SB_LINEUP: next = position - 1 < 0 ? 0 : position - 1; break;
    case SB_LINEDOWN: next = position + 1 > limit ? limit : position + 1; break;
    case SB_PAGEUP: next = position - page - 1 < 0 ? 0 : position - page - 1; break;
    case SB_PAGEDOWN: next = position + page; break;
    case SB_THUMBPOSITION: next = HIWORD(wParam); break;
    case SB_THUMBTRACK:
        if (!thumbTrack)
            return false;
        next = HIWORD(wParam);
        break;
    case SB_TOP: next = 0; break;
    case SB_BOTTOM: next = limit; break;
    default: break;
    }
    *newPosition = next;
    return true;
}

int EView::StepOwnScrollBar(int bar, WPARAM wParam)
{
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(handle, bar, &info);
    int next;
    if (!NewScrollPosition(info.nPos, info.nMin, info.nMax, static_cast<int>(info.nPage), wParam, thumbTrack != 0,
                           &next))
        return 0;
    SetScrollPos(handle, bar, next, TRUE);
    return info.nPos - next;
}

LRESULT EView::OnHScroll(EMessage& m)
{
    return OnScroll(m, SB_HORZ, EKey::HScrolled);
}

LRESULT EView::OnVScroll(EMessage& m)
{
    return OnScroll(m, SB_VERT, EKey::VScrolled);
}

LRESULT EView::OnScroll(EMessage& m, int bar, unsigned eventKey)
{
    HWND control = reinterpret_cast<HWND>(m.lParam);
    if (!control || control == handle) {
        int distance = StepOwnScrollBar(bar, m.wParam);
        Fire(eventKey, reinterpret_cast<EValue>(handle), static_cast<EValue>(distance), &m);
    } else {
        // No scroll-bar control computes a distance of its own.
        Fire(eventKey, reinterpret_cast<EValue>(control), 0, &m);
    }
    return 0;
}

LRESULT EView::ScrollHorizontally(EEvent& event)
{
    ScrollContent(EIntValue(event.parameter), 0);
    return 0;
}

LRESULT EView::ScrollVertically(EEvent& event)
{
    ScrollContent(0, EIntValue(event.parameter));
    return 0;
}

void EView::ScrollContent(int dx, int dy)
{
    ScrollWindowEx(handle, dx, dy, nullptr, nullptr, nullptr, nullptr, SW_INVALIDATE | SW_ERASE | SW_SCROLLCHILDREN);
    UpdateWindow(handle);
}

namespace {

void SetRangeEnd(HWND window, int bar, bool maximum, int value)
{
    int low = 0, high = 0;
    GetScrollRange(window, bar, &low, &high);
    if (maximum)
        high = value;
    else
        low = value;
    SetScrollRange(window, bar, low, high, TRUE);
}

}

void EView::SetAttributes(EAttributeList& list)
{
    EWindow::SetAttributes(list);
    ApplyFlags(EViewFlags, EViewFlagCount, list);
    EValue v;
    if (list.Find(EKey::PageStep, &v))
        pageStep = EIntValue(v);
    if (list.Find(EKey::LineStep, &v))
        lineStep = EIntValue(v);
    if (list.Find(EKey::ThumbTrack, &v))
        thumbTrack = EIntValue(v);
    if (list.Find(EKey::HScrollMax, &v))
        SetRangeEnd(handle, SB_HORZ, true, EIntValue(v));
    if (list.Find(EKey::HScrollMin, &v))
        SetRangeEnd(handle, SB_HORZ, false, EIntValue(v));
    if (list.Find(EKey::VScrollMax, &v))
        SetRangeEnd(handle, SB_VERT, true, EIntValue(v));
    if (list.Find(EKey::VScrollMin, &v))
        SetRangeEnd(handle, SB_VERT, false, EIntValue(v));
    if (list.Find(EKey::HScrollPos, &v))
        SetScrollPos(handle, SB_HORZ, EIntValue(v), TRUE);
    if (list.Find(EKey::VScrollPos, &v))
        SetScrollPos(handle, SB_VERT, EIntValue(v), TRUE);
    if (list.Find(EKey::WindowIcon, &v))
        SetClassLongPtrA(handle, GCLP_HICON, static_cast<LONG_PTR>(v));
}

void EView::GetAttributes(EAttributeList& list)
{
    EWindow::GetAttributes(list);
    QueryFlags(EViewFlags, EViewFlagCount, list);
    int hMin = 0, hMax = 0, vMin = 0, vMax = 0;
    GetScrollRange(handle, SB_HORZ, &hMin, &hMax);
    GetScrollRange(handle, SB_VERT, &vMin, &vMax);
    for (int i = 0; i < list.Count(); i++) {
        EValue* out = reinterpret_cast<EValue*>(list.ValueAt(i));
        switch (list.KeyAt(i)) {
        case EKey::PageStep: *out = static_cast<EValue>(pageStep); break;
        case EKey::LineStep: *out = static_cast<EValue>(lineStep); break;
        case EKey::ThumbTrack: *out = static_cast<EValue>(thumbTrack); break;
        case EKey::HScrollMin: *out = static_cast<EValue>(hMin); break;
        case EKey::HScrollMax: *out = static_cast<EValue>(hMax); break;
        case EKey::VScrollMin: *out = static_cast<EValue>(vMin); break;
        case EKey::VScrollMax: *out = static_cast<EValue>(vMax); break;
        case EKey::HScrollPos: *out = static_cast<EValue>(GetScrollPos(handle, SB_HORZ)); break;
        case EKey::VScrollPos: *out = static_cast<EValue>(GetScrollPos(handle, SB_VERT)); break;
        default: break;
        }
    }
}
