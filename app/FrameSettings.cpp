#include "FrameSettings.h"

#include <commctrl.h>

#include "MenuIds.h"

namespace {

// The work-area origin of the window's monitor in screen pixels: the
// placement's rectangles are given relative to it.
POINT WorkAreaOffset(HWND window)
{
    POINT offset = {0, 0};
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info)) {
        offset.x = info.rcWork.left - info.rcMonitor.left;
        offset.y = info.rcWork.top - info.rcMonitor.top;
    }
    return offset;
}

LONG Clamp(LONG value, LONG low, LONG high)
{
    return value < low ? low : value > high ? high : value;
}

}

RECT FrameSettings::WindowRect()
{
    RECT rect = {};
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    if (!GetWindowPlacement(frame, &placement)) {
        GetWindowRect(frame, &rect);
        return rect;
    }
    rect = placement.rcNormalPosition;
    POINT offset = WorkAreaOffset(frame);
    OffsetRect(&rect, offset.x, offset.y);
    return rect;
}

void FrameSettings::MoveWindowTo(int left, int top, int width, int height)
{
    RECT rect = {left, top, left + width, top + height};
    rect = KeepOnScreen(rect);
    MoveWindow(frame, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
}

int FrameSettings::ColumnWidth(int column)
{
    return static_cast<int>(SendMessageA(log, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
}

void FrameSettings::SetColumnWidth(int column, int width)
{
    SendMessageA(log, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(width, 0));
}

RECT KeepOnScreen(const RECT& rect)
{
    if (MonitorFromRect(&rect, MONITOR_DEFAULTTONULL))
        return rect;
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &info))
        return rect;
    const RECT& work = info.rcWork;
    LONG width = rect.right - rect.left;
    LONG height = rect.bottom - rect.top;
    if (width > work.right - work.left)
        width = work.right - work.left;
    if (height > work.bottom - work.top)
        height = work.bottom - work.top;
    RECT moved;
    moved.left = Clamp(rect.left, work.left, work.right - width);
    moved.top = Clamp(rect.top, work.top, work.bottom - height);
    moved.right = moved.left + width;
    moved.bottom = moved.top + height;
    return moved;
}

bool FrameSettings::RecycleBin()
{
    HMENU menu = GetMenu(frame);
    UINT state = menu ? GetMenuState(menu, IDM_USE_RECYCLE_BIN, MF_BYCOMMAND) : 0;
    return state != static_cast<UINT>(-1) && (state & MF_CHECKED);
}

void FrameSettings::SetRecycleBin(bool on)
{
    if (HMENU menu = GetMenu(frame))
        CheckMenuItem(menu, IDM_USE_RECYCLE_BIN, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}
