#ifndef OMBREL_EOWNERDRAWLISTVIEW_H
#define OMBREL_EOWNERDRAWLISTVIEW_H

#include "EListPicture.h"
#include "EListView.h"
#include "ELogRows.h"

// The operation log: a virtual report list (LVS_OWNERDATA) that keeps its
// rows compactly beside the control and paints them itself, selected rows
// navy, the others in the list's colours. The control holds only a count;
// cells come from the rows on WM_DRAWITEM (which the parent fires as
// DrawItem) and on LVN_GETDISPINFO, both connected at construction. Rows
// are only appended, the newest selected and scrolled into view. Typing
// the start of a first cell selects the next row that starts so
// (LVN_ODFINDITEM), as in a list that holds its items.
class EOwnerDrawListView : public EListView {
public:
    EOwnerDrawListView(EWindow* parent, const char* title, EAttributeList& list);

    const ENotificationRow* NotificationMap(int* rows) override;

    // Appends a row (see ELogRows::Append) and shows it as EListPicture
    // tells; texts in the ANSI code page are widened as the control would.
    void AppendRow(const char* const* texts, int count);
    void AppendRow(const wchar_t* const* texts, int count);
    // Empties the log; its picture follows at the next paint.
    void DeleteAllRows();
    int RowCount() const { return rows.Count(); }
    std::wstring CellText(int row, int column) const;
    const ELogRows& Rows() const { return rows; }

    bool PictureBehind() const { return picture.Behind(); }
    void RefreshPicture() { picture.Refresh(); }

    LRESULT DrawRow(EEvent& event);
    LRESULT GiveCell(EEvent& event);
    LRESULT FindRow(EEvent& event);

private:
    ELogRows rows;
    EListPicture picture;
};

#endif
