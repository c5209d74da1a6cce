#ifndef OMBREL_QUESTION_H
#define OMBREL_QUESTION_H

#include <windows.h>

#include <cstdio>
#include <deque>
#include <string>

#include "DialogScript.h"
#include "WidePath.h"
#include "resource.h"

inline std::wstring W(const std::string& text) { return Widen(text.c_str()); }

// What a file question showed.
struct Question {
    std::string caption, message, existingText, newText;
    // The message and the new file's details as the wide calls read them.
    std::wstring wideMessage, wideNewText;
    HICON dialogIcon = nullptr, existingIcon = nullptr, newIcon = nullptr;
};

// A script step that notes what the question shows, then clicks the button
// (or presses Esc when the button is 0).
inline DialogScript::Step Answer(Question& seen, int button)
{
    return [&seen, button](HWND dialog) {
        auto text = [dialog](int item) {
            char buffer[1024] = "";
            GetDlgItemTextA(dialog, item, buffer, sizeof buffer);
            return std::string(buffer);
        };
        auto icon = [dialog](int item) {
            return reinterpret_cast<HICON>(SendDlgItemMessageA(dialog, item, STM_GETIMAGE, IMAGE_ICON, 0));
        };
        char caption[256] = "";
        GetWindowTextA(dialog, caption, sizeof caption);
        auto wide = [dialog](int item) {
            wchar_t buffer[1024] = L"";
            return std::wstring(buffer, GetDlgItemTextW(dialog, item, buffer, 1024));
        };
        seen = {caption, text(IDC_CONFIRM_TEXT), text(IDC_EXISTING_TEXT), text(IDC_NEW_TEXT),
                wide(IDC_CONFIRM_TEXT), wide(IDC_NEW_TEXT),
                icon(IDC_CONFIRM_ICON), icon(IDC_EXISTING_ICON), icon(IDC_NEW_ICON)};
        if (button)
            PostMessageA(GetDlgItem(dialog, button), BM_CLICK, 0, 0);
        else
            PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 0);
        return true;
    };
}

// Answers the next questions this thread asks with the button, as Answer
// does, keeping what the last one showed.
struct Answered : Question {
    explicit Answered(int button, int questions = 1)
        : script(std::deque<DialogScript::Step>(questions, Answer(*this, button)))
    {
    }
    std::size_t Seen() const { return script.seen.size(); }
    DialogScript script;
};

// The bytes of a text as hex pairs, to compare Shift-JIS texts.
inline std::string Hex(const std::string& text)
{
    std::string hex;
    for (unsigned char c : text) {
        char pair[4];
        std::snprintf(pair, sizeof pair, "%02X", c);
        hex += pair;
    }
    return hex;
}

#endif
