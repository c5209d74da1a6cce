#ifndef OMBREL_ELISTBOX_H
#define OMBREL_ELISTBOX_H

#include "EControl.h"

// A list box, created or attached to one of a dialog template. Besides the
// window keys: its style flags (Sort, MultipleSel, ...) and its items
// (ItemCount with Items, or ItemList, which also reads them back).
class EListBox : public EControl {
public:
    EListBox(EWindow* parent, HWND control) : EControl(parent, control) {}
    EListBox(EWindow* parent, const char* title, EAttributeList& list);

    void GetAttributes(EAttributeList& list) override;
    void SetAttributes(EAttributeList& list) override;
    const ENotificationRow* NotificationMap(int* rows) override;

    // The index of the new item, or a negative number (LB_ERR, LB_ERRSPACE).
    int InsertItem(int index, const char* text);
    int AppendItem(const char* text);
    int DeleteItem(int index);
    void Clear();
    int ItemCount() const;
    // Copies the item into buffer, cut to size bytes; its length, or -1.
    int ItemText(int index, char* buffer, int size) const;
    void Select(int index);
    int Selection() const;
};

#endif
