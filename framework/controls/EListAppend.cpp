#include "EListRows.h"

#include <commctrl.h>

#include <map>
#include <vector>

namespace {

// How far a list's picture on screen is from the list.
struct Picture {
    bool behind = false;
    bool shown = false;
    // Since when it is behind, and when it was last brought up to date.
    DWORD behindSince = 0;
    DWORD shownAt = 0;
    // Milliseconds the last whole picture took.
    DWORD paintCost = 0;
    // The list's own drawing is off for a burst of rows.
    bool frozen = false;
};

// Kept in the process, not as window properties: under Wine those live in
// the server, and asking for one costs as much as inserting a row.
Picture& PictureOf(HWND list)
{
    thread_local std::map<HWND, Picture> pictures;
    auto found = pictures.find(list);
    if (found != pictures.end())
        return found->second;
    // A list not seen before: forget those that are gone.
    for (auto i = pictures.begin(); i != pictures.end();)
        i = IsWindow(i->first) ? std::next(i) : pictures.erase(i);
    return pictures[list];
}

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

// How long the picture may stay behind in a burst: the paint delay, or
// twenty times what the last picture took, so that painting takes at most a
// twentieth of a run however slow the display (under Wine a picture of the
// log costs about 20 ms), but never more than a second.
DWORD CatchUpDelay(const Picture& picture)
{
    DWORD least = EListPaintDelay, most = 1000;
    DWORD delay = 20 * picture.paintCost;
    return delay < least ? least : delay > most ? most : delay;
}

// The picture on screen no longer shows the list; the timer catches up
// once messages flow, an append does when rows keep coming.
void FallBehind(HWND list, Picture& picture, DWORD now)
{
    if (picture.behind)
        return;
    picture.behind = true;
    picture.behindSince = now;
    SetTimer(list, CatchUpTimer, CatchUpDelay(picture), CatchUp);
}

// Inserts, selects and scrolls with the list's visible bit off, so that it
// draws nothing, its scroll bar included. Only the default procedure's
// WM_SETREDRAW flips that bit quietly: the list view's own repaints the
// whole list, and a style change makes it redo its layout. What Wine then
// wants painted again is left to the next picture.
int AppendQuietly(HWND list, const wchar_t* const* texts, int count)
{
    DefWindowProcA(list, WM_SETREDRAW, FALSE, 0);
    int index = EListAppendRowPlain(list, texts, count);
    DefWindowProcA(list, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(list, nullptr, nullptr, RDW_VALIDATE | RDW_NOFRAME | RDW_NOCHILDREN);
    return index;
}

void Select(HWND list, int index)
{
    LVITEMA state = {};
    state.stateMask = LVIS_SELECTED;
    state.state = LVIS_SELECTED;
    SendMessageA(list, LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&state));
}

// In a burst the list's own drawing stays off until the next picture, so
// that an insert costs the control no layout or painting (under Wine even
// a quiet append costs about a millisecond, as much as the run's own work
// on a small file). Selecting and scrolling to the newest row wait for the
// picture too: with drawing off, a scroll alone costs the control several
// milliseconds.
void AppendInBurst(HWND list, Picture& picture, const wchar_t* const* texts, int count)
{
    if (!picture.frozen) {
        SendMessageA(list, WM_SETREDRAW, FALSE, 0);
        picture.frozen = true;
    }
    EListInsertRow(list, Ask(list, LVM_GETITEMCOUNT, 0, 0), texts, count);
}

// Ends a burst: selects and scrolls to the newest row and turns the list's
// drawing back on with the visible bit off, so that none of it draws; the
// picture follows.
void Thaw(HWND list, Picture& picture)
{
    if (!picture.frozen)
        return;
    picture.frozen = false;
    DefWindowProcA(list, WM_SETREDRAW, FALSE, 0);
    // Its drawing on first: with it off, the list does not scroll.
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    int count = Ask(list, LVM_GETITEMCOUNT, 0, 0);
    if (count > 0) {
        Select(list, count - 1);
        SendMessageA(list, LVM_ENSUREVISIBLE, count - 1, TRUE);
    }
    DefWindowProcA(list, WM_SETREDRAW, TRUE, 0);
}

}

int EListAppendRowPlain(HWND list, const char* const* texts, int count)
{
    return EListAppendRowPlain(list, EWideRow(texts, count).Texts(), count);
}

int EListAppendRowPlain(HWND list, const wchar_t* const* texts, int count)
{
    int index = Ask(list, LVM_GETITEMCOUNT, 0, 0);
    EListInsertRow(list, index, texts, count);
    Select(list, index);
    SendMessageA(list, LVM_ENSUREVISIBLE, index, TRUE);
    return index;
}

void EListAppendRow(HWND list, const char* const* texts, int count)
{
    EListAppendRow(list, EWideRow(texts, count).Texts(), count);
}

void EListAppendRow(HWND list, const wchar_t* const* texts, int count)
{
    Picture& picture = PictureOf(list);
    if (!IsWindowVisible(list) && !picture.frozen) {
        EListAppendRowPlain(list, texts, count);
        return;
    }
    DWORD now = GetTickCount();
    if (!picture.behind && (!picture.shown || now - picture.shownAt >= EListPaintDelay)) {
        // Rows come one at a time: this one shows at once. What waits to be
        // painted goes first, so that only right pixels move below.
        RedrawWindow(list, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        Screen before(list);
        int index = AppendQuietly(list, texts, count);
        ShowChange(list, before, index);
        picture.shown = true;
        picture.shownAt = now;
        // The scroll bar follows later, like the rest of a burst.
        FallBehind(list, picture, now);
        return;
    }
    // Rows pour in: painting each would cost more than the run's own work.
    // The rows are in the list at once; the selection, scroll position and
    // picture follow every EListPaintDelay or so.
    AppendInBurst(list, picture, texts, count);
    if (picture.behind && now - picture.behindSince >= CatchUpDelay(picture))
        EListRefreshPicture(list);
    else
        FallBehind(list, picture, now);
}

bool EListPictureBehind(HWND list)
{
    return PictureOf(list).behind;
}

void EListRefreshPicture(HWND list)
{
    Picture& picture = PictureOf(list);
    if (!picture.behind)
        return;
    picture.behind = false;
    KillTimer(list, CatchUpTimer);
    DWORD start = GetTickCount();
    Thaw(list, picture);
    RedrawWindow(list, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW);
    picture.shown = true;
    picture.shownAt = GetTickCount();
    picture.paintCost = picture.shownAt - start;
}
