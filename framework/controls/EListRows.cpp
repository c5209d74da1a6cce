#include "EListRows.h"

#include <commctrl.h>

#include <cwchar>

#include "EBrush.h"
#include "EDC.h"
#include "ELogRows.h"

namespace {

// Cuts text to the cell limit without splitting a surrogate pair.
const wchar_t* Bounded(const wchar_t* text, wchar_t* buffer)
{
    if (!text)
        return L"";
    std::size_t length = std::wcslen(text);
    if (length <= EListCellLimit)
        return text;
    std::size_t cut = EListCellLimit;
    if (IS_HIGH_SURROGATE(text[cut - 1]))
        cut--;
    std::wmemcpy(buffer, text, cut);
    buffer[cut] = L'\0';
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

// A cell's text, from the control or from the rows kept for it.
struct CellSource {
    CellSource(HWND list, const ELogRows* rows) : list(list), rows(rows) {}
    HWND list;
    const ELogRows* rows;
    wchar_t buffer[EListCellLimit + 1];
    std::wstring plain;
    const wchar_t* Text(int row, int column)
    {
        if (rows)
            return rows->Cell(row, column, buffer);
        plain = EListCellText(list, row, column);
        return plain.c_str();
    }
};

void DrawRow(HWND list, const DRAWITEMSTRUCT& item, CellSource& cells);


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

EWideRow::EWideRow(const char* const* narrow, int count)
{
    for (int i = 0; i < count; i++) {
        const char* text = narrow[i] ? narrow[i] : "";
        int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
        std::wstring wide(length > 1 ? length - 1 : 0, L'\0');
        if (length > 1)
            MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], length);
        texts.push_back(wide);
    }
    for (const std::wstring& text : texts)
        pointers.push_back(text.c_str());
}

void EListInsertRow(HWND list, int index, const char* const* texts, int count)
{
    EListInsertRow(list, index, EWideRow(texts, count).Texts(), count);
}

void EListInsertRow(HWND list, int index, const wchar_t* const* texts, int count)
{
    if (count < 1)
        return;
    wchar_t buffer[EListCellLimit + 1];
    LVITEMW row = {};
    row.mask = LVIF_TEXT | LVIF_PARAM;
    row.iItem = index;
    row.pszText = const_cast<wchar_t*>(Bounded(texts[0], buffer));
    row.cchTextMax = static_cast<int>(std::wcslen(row.pszText)) + 1;
    row.lParam = index;
    WPARAM inserted = SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&row));
    for (int j = 1; j < count; j++) {
        LVITEMW cell = {};
        cell.iSubItem = j;
        cell.pszText = const_cast<wchar_t*>(Bounded(texts[j], buffer));
        SendMessageW(list, LVM_SETITEMTEXTW, inserted, reinterpret_cast<LPARAM>(&cell));
    }
}

std::wstring EListCellText(HWND list, int row, int column)
{
    wchar_t text[EListCellLimit + 1] = L"";
    LVITEMW cell = {};
    cell.iSubItem = column;
    cell.pszText = text;
    cell.cchTextMax = EListCellLimit + 1;
    SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&cell));
    return text;
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
    CellSource cells(list, nullptr);
    DrawRow(list, item, cells);
}

void EListDrawRow(HWND list, const DRAWITEMSTRUCT& item, const ELogRows& rows)
{
    CellSource cells(list, &rows);
    DrawRow(list, item, cells);
}

namespace {

void DrawRow(HWND list, const DRAWITEMSTRUCT& item, CellSource& cells)
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
        if (column.cx > 4) {
            RECT rect = {x + 2, item.rcItem.top, x + column.cx - 2, item.rcItem.bottom};
            DrawTextW(dc.Handle(), cells.Text(static_cast<int>(item.itemID), i), -1, &rect, DrawFlags(column.fmt));
        }
        x += column.cx;
    }
    if (item.itemState & ODS_FOCUS)
        DrawFocusRect(dc.Handle(), &item.rcItem);
}

}
