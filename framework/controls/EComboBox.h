#ifndef OMBREL_ECOMBOBOX_H
#define OMBREL_ECOMBOBOX_H

#include "EControl.h"

// A combo box. Besides the window keys: Sort, DisableNoScroll and OemConvert
// style flags, TextLimit, Text, and its items (ItemCount with Items, or
// ItemList, texts joined by commas; ItemList also reads them back).
class EComboBox : public EControl {
public:
    EComboBox(EWindow* parent, const char* title, EAttributeList& list);

    void GetAttributes(EAttributeList& list) override;
    void SetAttributes(EAttributeList& list) override;
    const ENotificationRow* NotificationMap(int* rows) override;

    // The index of the new item, or a negative number (CB_ERR, CB_ERRSPACE).
    int InsertItem(int index, const char* text);
    int AppendItem(const char* text);
    // The number of items left, or CB_ERR for a wrong index.
    int DeleteItem(int index);
    void Clear();
    int ItemCount() const;
    // Copies the item into buffer, cut to size bytes; its length, or -1.
    int ItemText(int index, char* buffer, int size) const;
    // -1 clears the selection.
    void Select(int index);
    // The selected index, or -1.
    int Selection() const;
    void LimitText(int characters);

private:
    void FitDropDownHeight();
};

#endif
