#include "EStatusBar.h"

#include <commctrl.h>

#include <vector>

namespace {

EAttributeList& WithStatusBarClass(EAttributeList& list)
{
    return list.Add(EKey::ClassName, STATUSCLASSNAMEA).Add(EKey::Predefined, 1);
}

}

EStatusBar::EStatusBar(EWindow* parent, const char* title, EAttributeList& list)
    : EControl(parent, title, WithStatusBarClass(list))
{
}

void EStatusBar::SetParts(int count, const int* rightEdges)
{
    SendMessageA(handle, SB_SETPARTS, count, reinterpret_cast<LPARAM>(rightEdges));
}

int EStatusBar::PartCount() const
{
    return static_cast<int>(SendMessageA(handle, SB_GETPARTS, 0, 0));
}

void EStatusBar::SetText(int part, const char* text)
{
    SendMessageA(handle, SB_SETTEXTA, part, reinterpret_cast<LPARAM>(text ? text : ""));
}

void EStatusBar::GetText(int part, char* buffer, int size) const
{
    if (size < 1)
        return;
    buffer[0] = '\0';
    // SB_GETTEXTA knows no buffer size: ask the length first.
    int length = LOWORD(SendMessageA(handle, SB_GETTEXTLENGTHA, part, 0));
    std::vector<char> text(length + 1, '\0');
    SendMessageA(handle, SB_GETTEXTA, part, reinterpret_cast<LPARAM>(text.data()));
    lstrcpynA(buffer, text.data(), size);
}

void EStatusBar::SetText(int part, const std::wstring& text)
{
    SendMessageW(handle, SB_SETTEXTW, part, reinterpret_cast<LPARAM>(text.c_str()));
}

std::wstring EStatusBar::GetText(int part) const
{
    int length = LOWORD(SendMessageW(handle, SB_GETTEXTLENGTHW, part, 0));
    std::vector<wchar_t> text(length + 1, L'\0');
    SendMessageW(handle, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}
