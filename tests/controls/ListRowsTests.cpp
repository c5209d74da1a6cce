#include <doctest/doctest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "EBitmap.h"
#include "EListRows.h"
#include "EMemoryDC.h"
#include "LogList.h"

namespace {

const EListColumn LogColumns[] = {{"Operation", 80, 1}, {"Source", 300, 0}, {"Destination", 200, 2}};

std::string Cell(HWND list, int row, int column)
{
    char text[MAX_PATH + 10] = "";
    LVITEMA cell = {};
    cell.iSubItem = column;
    cell.pszText = text;
    cell.cchTextMax = sizeof text;
    SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&cell));
    return text;
}

int Format(HWND list, int column)
{
    LVCOLUMNA description = {};
    description.mask = LVCF_FMT;
    SendMessageA(list, LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&description));
    return description.fmt & 3;
}

// One row painted into a white-on-nothing memory canvas of the row's size.
struct Painted {
    static const int Width = 600, Height = 18;
    EBitmap bitmap;
    EMemoryDC dc;
    Painted(HWND list, int row, UINT state)
        : bitmap(CreateBitmap(Width, Height, 1, 32, nullptr))
    {
        dc.Select(bitmap.Bitmap());
        DRAWITEMSTRUCT item = {};
        item.CtlType = ODT_LISTVIEW;
        item.itemID = row;
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = state;
        item.hwndItem = list;
        item.hDC = dc.Handle();
        item.rcItem = {0, 0, Width, Height};
        EListDrawRow(list, item);
    }
    COLORREF At(int x, int y) const { return GetPixel(dc.Handle(), x, y); }
    // Pixels of columns [left, right) that differ from the fill colour.
    int Ink(int left, int right, COLORREF fill) const
    {
        int count = 0;
        for (int y = 1; y < Height - 1; y++)
            for (int x = left; x < right; x++)
                count += At(x, y) != fill;
        return count;
    }
    int FirstInkColumn(int left, int right, COLORREF fill) const
    {
        for (int x = left; x < right; x++)
            for (int y = 1; y < Height - 1; y++)
                if (At(x, y) != fill)
                    return x;
        return -1;
    }
};

}

TEST_CASE("list rows: columns, the first always left-aligned, counted from the control")
{
    LogList log(600, 200);
    CHECK(EListColumnCount(log.list) == 0);
    CHECK_FALSE(EListHasColumn(log.list, 0));
    EListInsertColumns(log.list, 0, LogColumns);
    CHECK(EListColumnCount(log.list) == 0);
    EListInsertColumns(log.list, 3, LogColumns);
    CHECK(EListColumnCount(log.list) == 3);
    CHECK(EListHasColumn(log.list, 2));
    CHECK_FALSE(EListHasColumn(log.list, 3));
    CHECK(Format(log.list, 0) == LVCFMT_LEFT);
    CHECK(Format(log.list, 2) == LVCFMT_CENTER);
}

TEST_CASE("list rows: inserted with sub-items and item data; texts bounded")
{
    LogList log(600, 200);
    EListInsertColumns(log.list, 3, LogColumns);
    const char* one[] = {"only", "ignored", "ignored"};
    EListInsertRow(log.list, 0, one, 1);
    const char* three[] = {"copy", "C:\\a\\b.txt", "D:\\a\\b.txt"};
    EListInsertRow(log.list, 1, three, 3);
    CHECK(Cell(log.list, 0, 0) == "only");
    CHECK(Cell(log.list, 0, 1).empty());
    CHECK(Cell(log.list, 1, 1) == "C:\\a\\b.txt");
    CHECK(Cell(log.list, 1, 2) == "D:\\a\\b.txt");
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = 1;
    SendMessageA(log.list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    CHECK(item.lParam == 1);

    std::string huge(5000, 'x');
    const char* big[] = {"copy", huge.c_str(), nullptr};
    EListInsertRow(log.list, 2, big, 3);
    CHECK(Cell(log.list, 2, 1) == std::string(EListCellLimit, 'x'));
    CHECK(Cell(log.list, 2, 2).empty());
}

TEST_CASE("list rows: painting a row, selected or not")
{
    LogList log(600, 150);
    const EListColumn columns[] = {{"Operation", 80, 0}, {"Narrow", 4, 0}, {"Right", 150, 1}, {"Format 3", 200, 3}};
    EListInsertColumns(log.list, 4, columns);
    SendMessageA(log.list, LVM_SETBKCOLOR, 0, RGB(255, 255, 255));
    SendMessageA(log.list, LVM_SETTEXTCOLOR, 0, RGB(0, 0, 0));
    const char* texts[] = {"WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW", "WWWW", "ab", "cd"};
    EListInsertRow(log.list, 0, texts, 4);
    const COLORREF white = RGB(255, 255, 255), navy = RGB(0, 0, 128);

    Painted plain(log.list, 0, 0);
    CHECK(plain.At(0, 0) == white);
    // Too long: cut inside its own column, two pixels short of the edge.
    CHECK(plain.Ink(2, 78, white) > 0);
    CHECK(plain.Ink(78, 84, white) == 0);
    // Right-aligned: ink near the right edge only.
    CHECK(plain.Ink(84, 200, white) == 0);
    CHECK(plain.Ink(200, 232, white) > 0);
    // Format 3 is drawn left-aligned, from its own edge.
    int first = plain.FirstInkColumn(234, 434, white);
    CHECK(first >= 236);
    CHECK(first < 250);
    CHECK(plain.Ink(434, 600, white) == 0);

    Painted selected(log.list, 0, ODS_SELECTED);
    CHECK(selected.At(0, 0) == navy);
    CHECK(selected.At(599, 17) == navy);
    CHECK(selected.Ink(2, 78, navy) > 0);
    CHECK(selected.Ink(84, 200, navy) == 0);

    Painted focused(log.list, 0, ODS_FOCUS);
    // A dotted rectangle over the whole row, text left alone.
    int top = 0, bottom = 0;
    for (int x = 0; x < Painted::Width; x++) {
        top += focused.At(x, 0) != white;
        bottom += focused.At(x, Painted::Height - 1) != white;
    }
    CHECK(top > Painted::Width / 3);
    CHECK(bottom > Painted::Width / 3);
    CHECK(plain.At(0, 0) == white);
    CHECK(focused.Ink(84, 200, white) == 0);
    CHECK(focused.Ink(2, 78, white) == plain.Ink(2, 78, white));
}

TEST_CASE("list rows: a row of a list without columns only gets its background")
{
    LogList log(300, 100);
    SendMessageA(log.list, LVM_SETBKCOLOR, 0, RGB(255, 255, 255));
    Painted empty(log.list, 0, 0);
    CHECK(empty.Ink(0, Painted::Width, RGB(255, 255, 255)) == 0);
}
