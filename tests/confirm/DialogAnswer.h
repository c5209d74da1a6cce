#ifndef OMBREL_DIALOGANSWER_H
#define OMBREL_DIALOGANSWER_H

#include <windows.h>

#include <string>

// Answers the next dialog this thread opens: when it activates, reads its
// caption, texts and icons, then clicks the button (or presses Esc when the
// button is 0). Unhooks when it goes.
class DialogAnswer {
public:
    explicit DialogAnswer(int button);
    ~DialogAnswer();
    DialogAnswer(const DialogAnswer&) = delete;
    DialogAnswer& operator=(const DialogAnswer&) = delete;

    int seen = 0;
    std::string caption;
    std::string message;        // item 2901
    std::string existingText;   // 2904
    std::string newText;        // 2905
    HICON dialogIcon = nullptr; // 1901
    HICON existingIcon = nullptr;
    HICON newIcon = nullptr;

private:
    static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam);
    void Read(HWND dialog);

    int button;
    HHOOK hook;
};

// The bytes of a text as hex pairs, to compare Shift-JIS texts.
std::string Hex(const std::string& text);

#endif
