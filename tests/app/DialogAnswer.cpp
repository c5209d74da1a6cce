#include "DialogAnswer.h"

#include <windows.h>

#include "resource.h"

#include <algorithm>
#include <utility>

namespace {

HHOOK hook = nullptr;
DialogAnswer* current = nullptr;

std::string ItemText(HWND dialog, int id)
{
    char text[1024] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

bool IsDialog(HWND window)
{
    char name[64] = "";
    return GetClassNameA(window, name, sizeof name) && lstrcmpA(name, "#32770") == 0;
}

void Answer(HWND dialog)
{
    current->answered.push_back(dialog);
    if (current->onShow)
        current->onShow();
    int answer = IDCANCEL;
    if (current->answers.empty()) {
        current->unexpected++;
    } else {
        answer = current->answers.front();
        current->answers.pop_front();
    }
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, answer)));
}

// What the dialog showed, read as it goes: its initialisation may activate
// it before the texts are in.
void Record(HWND dialog)
{
    char caption[256] = "";
    GetWindowTextA(dialog, caption, sizeof caption);
    HWND textItem = GetDlgItem(dialog, IDC_CONFIRM_TEXT);
    std::string text = ItemText(dialog, textItem ? IDC_CONFIRM_TEXT : 0xFFFF);
    HWND icon = GetDlgItem(dialog, IDC_CONFIRM_ICON);
    bool image = icon && SendMessageA(icon, STM_GETIMAGE, IMAGE_ICON, 0) != 0;
    current->seen.push_back(DialogAnswer::Seen{caption, text, image});
}

LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam)
{
    HWND window = reinterpret_cast<HWND>(wParam);
    if (current && (code == HCBT_ACTIVATE || code == HCBT_DESTROYWND) && IsDialog(window)) {
        std::vector<HWND>& answered = current->answered;
        bool known = std::find(answered.begin(), answered.end(), window) != answered.end();
        if (code == HCBT_ACTIVATE && !known)
            Answer(window);
        else if (code == HCBT_DESTROYWND && known) {
            Record(window);
            answered.erase(std::find(answered.begin(), answered.end(), window));
        }
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

}

DialogAnswer::DialogAnswer(std::deque<int> script) : answers(std::move(script))
{
    current = this;
    hook = SetWindowsHookExA(WH_CBT, OnCbt, nullptr, GetCurrentThreadId());
}

DialogAnswer::~DialogAnswer()
{
    UnhookWindowsHookEx(hook);
    hook = nullptr;
    current = nullptr;
}
