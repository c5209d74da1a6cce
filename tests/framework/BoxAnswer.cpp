#include "BoxAnswer.h"

#include <windows.h>

namespace {

HHOOK hook = nullptr;
std::string expectedCaption;
int answerId = 0;
int answered = 0;
std::string lastText;

LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE) {
        HWND box = reinterpret_cast<HWND>(wParam);
        char name[64] = "";
        char caption[256] = "";
        GetClassNameA(box, name, sizeof name);
        GetWindowTextA(box, caption, sizeof caption);
        if (lstrcmpA(name, "#32770") == 0 && expectedCaption == caption) {
            char text[1024] = "";
            GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
            lastText = text;
            answered++;
            PostMessageA(box, WM_COMMAND, answerId, 0);
        }
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

}

void AnswerBoxes(const char* caption, int answer)
{
    StopAnswering();
    expectedCaption = caption;
    answerId = answer;
    answered = 0;
    lastText.clear();
    hook = SetWindowsHookExA(WH_CBT, OnCbt, nullptr, GetCurrentThreadId());
}

int AnsweredBoxes()
{
    return answered;
}

std::string LastBoxText()
{
    return lastText;
}

void StopAnswering()
{
    if (hook)
        UnhookWindowsHookEx(hook);
    hook = nullptr;
}
