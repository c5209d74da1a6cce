#include "DialogAnswer.h"

#include <cstdio>

#include "resource.h"

namespace {

DialogAnswer* current = nullptr;

std::string ItemText(HWND dialog, int item)
{
    char text[1024] = "";
    GetDlgItemTextA(dialog, item, text, sizeof text);
    return text;
}

HICON ItemIcon(HWND dialog, int item)
{
    return reinterpret_cast<HICON>(SendDlgItemMessageA(dialog, item, STM_GETIMAGE, IMAGE_ICON, 0));
}

}

DialogAnswer::DialogAnswer(int button) : button(button)
{
    current = this;
    hook = SetWindowsHookExA(WH_CBT, OnCbt, nullptr, GetCurrentThreadId());
}

DialogAnswer::~DialogAnswer()
{
    UnhookWindowsHookEx(hook);
    current = nullptr;
}

LRESULT CALLBACK DialogAnswer::OnCbt(int code, WPARAM wParam, LPARAM lParam)
{
    HWND window = reinterpret_cast<HWND>(wParam);
    char name[64] = "";
    if (code == HCBT_ACTIVATE && current && GetClassNameA(window, name, sizeof name) &&
        lstrcmpA(name, "#32770") == 0)
        current->Read(window);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void DialogAnswer::Read(HWND dialog)
{
    // WM_INITDIALOG has run: the dialog is filled before it is shown.
    seen++;
    char text[256] = "";
    GetWindowTextA(dialog, text, sizeof text);
    caption = text;
    message = ItemText(dialog, IDC_CONFIRM_TEXT);
    existingText = ItemText(dialog, IDC_EXISTING_TEXT);
    newText = ItemText(dialog, IDC_NEW_TEXT);
    dialogIcon = ItemIcon(dialog, IDC_CONFIRM_ICON);
    existingIcon = ItemIcon(dialog, IDC_EXISTING_ICON);
    newIcon = ItemIcon(dialog, IDC_NEW_ICON);
    if (button)
        PostMessageA(GetDlgItem(dialog, button), BM_CLICK, 0, 0);
    else
        PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 0);
}

std::string Hex(const std::string& text)
{
    std::string hex;
    for (unsigned char c : text) {
        char pair[4];
        std::snprintf(pair, sizeof pair, "%02X", c);
        hex += pair;
    }
    return hex;
}
