#include "EListRows.h"

#include <commctrl.h>

#include <vector>

namespace {

// Tick counts (never 0): since when the picture on screen is behind the
// list, and when it was last brought up to date.
const char BehindSince[] = "OmbrelListBehind";
const char ShownAt[] = "OmbrelListShown";
// Far from the small numbers a control uses for timers of its own.
const UINT_PTR CatchUpTimer = 0x4F6D6272;

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

void CALLBACK CatchUp(HWND list, UINT, UINT_PTR, DWORD)
{
    EListRefreshPicture(list);
}

DWORD Tick(HWND list, const char* name)
{
    return static_cast<DWORD>(reinterpret_cast<UINT_PTR>(GetPropA(list, name)));
}

void SetTick(HWND list, const char* name, DWORD now)
{
    SetPropA(list, name, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(now | 1)));
}

// The picture on screen no longer shows the list; the timer catches up
// once messages flow, an append does when rows keep coming.
void FallBehind(HWND list, DWORD now)
{
    if (Tick(list, BehindSince))
        return;
    SetTick(list, BehindSince, now);
    SetTimer(list, CatchUpTimer, EListPaintDelay, CatchUp);
}

// Inserts, selects and scrolls with the list's visible bit off, so that it
// draws nothing, its scroll bar included. Only the default procedure's
// WM_SETREDRAW flips that bit quietly: the list view's own repaints the
// whole list, and a style change makes it redo its layout. What Wine then
// wants painted again is left to the next picture.
int AppendQuietly(HWND list, const char* const* texts, int count)
{
    DefWindowProcA(list, WM_SETREDRAW, FALSE, 0);
    int index = EListAppendRowPlain(list, texts, count);
    DefWindowProcA(list, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(list, nullptr, nullptr, RDW_VALIDATE | RDW_NOFRAME | RDW_NOCHILDREN);
    return index;
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
    DWORD now = GetTickCount();
    DWORD behind = Tick(list, BehindSince);
    DWORD shown = Tick(list, ShownAt);
    if (!behind && (!shown || now - shown >= EListPaintDelay)) {
        // Rows come one at a time: this one shows at once. What waits to be
        // painted goes first, so that only right pixels move below.
        RedrawWindow(list, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        Screen before(list);
        int index = AppendQuietly(list, texts, count);
        ShowChange(list, before, index);
        SetTick(list, ShownAt, now);
        // The scroll bar follows later, like the rest of a burst.
        FallBehind(list, now);
        return;
    }
    // Rows pour in: painting each would cost more than the run's own work.
    // The list is right at once; its picture follows every EListPaintDelay.
    AppendQuietly(list, texts, count);
    if (behind && now - behind >= EListPaintDelay)
        EListRefreshPicture(list);
    else
        FallBehind(list, now);
}

bool EListPictureBehind(HWND list)
{
    return Tick(list, BehindSince) != 0;
}

void EListRefreshPicture(HWND list)
{
    if (!RemovePropA(list, BehindSince))
        return;
    KillTimer(list, CatchUpTimer);
    RedrawWindow(list, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW);
    SetTick(list, ShownAt, GetTickCount());
}
