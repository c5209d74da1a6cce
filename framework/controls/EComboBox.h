#ifndef OMBREL_ECOMBOBOX_H
#define OMBREL_ECOMBOBOX_H

#include "EItemBox.h"

// A combo box. Besides the window keys: Sort, DisableNoScroll and OemConvert
// style flags, TextLimit, Text, and its items (ItemCount with Items, or
// ItemList, texts joined by commas; ItemList also reads them back).
class EComboBox : public EItemBox {
public:
    EComboBox(EWindow* parent, const char* title, EAttributeList& list);

    void GetAttributes(EAttributeList& list) override;
    void SetAttributes(EAttributeList& list) override;
    const ENotificationRow* NotificationMap(int* rows) override;

    void LimitText(int characters);

private:
    void FitDropDownHeight();
};

#endif
