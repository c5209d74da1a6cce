#include "EListRows.h"

#include <commctrl.h>

#include <cstring>

#include "EBrush.h"
#include "EDC.h"
#include "EFlags.h"

namespace {

// Cuts text to the cell limit without splitting a double-byte character.
const char* Bounded(const char* text, char* buffer)
{
    if (!text)
        return "";
    std::size_t length = std::strlen(text);
    if (length <= EListCellLimit)
        return text;
    std::size_t cut = 0;
    while (cut < EListCellLimit) {
        std::size_t step = EDoubleByte && EIsLeadByte(static_cast<unsigned char>(text[cut])) ? 2 : 1;
        if (cut + step > EListCellLimit)
            break;
        cut += step;
    }
    std::memcpy(buffer, text, cut);
    buffer[cut] = '\0';
    return buffer;
}

UINT DrawFlags(int format)
{
    switch (format & 3) {
    case LVCFMT_RIGHT: return DT_RIGHT | DT_END_ELLIPSIS;
    case LVCFMT_CENTER: return DT_CENTER | DT_END_ELLIPSIS;
    default: return DT_LEFT | DT_END_ELLIPSIS;
    }
}

void DrawCell(HWND list, HDC dc, const DRAWITEMSTRUCT& item, int column, int x, int width, int format)
{
    char text[MAX_PATH] = "";
    LVITEMA cell = {};
    cell.iSubItem = column;
    cell.pszText = text;
    cell.cchTextMax = sizeof text;
    SendMessageA(list, LVM_GETITEMTEXTA, item.itemID, reinterpret_cast<LPARAM>(&cell));
    RECT rect = {x + 2, item.rcItem.top, x + width - 2, item.rcItem.bottom};
    DrawTextA(dc, text, -1, &rect, DrawFlags(format));
}

}

void EListInsertColumns(HWND list, int count, const EListColumn* columns)
{
    for (int i = 0; i < count; i++) {
        LVCOLUMNA column = {};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
        column.pszText = const_cast<char*>(columns[i].title);
        column.cx = columns[i].width;
        column.fmt = i == 0 ? LVCFMT_LEFT : columns[i].alignment;
        SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
}

void EListInsertRow(HWND list, int index, const char* const* texts, int count)
{
    if (count < 1)
        return;
    char buffer[EListCellLimit + 1];
    LVITEMA row = {};
    row.mask = LVIF_TEXT | LVIF_PARAM;
    row.iItem = index;
    row.pszText = const_cast<char*>(Bounded(texts[0], buffer));
    row.cchTextMax = static_cast<int>(std::strlen(row.pszText)) + 1;
    row.lParam = index;
    WPARAM inserted = SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&row));
    for (int j = 1; j < count; j++) {
        LVITEMA cell = {};
        cell.iSubItem = j;
        cell.pszText = const_cast<char*>(Bounded(texts[j], buffer));
        SendMessageA(list, LVM_SETITEMTEXTA, inserted, reinterpret_cast<LPARAM>(&cell));
    }
}

bool EListHasColumn(HWND list, int index)
{
    LVCOLUMNA column = {};
    column.mask = LVCF_WIDTH;
    return SendMessageA(list, LVM_GETCOLUMNA, index, reinterpret_cast<LPARAM>(&column)) != 0;
}

int EListColumnCount(HWND list)
{
    if (!EListHasColumn(list, 0))
        return 0;
    int count = 1;
    while (EListHasColumn(list, count))
        count++;
    return count;
}

void EListDrawRow(HWND list, const DRAWITEMSTRUCT& item)
{
    EDC dc(item.hDC);
    COLORREF background = static_cast<COLORREF>(SendMessageA(list, LVM_GETBKCOLOR, 0, 0));
    bool selected = (item.itemState & ODS_SELECTED) != 0;
    COLORREF fill = selected ? RGB(0, 0, 128) : background;
    COLORREF text = selected ? background : static_cast<COLORREF>(SendMessageA(list, LVM_GETTEXTCOLOR, 0, 0));
    SetTextColor(dc.Handle(), text);
    SetBkColor(dc.Handle(), fill);
    EBrush brush(CreateSolidBrush(fill));
    FillRect(dc.Handle(), &item.rcItem, brush.Brush());

    int x = item.rcItem.left;
    int columns = EListColumnCount(list);
    for (int i = 0; i < columns; i++) {
        LVCOLUMNA column = {};
        column.mask = LVCF_FMT | LVCF_WIDTH;
        SendMessageA(list, LVM_GETCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
        // Too narrow for any text; the next column still starts at its edge.
        if (column.cx > 4)
            DrawCell(list, dc.Handle(), item, i, x, column.cx, column.fmt);
        x += column.cx;
    }
    if (item.itemState & ODS_FOCUS)
        DrawFocusRect(dc.Handle(), &item.rcItem);
}
