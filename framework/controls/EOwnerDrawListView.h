#ifndef OMBREL_EOWNERDRAWLISTVIEW_H
#define OMBREL_EOWNERDRAWLISTVIEW_H

#include "EListView.h"

// A report list that paints its rows itself (the operation log): selected
// rows navy, the others in the list's colours. The parent fires DrawItem
// for it on WM_DRAWITEM; the painter is connected at construction.
class EOwnerDrawListView : public EListView {
public:
    EOwnerDrawListView(EWindow* parent, const char* title, EAttributeList& list);

    LRESULT DrawRow(EEvent& event);
};

#endif
