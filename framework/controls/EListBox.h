#ifndef OMBREL_ELISTBOX_H
#define OMBREL_ELISTBOX_H

#include "EItemBox.h"

// A list box, created or attached to one of a dialog template. Besides the
// window keys: its style flags (Sort, MultipleSel, ...) and its items
// (ItemCount with Items, or ItemList, which also reads them back).
class EListBox : public EItemBox {
public:
    EListBox(EWindow* parent, HWND control) : EItemBox(parent, control, EListBoxItems) {}
    EListBox(EWindow* parent, const char* title, EAttributeList& list);

    void GetAttributes(EAttributeList& list) override;
    void SetAttributes(EAttributeList& list) override;
    const ENotificationRow* NotificationMap(int* rows) override;
};

#endif
