#include "EListView.h"

#include <commctrl.h>

namespace {

EAttributeList& WithListViewClass(EAttributeList& list)
{
    return list.Add(EKey::ClassName, WC_LISTVIEWA).Add(EKey::Predefined, 1);
}

}

EListView::EListView(EWindow* parent, const char* title, EAttributeList& list)
    : EControl(parent, title, WithListViewClass(list))
{
}

const ENotificationRow* EListView::NotificationMap(int* rows)
{
    *rows = EListViewNotificationCount;
    return EListViewNotifications;
}

void EListView::InsertColumns(int count, const EListColumn* columns)
{
    EListInsertColumns(handle, count, columns);
}

void EListView::InsertRow(int index, const char* const* texts, int count)
{
    EListInsertRow(handle, index, texts, count);
}

void EListView::InsertRow(int index, const wchar_t* const* texts, int count)
{
    EListInsertRow(handle, index, texts, count);
}

void EListView::DeleteAllRows()
{
    SendMessageA(handle, LVM_DELETEALLITEMS, 0, 0);
}

int EListView::RowCount() const
{
    return static_cast<int>(SendMessageA(handle, LVM_GETITEMCOUNT, 0, 0));
}

bool EListView::HasColumn(int index) const
{
    return EListHasColumn(handle, index);
}

int EListView::ColumnCount() const
{
    return EListColumnCount(handle);
}
