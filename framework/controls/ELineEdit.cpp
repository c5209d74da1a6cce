#include "ELineEdit.h"

namespace {

bool IsDigit(unsigned c)
{
    return c >= '0' && c <= '9';
}

}

ELineEdit::ELineEdit(EWindow* parent, const char* title, EAttributeList& list)
    : EEdit(parent, title, list.Add(EKey::Style, WS_BORDER | ES_AUTOHSCROLL)), mode(TextInput)
{
    SendMessageA(handle, EM_LIMITTEXT, TextLimit, 0);
    Subclass();
    AddMessageHandler(WM_CHAR, this, &ELineEdit::OnChar);
    FitToText(title);
    SetAttributes(list);
}

void ELineEdit::SetAttributes(EAttributeList& list)
{
    EEdit::SetAttributes(list);
    EValue value;
    if (!list.Find(EKey::DataType, &value))
        return;
    mode = EIntValue(value);
    int limit = mode == BinaryDigit ? 1 : mode == Number ? 6 : TextLimit;
    SendMessageA(handle, EM_LIMITTEXT, limit, 0);
}

void ELineEdit::GetAttributes(EAttributeList& list)
{
    EEdit::GetAttributes(list);
    for (int i = 0; i < list.Count(); i++)
        if (list.KeyAt(i) == EKey::DataType)
            *reinterpret_cast<EValue*>(list.ValueAt(i)) = static_cast<EValue>(mode);
}

LRESULT ELineEdit::OnChar(EMessage& m)
{
    unsigned c = LOWORD(m.wParam);
    if (c == VK_RETURN)
        return 0;
    bool passes = true;
    if (mode == BinaryDigit)
        passes = c == VK_BACK || c == '0' || c == '1';
    else if (mode == Number)
        passes = c == VK_BACK || IsDigit(c);
    return passes ? DefaultProc(m) : 0;
}
