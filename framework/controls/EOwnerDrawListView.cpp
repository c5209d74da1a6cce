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

// The list view's codes and the UTF-16 request for a cell, which the
// control sends once told to.
const std::vector<ENotificationRow>& Notifications()
{
    static const std::vector<ENotificationRow> rows = [] {
        std::vector<ENotificationRow> all(EListViewNotifications, EListViewNotifications + EListViewNotificationCount);
        all.push_back({EKey::GetDispInfo, static_cast<int>(LVN_GETDISPINFOW)});
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
