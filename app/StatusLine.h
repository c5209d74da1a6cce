#ifndef OMBREL_STATUSLINE_H
#define OMBREL_STATUSLINE_H

#include <windows.h>

#include <string>

class EStatusBar;

// The text in the first part of the status bar during a run. The bar
// paints itself on every change, and a run of small folders names a new one
// every few milliseconds: a text that comes within Delay of the last one
// shown waits, and the newest waiting text shows when that time is over.
// An empty text, which ends a run, shows at once.
class StatusLine {
public:
    enum { Delay = 100 };

    // bar may be null: then nothing shows.
    explicit StatusLine(EStatusBar* bar);
    ~StatusLine();
    StatusLine(const StatusLine&) = delete;
    StatusLine& operator=(const StatusLine&) = delete;

    // Wide: a folder's real name shows whatever the code page.
    void Show(const std::wstring& text);

private:
    static void CALLBACK Due(HWND bar, UINT, UINT_PTR line, DWORD);
    void ShowNow();
    void StopWaiting();

    EStatusBar* bar;
    std::wstring latest;
    DWORD shownAt = 0;
    bool shown = false;
    bool waiting = false;
};

#endif
