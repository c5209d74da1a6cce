#include "EOwnerDrawListView.h"

#include <commctrl.h>

#include "EMessage.h"

namespace {

EAttributeList& WithOwnerDrawStyle(EAttributeList& list)
{
    return list.Add(EKey::Style, LVS_REPORT | LVS_OWNERDRAWFIXED);
}

}

EOwnerDrawListView::EOwnerDrawListView(EWindow* parent, const char* title, EAttributeList& list)
    : EListView(parent, title, WithOwnerDrawStyle(list))
{
    Connect(EKey::DrawItem, this, &EOwnerDrawListView::DrawRow);
}

LRESULT EOwnerDrawListView::DrawRow(EEvent& event)
{
    const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(event.message->lParam);
    EListDrawRow(handle, *item);
    event.result = TRUE;
    return TRUE;
}
