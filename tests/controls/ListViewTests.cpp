#include <doctest/doctest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "BarsFixture.h"
#include "EListRows.h"
#include "EOwnerDrawListView.h"
#include "TestProcess.h"

namespace {

const EListColumn LogColumns[] = {{"Operation", 80, 0}, {"Source", 300, 0}, {"Destination", 200, 0}};
const COLORREF Navy = RGB(0, 0, 128), White = RGB(255, 255, 255);

struct LogFixture : ViewFixture {
    EAttributeList logList;
    EOwnerDrawListView log;
    LogFixture()
        : log(&view, "",
              logList.Set(EKey::X, 0)
                  .Set(EKey::Y, 0)
                  .Set(EKey::Width, 620)
                  .Set(EKey::Height, 200)
                  .Set(EKey::ExStyle, WS_EX_CLIENTEDGE)
                  .Set(EKey::Style, LVS_REPORT | LVS_SINGLESEL))
    {
        SendMessageA(log.Handle(), LVM_SETBKCOLOR, 0, White);
        SendMessageA(log.Handle(), LVM_SETTEXTCOLOR, 0, RGB(0, 0, 0));
        log.InsertColumns(3, LogColumns);
    }
    void Append(int i)
    {
        std::string path = "C:\\folder\\file" + std::to_string(i) + ".txt";
        const char* texts[] = {"copy", path.c_str(), path.c_str()};
        log.AppendRow(texts, 3);
    }
    int Selected() const { return static_cast<int>(SendMessageA(log.Handle(), LVM_GETNEXTITEM, -1, LVNI_SELECTED)); }
};

// Counts the rows the parent has painted, then paints them as the log would.
class PaintCounter : public EObject {
public:
    explicit PaintCounter(EOwnerDrawListView& log) : log(log) {}
    LRESULT Paint(EEvent& event)
    {
        count++;
        return log.DrawRow(event);
    }
    EOwnerDrawListView& log;
    int count = 0;
};

int Ink(const Canvas& canvas, int left, int right, int height, COLORREF fill)
{
    int count = 0;
    for (int y = 1; y < height - 1; y++)
        for (int x = left; x < right; x++)
            count += canvas.At(x, y) != fill;
    return count;
}

}

TEST_CASE("list view: an owner-drawn report list with columns counted from the control")
{
    LogFixture f;
    LONG_PTR style = GetWindowLongPtrA(f.log.Handle(), GWL_STYLE);
    CHECK((style & (LVS_REPORT | LVS_OWNERDRAWFIXED | LVS_SINGLESEL)) == (LVS_REPORT | LVS_OWNERDRAWFIXED | LVS_SINGLESEL));
    CHECK(f.log.ColumnCount() == 3);
    CHECK_FALSE(f.log.HasColumn(3));
    CHECK(f.log.RowCount() == 0);
    unsigned key = f.log.EventKeyFor(LVN_COLUMNCLICK);
    CHECK(key == EKey::ColumnClick);
}

TEST_CASE("list view: the newest row is selected and scrolled into view as the picture follows")
{
    LogFixture f;
    PaintCounter counter(f.log);
    f.view.AddEventHandler(EKey::DrawItem, reinterpret_cast<EValue>(f.log.Handle()), &counter, &PaintCounter::Paint);
    UpdateWindow(f.log.Handle());
    // Some pages' worth.
    const int rows = 60;
    for (int i = 0; i < rows; i++)
        f.Append(i);
    CHECK(f.log.RowCount() == rows);
    // Once messages flow, nothing is left waiting to be painted, and the
    // newest row is selected, in view and navy.
    REQUIRE(WaitUntil([&] { return !EListPictureBehind(f.log.Handle()); }, 5000));
    CHECK(f.Selected() == rows - 1);
    CHECK(SendMessageA(f.log.Handle(), LVM_GETSELECTEDCOUNT, 0, 0) == 1);
    int top = static_cast<int>(SendMessageA(f.log.Handle(), LVM_GETTOPINDEX, 0, 0));
    int page = static_cast<int>(SendMessageA(f.log.Handle(), LVM_GETCOUNTPERPAGE, 0, 0));
    CHECK(top > 0);
    CHECK(rows - 1 <= top + page);
    CHECK_FALSE(GetUpdateRect(f.log.Handle(), nullptr, FALSE));
    RECT row = {LVIR_BOUNDS, 0, 0, 0};
    REQUIRE(SendMessageA(f.log.Handle(), LVM_GETITEMRECT, rows - 1, reinterpret_cast<LPARAM>(&row)));
    HDC dc = GetDC(f.log.Handle());
    CHECK(GetPixel(dc, row.right - 3, (row.top + row.bottom) / 2) == Navy);
    ReleaseDC(f.log.Handle(), dc);

    // A row after a quiet spell is painted on return, with the rows that
    // changed, not the page.
    for (int i = rows; i < rows + 3; i++) {
        REQUIRE(WaitUntil([&] { return !EListPictureBehind(f.log.Handle()); }, 5000));
        DWORD start = GetTickCount();
        WaitUntil([&] { return GetTickCount() - start > EListPaintDelay; }, 5000);
        int before = counter.count;
        f.Append(i);
        CHECK(f.Selected() == i);
        CHECK(counter.count - before > 0);
        CHECK(counter.count - before <= 3);
        REQUIRE(SendMessageA(f.log.Handle(), LVM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&row)));
        dc = GetDC(f.log.Handle());
        CHECK(GetPixel(dc, row.right - 3, (row.top + row.bottom) / 2) == Navy);
        ReleaseDC(f.log.Handle(), dc);
    }
    CHECK(page > 3);

    f.log.DeleteAllRows();
    CHECK(f.log.RowCount() == 0);
}

TEST_CASE("list view: the parent's WM_DRAWITEM paints the row texts through the framework")
{
    LogFixture f;
    const char* texts[] = {"copy", "C:\\a\\source.txt", ""};
    f.log.InsertRow(0, texts, 3);
    const int width = 620, height = 18;
    const RECT rect = {0, 0, width, height};

    Canvas plain(width, height);
    DrawThroughParent(f.view.Handle(), f.log.Handle(), ODT_LISTVIEW, 0, 0, rect, plain);
    CHECK(plain.At(0, 0) == White);
    CHECK(Ink(plain, 2, 78, height, White) > 0);     // "copy"
    CHECK(Ink(plain, 82, 378, height, White) > 0);   // the source path
    CHECK(Ink(plain, 380, width, height, White) == 0); // no destination

    Canvas selected(width, height);
    DrawThroughParent(f.view.Handle(), f.log.Handle(), ODT_LISTVIEW, 0, ODS_SELECTED, rect, selected);
    CHECK(selected.At(0, 0) == Navy);
    CHECK(selected.At(width - 1, height - 1) == Navy);
    // The text, in the list's background colour, where the plain row has it.
    CHECK(Ink(selected, 2, 78, height, Navy) == Ink(plain, 2, 78, height, White));
    CHECK(Ink(selected, 380, width, height, Navy) == 0);
}
