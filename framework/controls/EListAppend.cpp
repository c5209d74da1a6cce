#include "EListRows.h"

#include <commctrl.h>

#include <vector>

namespace {

// Set while the scroll bar on screen is behind: the tick count when it fell
// behind, never 0.
const char StaleSince[] = "OmbrelListBarStale";
// Far from the small numbers a control uses for timers of its own.
const UINT_PTR BarTimer = 0x4F6D6272;

int Ask(HWND list, UINT message, WPARAM wParam, LPARAM lParam)
{
    return static_cast<int>(SendMessageA(list, message, wParam, lParam));
}

// What an append can change on screen besides its own row. The marks of
// the rows on the page are read one by one: finding the selected row with
// LVM_GETNEXTITEM walks the whole list, which a long run cannot afford.
struct Screen {
    explicit Screen(HWND list)
        : top(Ask(list, LVM_GETTOPINDEX, 0, 0)),
          across(GetScrollPos(list, SB_HORZ))
    {
        GetClientRect(list, &client);
        // With the row cut by the lower edge.
        int shown = Ask(list, LVM_GETCOUNTPERPAGE, 0, 0) + 1;
        for (int row = top; row < top + shown; row++)
            marks.push_back(Marks(list, row));
    }
    static UINT Marks(HWND list, int row)
    {
        return static_cast<UINT>(SendMessageA(list, LVM_GETITEMSTATE, row, LVIS_SELECTED | LVIS_FOCUSED));
    }
    int top;
    int across;
    RECT client;
    // Of the rows top, top + 1, ...
    std::vector<UINT> marks;
};

bool RowRect(HWND list, int row, RECT* rect)
{
    rect->left = LVIR_BOUNDS;
    return row >= 0 && SendMessageA(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(rect));
}

// Across the whole width: an owner-drawn row is painted a little wider than
// its bounds.
void InvalidateRow(HWND list, const RECT& client, int row)
{
    RECT rect;
    if (!RowRect(list, row, &rect))
        return;
    rect.left = client.left;
    rect.right = client.right;
    InvalidateRect(list, &rect, FALSE);
}

// Brings the screen to what the list became while it drew nothing: the rows
// moved as far as it scrolled, then the rows whose state changed repainted.
void ShowChange(HWND list, const Screen& before, int added)
{
    Screen after(list);
    if (!EqualRect(&after.client, &before.client) || after.across != before.across) {
        // A scroll bar came or the columns moved: everything shifted.
        RedrawWindow(list, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW);
        return;
    }
    RECT top;
    if (after.top != before.top && RowRect(list, after.top, &top)) {
        RECT rows = after.client;
        rows.top = top.top;
        ScrollWindowEx(list, 0, (before.top - after.top) * (top.bottom - top.top), &rows, &rows, nullptr, nullptr,
                       SW_INVALIDATE | SW_ERASE);
    }
    for (std::size_t i = 0; i < before.marks.size(); i++) {
        int row = before.top + static_cast<int>(i);
        if (Screen::Marks(list, row) != before.marks[i])
            InvalidateRow(list, after.client, row);
    }
    InvalidateRow(list, after.client, added);
    UpdateWindow(list);
}

void CALLBACK DrawStaleBar(HWND list, UINT, UINT_PTR, DWORD)
{
    EListRefreshScrollBar(list);
}

void NoteStaleBar(HWND list)
{
    DWORD now = GetTickCount();
    UINT_PTR since = reinterpret_cast<UINT_PTR>(GetPropA(list, StaleSince));
    if (!since) {
        SetPropA(list, StaleSince, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(now | 1)));
        SetTimer(list, BarTimer, EListBarDelay, DrawStaleBar);
    } else if (now - static_cast<DWORD>(since) >= EListBarDelay) {
        EListRefreshScrollBar(list);
    }
}

}

int EListAppendRowPlain(HWND list, const char* const* texts, int count)
{
    int index = Ask(list, LVM_GETITEMCOUNT, 0, 0);
    EListInsertRow(list, index, texts, count);
    LVITEMA state = {};
    state.stateMask = LVIS_SELECTED;
    state.state = LVIS_SELECTED;
    SendMessageA(list, LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&state));
    SendMessageA(list, LVM_ENSUREVISIBLE, index, TRUE);
    return index;
}

void EListAppendRow(HWND list, const char* const* texts, int count)
{
    if (!IsWindowVisible(list)) {
        EListAppendRowPlain(list, texts, count);
        return;
    }
    // What waits to be painted goes first: the screen is right before the
    // change, and only right pixels move when the rows are scrolled below.
    RedrawWindow(list, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    Screen before(list);
    // Without its visible bit the list changes without drawing anything, its
    // scroll bar included. Only the default procedure's WM_SETREDRAW flips
    // that bit quietly: the list view's own repaints the whole list, and on
    // a style change it redoes its layout at a cost like the scroll bar's.
    // Wine then wants the frame painted again, the scroll bar once more:
    // that is left for later like the rest of it.
    DefWindowProcA(list, WM_SETREDRAW, FALSE, 0);
    int index = EListAppendRowPlain(list, texts, count);
    DefWindowProcA(list, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(list, nullptr, nullptr, RDW_VALIDATE | RDW_NOFRAME | RDW_NOCHILDREN);
    ShowChange(list, before, index);
    NoteStaleBar(list);
}

bool EListScrollBarStale(HWND list)
{
    return GetPropA(list, StaleSince) != nullptr;
}

void EListRefreshScrollBar(HWND list)
{
    if (!RemovePropA(list, StaleSince))
        return;
    KillTimer(list, BarTimer);
    SCROLLBARINFO bar = {};
    bar.cbSize = sizeof bar;
    if (!GetScrollBarInfo(list, OBJID_VSCROLL, &bar) || (bar.rgstate[0] & STATE_SYSTEM_INVISIBLE))
        return;
    // Only the frame: the rows are up to date.
    MapWindowPoints(nullptr, list, reinterpret_cast<POINT*>(&bar.rcScrollBar), 2);
    RedrawWindow(list, &bar.rcScrollBar, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_NOCHILDREN);
}
