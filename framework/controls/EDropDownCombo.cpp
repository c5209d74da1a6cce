#include "EDropDownCombo.h"

EDropDownCombo::EDropDownCombo(EWindow* parent, const char* title, EAttributeList& list)
    : EComboBox(parent, title, list.Add(EKey::Style, CBS_DROPDOWN | CBS_AUTOHSCROLL)), editField(nullptr)
{
    HWND edit = handle ? GetWindow(handle, GW_CHILD) : nullptr;
    if (!edit)
        return;
    editField = new EControl(this, edit);
    editField->Subclass();
}

EDropDownCombo::~EDropDownCombo()
{
    delete editField;
}
