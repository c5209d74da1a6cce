#include "ECheckBox.h"

ECheckBox::ECheckBox(EWindow* parent, const char* title, EAttributeList& list)
    : EButton(parent, title, list.Add(EKey::Style, WS_TABSTOP | BS_AUTOCHECKBOX))
{
}

int ECheckBox::Checked() const
{
    return SendMessageA(handle, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void ECheckBox::SetChecked(int checked)
{
    SendMessageA(handle, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}
