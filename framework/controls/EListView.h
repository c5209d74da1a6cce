#ifndef OMBREL_ELISTVIEW_H
#define OMBREL_ELISTVIEW_H

#include "EControl.h"
#include "EListRows.h"

// A report list-view control. Rows and columns live in the control; the
// wrapper keeps no copy of them.
class EListView : public EControl {
public:
    EListView(EWindow* parent, const char* title, EAttributeList& list);

    const ENotificationRow* NotificationMap(int* rows) override;

    // Nothing when count < 1; the first column is always left-aligned.
    void InsertColumns(int count, const EListColumn* columns);
    // texts[0] is the item, texts[1..count-1] its sub-items; the row's item
    // data is index.
    void InsertRow(int index, const char* const* texts, int count);
    void InsertRow(int index, const wchar_t* const* texts, int count);
    void DeleteAllRows();
    int RowCount() const;
    bool HasColumn(int index) const;
    // Asked of the control each time; 0 without columns.
    int ColumnCount() const;
};

#endif
