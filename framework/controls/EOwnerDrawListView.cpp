#include "EOwnerDrawListView.h"

#include <commctrl.h>

#include <vector>

#include "EMessage.h"
#include "ENotificationMap.h"

namespace {

EAttributeList& WithOwnerDrawStyle(EAttributeList& list)
{
    return list.Add(EKey::Style, LVS_REPORT | LVS_OWNERDRAWFIXED | LVS_OWNERDATA);
}

// Whether text starts with start, letter case aside, as the control's own
// search compares.
bool StartsWith(const wchar_t* text, const wchar_t* start)
{
    int length = lstrlenW(start);
    return length > 0 && lstrlenW(text) >= length &&
           CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, text, length, start, length) == CSTR_EQUAL;
}

// The list view's codes and the UTF-16 request for a cell, which the
// control sends once told to.
const std::vector<ENotificationRow>& Notifications()
{
    static const std::vector<ENotificationRow> rows = [] {
        std::vector<ENotificationRow> all(EListViewNotifications, EListViewNotifications + EListViewNotificationCount);
        all.push_back({EKey::GetDispInfo, static_cast<int>(LVN_GETDISPINFOW)});
        all.push_back({EKey::FindItem, static_cast<int>(LVN_ODFINDITEMW)});
        all.push_back({EKey::FindItem, static_cast<int>(LVN_ODFINDITEMA)});
        return all;
    }();
    return rows;
}

}

EOwnerDrawListView::EOwnerDrawListView(EWindow* parent, const char* title, EAttributeList& list)
    : EListView(parent, title, WithOwnerDrawStyle(list))
{
    // Cells asked for in UTF-16, so that a name outside the code page
    // survives the way to whoever asks.
    SendMessageA(handle, LVM_SETUNICODEFORMAT, TRUE, 0);
    Connect(EKey::DrawItem, this, &EOwnerDrawListView::DrawRow);
    Connect(EKey::GetDispInfo, this, &EOwnerDrawListView::GiveCell);
    Connect(EKey::FindItem, this, &EOwnerDrawListView::FindRow);
}

const ENotificationRow* EOwnerDrawListView::NotificationMap(int* count)
{
    *count = static_cast<int>(Notifications().size());
    return Notifications().data();
}

void EOwnerDrawListView::AppendRow(const char* const* texts, int count)
{
    AppendRow(EWideRow(texts, count).Texts(), count);
}

void EOwnerDrawListView::AppendRow(const wchar_t* const* texts, int count)
{
    if (rows.Append(texts, count) >= 0)
        picture.Appended(handle, rows.Count());
}

void EOwnerDrawListView::DeleteAllRows()
{
    rows.Clear();
    SendMessageA(handle, LVM_DELETEALLITEMS, 0, 0);
}

std::wstring EOwnerDrawListView::CellText(int row, int column) const
{
    wchar_t buffer[EListCellLimit + 1];
    return rows.Cell(row, column, buffer);
}

LRESULT EOwnerDrawListView::DrawRow(EEvent& event)
{
    const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(event.message->lParam);
    EListDrawRow(handle, *item, rows);
    event.result = TRUE;
    return TRUE;
}

LRESULT EOwnerDrawListView::GiveCell(EEvent& event)
{
    const NMHDR* header = reinterpret_cast<const NMHDR*>(event.message->lParam);
    wchar_t buffer[EListCellLimit + 1];
    if (header->code == LVN_GETDISPINFOW) {
        LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(event.message->lParam)->item;
        if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0)
            lstrcpynW(item.pszText, rows.Cell(item.iItem, item.iSubItem, buffer), item.cchTextMax);
    } else {
        LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(event.message->lParam)->item;
        if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
            rows.Cell(item.iItem, item.iSubItem, buffer);
            if (!WideCharToMultiByte(CP_ACP, 0, buffer, -1, item.pszText, item.cchTextMax, nullptr, nullptr))
                item.pszText[0] = '\0';
        }
    }
    return 0;
}

LRESULT EOwnerDrawListView::FindRow(EEvent& event)
{
    // The control has no texts of its own: without an answer here it takes
    // the first row for any letter typed.
    event.result = -1;
    const NMHDR* header = reinterpret_cast<const NMHDR*>(event.message->lParam);
    std::wstring wanted;
    int start;
    UINT flags;
    if (header->code == LVN_ODFINDITEMW) {
        const NMLVFINDITEMW& find = *reinterpret_cast<const NMLVFINDITEMW*>(header);
        flags = find.lvfi.flags;
        start = find.iStart;
        if (find.lvfi.psz)
            wanted = find.lvfi.psz;
    } else {
        const NMLVFINDITEMA& find = *reinterpret_cast<const NMLVFINDITEMA*>(header);
        flags = find.lvfi.flags;
        start = find.iStart;
        if (find.lvfi.psz)
            wanted = EWideRow(&find.lvfi.psz, 1).Texts()[0];
    }
    int count = rows.Count();
    if (!(flags & (LVFI_STRING | LVFI_PARTIAL)) || wanted.empty() || count == 0)
        return 0;
    if (start < 0 || start >= count)
        start = 0;
    wchar_t buffer[EListCellLimit + 1];
    int end = (flags & LVFI_WRAP) ? count + start : count;
    for (int at = start; at < end; ++at) {
        int row = at % count;
        const wchar_t* text = rows.Cell(row, 0, buffer);
        bool found = (flags & LVFI_PARTIAL) ? StartsWith(text, wanted.c_str())
                                           : lstrcmpiW(text, wanted.c_str()) == 0;
        if (found) {
            event.result = row;
            break;
        }
    }
    return 0;
}
