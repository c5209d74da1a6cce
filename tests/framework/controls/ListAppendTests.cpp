#include <doctest/doctest.h>

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "EListRows.h"
#include "TestProcess.h"
#include "ViewFixture.h"

namespace {

// A list view's rows below its header, in client coordinates.
RECT ListRowsArea(HWND list)
{
    RECT area, header;
    GetClientRect(list, &area);
    HWND headerWindow = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    if (headerWindow && IsWindowVisible(headerWindow) && GetWindowRect(headerWindow, &header))
        area.top = header.bottom - header.top;
    return area;
}

// The pixels of rect as they are on screen now, row by row.
std::vector<DWORD> ScreenPixels(HWND window, const RECT& rect)
{
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    REQUIRE((width > 0 && height > 0));
    Canvas canvas(width, height);
    HDC screen = GetDC(window);
    CHECK(BitBlt(canvas.dc.Handle(), 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY));
    ReleaseDC(window, screen);
    std::vector<DWORD> pixels(static_cast<std::size_t>(width) * height);
    LONG bytes = static_cast<LONG>(pixels.size() * sizeof(DWORD));
    CHECK(GetBitmapBits(canvas.bitmap.Bitmap(), bytes, pixels.data()) == bytes);
    return pixels;
}

struct AppendFixture {
    LogList log;
    AppendFixture() : log(600, 200) {}
    static std::wstring Path(int row) { return L"C:\\folder\\file" + std::to_wstring(row) + L".txt"; }
    // Appends until the list holds rows rows.
    void AppendUpTo(int rows)
    {
        for (int i = Count(); i < rows; i++) {
            std::wstring path = Path(i);
            const wchar_t* texts[] = {i % 2 ? L"del" : L"copy", path.c_str(), path.c_str()};
            log.log.AppendRow(texts, 3);
        }
    }
    int Ask(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return static_cast<int>(SendMessageA(log.list, message, wParam, lParam));
    }
    // As the control counts them: it follows every append.
    int Count() const { return Ask(LVM_GETITEMCOUNT); }
    int Page() const { return Ask(LVM_GETCOUNTPERPAGE); }
    // The rows on screen are what a full repaint shows.
    bool ShowsRight() const
    {
        RECT rows = ListRowsArea(log.list);
        std::vector<DWORD> shown = ScreenPixels(log.list, rows);
        RedrawWindow(log.list, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW);
        return shown == ScreenPixels(log.list, rows);
    }
    // The newest row is the one selected, and on screen, if only in part
    // (the list accepts a row cut by its lower edge as in view).
    void CheckNewestInView() const
    {
        int newest = Count() - 1;
        CHECK(Ask(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED) == newest);
        CHECK(Ask(LVM_GETSELECTEDCOUNT) == 1);
        RECT row = {LVIR_BOUNDS, 0, 0, 0}, shown, rows = ListRowsArea(log.list);
        REQUIRE(Ask(LVM_GETITEMRECT, newest, reinterpret_cast<LPARAM>(&row)));
        CHECK(IntersectRect(&shown, &row, &rows));
        CHECK(Ask(LVM_GETTOPINDEX) >= newest - Page());
    }
    // Messages flow until the picture has caught up with the list.
    void CatchUp() const { REQUIRE(WaitUntil([&] { return !log.log.PictureBehind(); }, 5000)); }
};

}

TEST_CASE("list append: a burst shows right once it is caught up, a lone row at once")
{
    AppendFixture f;
    int page = f.Page();
    REQUIRE(page > 3);

    // Fewer rows than a page, then the first that scrolls, then pages more.
    for (int rows : {3, page, page + 1, page + 2, 4 * page}) {
        CAPTURE(rows);
        f.AppendUpTo(rows);
        f.CatchUp();
        f.CheckNewestInView();
        CHECK(f.ShowsRight());
    }
    CHECK(f.log.log.CellText(4 * page - 1, 1) == AppendFixture::Path(4 * page - 1));
    // Caught up and quiet for longer than the paint delay, a row is painted
    // as it comes, without a message dispatched.
    for (int i = 1; i <= 3; i++) {
        f.CatchUp();
        DWORD start = GetTickCount();
        WaitUntil([&] { return GetTickCount() - start > EListPaintDelay; }, 5000);
        f.AppendUpTo(4 * page + i);
        CHECK(f.ShowsRight());
    }
}

TEST_CASE("list append: a hidden log gets every row, shown right once it shows, also past 100,000 rows")
{
    AppendFixture f;
    ShowWindow(f.log.parent, SW_HIDE);
    const int rows = 100000;
    f.AppendUpTo(rows);
    CHECK(f.Count() == rows);
    // Nothing waits to be drawn once the burst is over.
    f.CatchUp();
    ShowWindow(f.log.parent, SW_SHOW);
    RedrawWindow(f.log.parent, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    f.CheckNewestInView();
    CHECK(f.ShowsRight());
    // One more from the top of the list, as a user would scroll back.
    f.Ask(LVM_ENSUREVISIBLE, 0, FALSE);
    UpdateWindow(f.log.list);
    REQUIRE(f.Ask(LVM_GETTOPINDEX) == 0);
    f.AppendUpTo(rows + 1);
    f.CatchUp();
    f.CheckNewestInView();
    CHECK(f.log.log.CellText(rows, 1) == AppendFixture::Path(rows));
    CHECK(f.ShowsRight());
}

TEST_CASE("list append: a new log on a reused handle starts clean")
{
    AppendFixture f;
    EAttributeList list;
    list.Set(EKey::Style, LVS_REPORT | LVS_SINGLESEL).Set(EKey::Width, 600).Set(EKey::Height, 200);
    const EListColumn columns[] = {{"Operation", 80, 0}, {"Source", 300, 0}};
    auto old = std::make_unique<EOwnerDrawListView>(&f.log.view, "", list);
    old->InsertColumns(2, columns);
    const char* texts[] = {"copy", "C:\\a\\b.txt"};
    for (int i = 0; i < 5; i++)
        old->AppendRow(texts, 2);
    REQUIRE(old->PictureBehind());
    HWND handle = old->Handle();
    old.reset();
    // Under Wine a freed handle's slot comes back with the next user object
    // (a menu is the cheapest), one generation (the high word, 1 to 0xfffe)
    // later.
    auto word = [](HWND window, int high) { return (reinterpret_cast<UINT_PTR>(window) >> (high * 16)) & 0xFFFF; };
    std::unique_ptr<EOwnerDrawListView> same;
    for (int i = 0; i < 0x20000 && !same; i++) {
        HMENU menu = CreatePopupMenu();
        DestroyMenu(menu);
        HWND other = reinterpret_cast<HWND>(menu);
        if (word(other, 0) == word(handle, 0) && word(other, 1) % 0xFFFE + 1 == word(handle, 1))
            same = std::make_unique<EOwnerDrawListView>(&f.log.view, "", list);
    }
    REQUIRE((same && same->Handle() == handle));
    CHECK_FALSE(same->PictureBehind());
    same->InsertColumns(2, columns);
    same->AppendRow(texts, 2);
    CHECK(WaitUntil([&] { return !same->PictureBehind(); }, 3000));
}
