#include <doctest/doctest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "EListRows.h"
#include "EOwnerDrawListView.h"
#include "ViewFixture.h"

namespace {

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

const int RowWidth = 600, RowHeight = 18;

// One row painted into a memory canvas of the row's size, as the system
// asks the list's parent for it.
struct Painted : Canvas {
    Painted(const LogList& log, int row, UINT state) : Canvas(RowWidth, RowHeight)
    {
        DrawThroughParent(log.parent, log.list, ODT_LISTVIEW, row, state, {0, 0, RowWidth, RowHeight}, *this);
    }
};

// Pixels of columns [left, right) of a row that differ from the fill colour.
int Ink(const Canvas& row, int left, int right, COLORREF fill)
{
    int count = 0;
    for (int y = 1; y < RowHeight - 1; y++)
        for (int x = left; x < right; x++)
            count += row.At(x, y) != fill;
    return count;
}

}

TEST_CASE("list rows: kept with shared folders, given back through the control, bounded, wide ones cut whole")
{
    LogList log(600, 200);
    std::string huge(5000, 'x'), deep = "C:\\" + std::string(300, 'd') + "\\f.txt";
    // Row by row: what is appended, then what each cell gives back.
    const struct {
        std::vector<const char*> texts;
        std::vector<std::string> cells;
    } rows[] = {
        {{"copy", "C:\\a\\b.txt", "D:\\a\\b.txt"}, {"copy", "C:\\a\\b.txt", "D:\\a\\b.txt"}},
        {{"copy", "C:\\a\\c.txt", "D:\\a\\b.txt"}, {"copy", "C:\\a\\c.txt", "D:\\a\\b.txt"}},
        {{"del", "C:\\a\\", nullptr}, {"del", "C:\\a\\", ""}},
        {{"only"}, {"only", "", ""}},
        {{"newer, kept", "C:\\a\\b.txt", "C:\\a\\b.txt", "ignored"}, {"newer, kept", "C:\\a\\b.txt", "C:\\a\\b.txt"}},
        {{"copy", huge.c_str(), deep.c_str()}, {"copy", std::string(EListCellLimit, 'x'), deep.substr(0, EListCellLimit)}},
        {{"", "b.txt", "\\"}, {"", "b.txt", "\\"}},
    };
    for (const auto& row : rows)
        log.log.AppendRow(row.texts.data(), static_cast<int>(row.texts.size()));
    REQUIRE(log.log.RowCount() == 7);
    REQUIRE(SendMessageA(log.list, LVM_GETITEMCOUNT, 0, 0) == 7);
    for (int r = 0; r < 7; r++)
        for (int c = 0; c < 3; c++) {
            CAPTURE(r);
            CAPTURE(c);
            CHECK(Cell(log.list, r, c) == rows[r].cells[c]);
        }
    CHECK(log.log.CellText(7, 0).empty());
    CHECK(log.log.CellText(0, 3).empty());
    // A long wide name is cut between surrogate pairs.
    std::wstring wide = std::wstring(EListCellLimit - 1, L'x') + L"\U0001F4F7";
    const wchar_t* wideTexts[] = {L"copy", wide.c_str()};
    log.log.AppendRow(wideTexts, 2);
    CHECK(EListCellText(log.list, 7, 1) == std::wstring(EListCellLimit - 1, L'x'));
    log.log.DeleteAllRows();
    CHECK(log.log.RowCount() == 0);
    CHECK(SendMessageA(log.list, LVM_GETITEMCOUNT, 0, 0) == 0);
    const char* again[] = {"mkdir", "E:\\n"};
    log.log.AppendRow(again, 2);
    CHECK(Cell(log.list, 0, 1) == "E:\\n");
}

TEST_CASE("list rows: typing the start of an operation selects the next row that starts so")
{
    const struct {
        int focused;   // -1: none
        WPARAM typed;
        int selected;  // -1: none
    } cases[] = {
        {-1, 'd', 2}, {2, 'd', 5}, {5, 'd', 2}, {-1, 'm', 3}, {1, 'C', 4}, {1, 'x', 1},
    };
    for (const auto& row : cases) {
        CAPTURE(row.focused);
        CAPTURE(static_cast<char>(row.typed));
        LogList log(600, 200);
        for (const char* operation : {"copy", "copy", "del", "mkdir", "copy", "del"}) {
            const char* texts[] = {operation, "C:\a\b.txt", "D:\a\b.txt"};
            log.log.AppendRow(texts, 3);
        }
        LVITEMA state = {};
        state.stateMask = LVIS_FOCUSED | LVIS_SELECTED;
        state.state = row.focused >= 0 ? state.stateMask : 0;
        SendMessageA(log.list, LVM_SETITEMSTATE, row.focused >= 0 ? row.focused : -1, reinterpret_cast<LPARAM>(&state));
        SendMessageA(log.list, WM_CHAR, row.typed, 1);
        CHECK(SendMessageA(log.list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED) == row.selected);
    }
}

TEST_CASE("list rows: painted through the parent: a cut text stays in its column, selected, focused, no columns")
{
    LogList log(600, 150, false);
    const COLORREF white = RGB(255, 255, 255), navy = RGB(0, 0, 128);
    Painted empty(log, 0, 0);
    CHECK(Ink(empty, 0, RowWidth, white) == 0);

    const EListColumn columns[] = {{"Operation", 80, 0}, {"Right", 150, 1}};
    EListInsertColumns(log.list, 2, columns);
    const char* texts[] = {"WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW", "ab"};
    log.log.AppendRow(texts, 2);
    Painted plain(log, 0, 0);
    CHECK(Ink(plain, 2, 78, white) > 0);
    CHECK(Ink(plain, 78, 150, white) == 0);
    CHECK(Ink(plain, 150, 230, white) > 0);  // right-aligned

    Painted selected(log, 0, ODS_SELECTED);
    CHECK(selected.At(0, 0) == navy);
    // The text, in the list's background colour, where the plain row has it.
    CHECK(Ink(selected, 2, 78, navy) == Ink(plain, 2, 78, white));

    Painted focused(log, 0, ODS_FOCUS);
    int top = 0;
    for (int x = 0; x < RowWidth; x++)
        top += focused.At(x, 0) != white;
    CHECK(top > RowWidth / 3);
    CHECK(Ink(focused, 2, 78, white) == Ink(plain, 2, 78, white));
}

// 写真.jpg (Shift-JIS 8E CA 90 5E: once drawn as Western mojibake), café.txt,
// Straße.txt, 📷.txt: kept as they are, and painted as DrawTextW does in the
// same font, also in a font of the Western character set (an ANSI draw took
// the text through that code page).
TEST_CASE("Japanese mode: log rows keep and draw Japanese, e-acute, sharp s and emoji names")
{
    LogList log(600, 200);
    HFONT western = CreateFontA(-12, 0, 0, 0, 0, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
    int row = 0;
    for (const wchar_t* name : {L"\u5199\u771F.jpg", L"caf\u00E9.txt", L"Stra\u00DFe.txt", L"\U0001F4F7.txt"}) {
        const wchar_t* texts[] = {L"copy", name, name};
        log.log.AppendRow(texts, 3);
        CHECK(EListCellText(log.list, row, 1) == name);
        Canvas drawn(RowWidth, RowHeight), expected(RowWidth, RowHeight);
        for (Canvas* canvas : {&drawn, &expected})
            SelectObject(canvas->dc.Handle(), western);
        DrawThroughParent(log.parent, log.list, ODT_LISTVIEW, row++, 0, {0, 0, RowWidth, RowHeight}, drawn);
        RECT all = {0, 0, RowWidth, RowHeight}, cell = {82, 0, 378, RowHeight};
        FillRect(expected.dc.Handle(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        DrawTextW(expected.dc.Handle(), name, -1, &cell, DT_LEFT | DT_END_ELLIPSIS);
        int differing = 0;
        for (int i = 0; i < 300 * RowHeight; i++)
            differing += drawn.At(80 + i % 300, i / 300) != expected.At(80 + i % 300, i / 300);
        CHECK((differing == 0 && Ink(drawn, 82, 378, RGB(255, 255, 255)) > 0));
    }
    DeleteObject(western);
}
