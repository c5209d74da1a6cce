#include <doctest/doctest.h>

#include <windows.h>
#include <commctrl.h>

#include "EListRows.h"
#include "EOwnerDrawListView.h"
#include "ViewFixture.h"

namespace {

const COLORREF Navy = RGB(0, 0, 128), White = RGB(255, 255, 255);

int Ink(const Canvas& canvas, int left, int right, int height, COLORREF fill)
{
    int count = 0;
    for (int y = 1; y < height - 1; y++)
        for (int x = left; x < right; x++)
            count += canvas.At(x, y) != fill;
    return count;
}

}

TEST_CASE("list view: the parent's WM_DRAWITEM paints the row texts through the framework")
{
    ViewFixture f;
    EAttributeList logList;
    EOwnerDrawListView log(&f.view, "", logList.Set(EKey::Width, 620).Set(EKey::Height, 200).Set(EKey::Style, LVS_REPORT));
    // Without the owner-draw style the parent is never asked to paint.
    CHECK((GetWindowLongPtrA(log.Handle(), GWL_STYLE) & LVS_OWNERDRAWFIXED) != 0);
    SendMessageA(log.Handle(), LVM_SETBKCOLOR, 0, White);
    SendMessageA(log.Handle(), LVM_SETTEXTCOLOR, 0, RGB(0, 0, 0));
    const EListColumn columns[] = {{"Operation", 80, 0}, {"Source", 300, 0}, {"Destination", 200, 0}};
    log.InsertColumns(3, columns);
    const char* texts[] = {"copy", "C:\\a\\source.txt", ""};
    log.InsertRow(0, texts, 3);
    const int width = 620, height = 18;
    const RECT rect = {0, 0, width, height};

    Canvas plain(width, height);
    DrawThroughParent(f.view.Handle(), log.Handle(), ODT_LISTVIEW, 0, 0, rect, plain);
    CHECK(plain.At(0, 0) == White);
    CHECK(Ink(plain, 2, 78, height, White) > 0);     // "copy"
    CHECK(Ink(plain, 82, 378, height, White) > 0);   // the source path
    CHECK(Ink(plain, 380, width, height, White) == 0); // no destination

    Canvas selected(width, height);
    DrawThroughParent(f.view.Handle(), log.Handle(), ODT_LISTVIEW, 0, ODS_SELECTED, rect, selected);
    CHECK(selected.At(0, 0) == Navy);
    CHECK(selected.At(width - 1, height - 1) == Navy);
    // The text, in the list's background colour, where the plain row has it.
    CHECK(Ink(selected, 2, 78, height, Navy) == Ink(plain, 2, 78, height, White));
    CHECK(Ink(selected, 380, width, height, Navy) == 0);
}
