#include "EListPicture.h"

#include <commctrl.h>

#include <vector>

#include "EListRows.h"

namespace {

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

void SetSelected(HWND list, int index, bool selected)
{
    LVITEMA state = {};
    state.stateMask = LVIS_SELECTED;
    state.state = selected ? LVIS_SELECTED : 0;
    SendMessageA(list, LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&state));
}

// Selects the row and no other. A single-selection virtual list clears the
// others by walking every row under Wine (80 ms at 200,000 rows), so the
// row selected before is cleared here and the style is off for the moment
// of the selection. The selection mark names that row: the control moves
// it on a click or a key, this on every selection. When the mark does not
// hold the one selected row, the control clears the others its own way.
// The caller keeps the list's visible bit off, so the style change costs
// no layout on screen.
void SelectOnly(HWND list, int index)
{
    LONG_PTR style = GetWindowLongPtrA(list, GWL_STYLE);
    int mark = Ask(list, LVM_GETSELECTIONMARK, 0, 0);
    int selected = Ask(list, LVM_GETSELECTEDCOUNT, 0, 0);
    bool known = selected == 0 || (selected == 1 && mark >= 0 && Screen::Marks(list, mark) & LVIS_SELECTED);
    if (!(style & LVS_SINGLESEL) || !known) {
        SetSelected(list, index, true);
    } else {
        if (selected)
            SetSelected(list, mark, false);
        SetWindowLongPtrA(list, GWL_STYLE, style & ~LVS_SINGLESEL);
        SetSelected(list, index, true);
        SetWindowLongPtrA(list, GWL_STYLE, style);
    }
    SendMessageA(list, LVM_SETSELECTIONMARK, 0, index);
}

// The control's count follows the rows kept; it keeps no text, so the
// layout it does for a row is all the cost. No scroll and no repaint of the
// whole list: the caller brings the picture up to date.
void SetCount(HWND list, int count)
{
    SendMessageA(list, LVM_SETITEMCOUNT, count, LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
}

// Tells the list it holds count rows, selects the last and scrolls it into
// view. The caller keeps the list's visible bit off: with it on, the control
// draws its scroll bar twice for it.
void ShowNewest(HWND list, int count)
{
    SetCount(list, count);
    if (count < 1)
        return;
    SelectOnly(list, count - 1);
    SendMessageA(list, LVM_ENSUREVISIBLE, count - 1, TRUE);
}

// Repaints the list's border and scroll bars now, not its rows.
void PaintFrame(HWND list)
{
    RECT whole, client;
    GetWindowRect(list, &whole);
    MapWindowPoints(nullptr, list, reinterpret_cast<POINT*>(&whole), 2);
    GetClientRect(list, &client);
    HRGN frame = CreateRectRgnIndirect(&whole);
    HRGN inside = CreateRectRgnIndirect(&client);
    CombineRgn(frame, frame, inside, RGN_DIFF);
    RedrawWindow(list, nullptr, frame, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_NOCHILDREN);
    DeleteObject(inside);
    DeleteObject(frame);
}

// Counts in, selects and scrolls to the newest row with the list's
// visible bit off, so that it draws nothing, its scroll bar included. Only
// the default procedure's WM_SETREDRAW flips that bit quietly: the list
// view's own repaints the whole list, and a style change makes it redo its
// layout. What Wine then wants painted again is left to the next picture.
void AppendQuietly(HWND list, int count)
{
    DefWindowProcA(list, WM_SETREDRAW, FALSE, 0);
    ShowNewest(list, count);
    if (count == 1) {
        // The first row of an empty list: the control works out the size
        // of its rows at its next paint and draws its scroll bars there and
        // then, 20 to 50 ms under Wine. Done now into a memory DC, with the
        // visible bit off, it draws nothing; the frame follows later.
        HDC dc = CreateCompatibleDC(nullptr);
        SendMessageA(list, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        DeleteDC(dc);
    }
    DefWindowProcA(list, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(list, nullptr, nullptr, RDW_VALIDATE | RDW_NOFRAME | RDW_NOCHILDREN);
}

}

EListPicture::~EListPicture()
{
    if (behind && IsWindow(list))
        KillTimer(list, Timer());
}

// The timer's id is the picture's own address: no table of lists is
// needed to find it, and it is far from the small ids the control uses.
UINT_PTR EListPicture::Timer() const
{
    return reinterpret_cast<UINT_PTR>(this);
}

void CALLBACK EListPicture::CatchUp(HWND, UINT, UINT_PTR id, DWORD)
{
    reinterpret_cast<EListPicture*>(id)->CatchUpStep();
}

// A whole picture of the log costs about 25 ms under Wine: bringing the
// list to its newest row 5 ms, the rows 3, the frame with its themed scroll
// bars 10 to 15, the header 5 to 8. The timer paints the rows, the frame
// and the header at three ticks, so that the thread takes its messages in
// between. Rows that come between the ticks leave the list where it is,
// and the next picture follows after the delay.
void EListPicture::CatchUpStep()
{
    if (!behind)
        return;
    DWORD start = GetTickCount();
    switch (stepsDone) {
    case 0:
        Thaw();
        // Thawing leaves the frame waiting to be painted as well, which the
        // rows' paint would do first; it has a step of its own.
        RedrawWindow(list, nullptr, nullptr, RDW_VALIDATE | RDW_NOFRAME | RDW_NOCHILDREN);
        RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_NOCHILDREN | RDW_UPDATENOW | RDW_ERASENOW);
        break;
    case 1:
        PaintFrame(list);
        break;
    default:
        RedrawWindow(reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0)), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ERASENOW);
        CaughtUp(stepsCost + GetTickCount() - start);
        if (moreRows)
            FallBehind(shownAt);
        return;
    }
    stepsDone++;
    stepsCost += GetTickCount() - start;
    SetTimer(list, Timer(), USER_TIMER_MINIMUM, CatchUp);
}

void EListPicture::CaughtUp(DWORD cost)
{
    behind = false;
    stepsDone = 0;
    stepsCost = 0;
    KillTimer(list, Timer());
    shown = true;
    shownAt = GetTickCount();
    paintCost = cost;
}

// How long the picture may stay behind in a burst: the paint delay, or
// twenty times what the last picture took, so that painting takes at most a
// twentieth of a run however slow the display (under Wine a picture of the
// log costs about 20 ms), but never more than a second.
DWORD EListPicture::CatchUpDelay() const
{
    DWORD least = EListPaintDelay, most = 1000;
    DWORD delay = 20 * paintCost;
    return delay < least ? least : delay > most ? most : delay;
}

// The picture on screen no longer shows the list; the timer catches up
// once messages flow, an append does when rows keep coming.
void EListPicture::FallBehind(DWORD now)
{
    if (behind)
        return;
    behind = true;
    behindSince = now;
    SetTimer(list, Timer(), CatchUpDelay(), CatchUp);
}

void EListPicture::Appended(HWND control, int count)
{
    list = control;
    DWORD now = GetTickCount();
    // A log that is not on screen takes its rows as a burst does: with its
    // drawing on, the control lays itself out and scrolls on every row, a
    // few milliseconds under Wine however hidden.
    if (IsWindowVisible(list) && !behind && (!shown || now - shownAt >= EListPaintDelay)) {
        // Rows come one at a time: this one shows at once. What waits to be
        // painted goes first, so that only right pixels move below.
        RedrawWindow(list, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        Screen before(list);
        AppendQuietly(list, count);
        ShowChange(list, before, count - 1);
        shown = true;
        shownAt = now;
        // The scroll bar follows later, like the rest of a burst.
        FallBehind(now);
        return;
    }
    if (stepsDone > 0) {
        // Between the timer's steps the list draws nothing and stays
        // where it is; only its scroll bar's range follows.
        DefWindowProcA(list, WM_SETREDRAW, FALSE, 0);
        SetCount(list, count);
        DefWindowProcA(list, WM_SETREDRAW, TRUE, 0);
        moreRows = true;
        return;
    }
    // Rows pour in: painting each would cost more than the run's own work,
    // and under Wine a scroll with drawing off costs the control several
    // milliseconds. The list's drawing stays off, the control learns the
    // count, and the selection, scroll position and picture follow every
    // EListPaintDelay or so.
    if (!frozen) {
        SendMessageA(list, WM_SETREDRAW, FALSE, 0);
        frozen = true;
    }
    SetCount(list, count);
    // The timer catches up between two messages; this is for a run that
    // takes none for that long. Painting here would add the picture's time
    // to whatever kept the run from its messages before.
    if (behind && now - behindSince >= 2 * CatchUpDelay())
        Refresh();
    else
        FallBehind(now);
}

// Ends a burst: selects and scrolls to the newest row and turns the list's
// drawing back on with the visible bit off, so that none of it draws; the
// picture follows.
void EListPicture::Thaw()
{
    if (!frozen && !moreRows)
        return;
    DefWindowProcA(list, WM_SETREDRAW, FALSE, 0);
    // Its drawing on first: with it off, the list does not scroll.
    if (frozen)
        SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    ShowNewest(list, Ask(list, LVM_GETITEMCOUNT, 0, 0));
    DefWindowProcA(list, WM_SETREDRAW, TRUE, 0);
    frozen = false;
    moreRows = false;
}

void EListPicture::Refresh()
{
    if (!behind)
        return;
    DWORD start = GetTickCount();
    Thaw();
    RedrawWindow(list, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW);
    CaughtUp(GetTickCount() - start);
}
