#include "StatusLine.h"

#include "EStatusBar.h"

StatusLine::StatusLine(EStatusBar* bar) : bar(bar)
{
}

StatusLine::~StatusLine()
{
    StopWaiting();
}

void StatusLine::Show(const std::wstring& text)
{
    latest = text;
    if (!bar || !bar->Handle())
        return;
    DWORD now = GetTickCount();
    DWORD since = now - shownAt;
    if (latest.empty() || !shown || since >= Delay) {
        ShowNow();
        return;
    }
    if (!waiting) {
        // The timer's id is this object: the callback needs nothing else.
        waiting = SetTimer(bar->Handle(), reinterpret_cast<UINT_PTR>(this), Delay - since, Due) != 0;
        if (!waiting)
            ShowNow();
    }
}

void CALLBACK StatusLine::Due(HWND, UINT, UINT_PTR line, DWORD)
{
    reinterpret_cast<StatusLine*>(line)->ShowNow();
}

void StatusLine::ShowNow()
{
    StopWaiting();
    bar->SetText(0, latest);
    shownAt = GetTickCount();
    shown = true;
}

void StatusLine::StopWaiting()
{
    if (waiting && bar && bar->Handle())
        KillTimer(bar->Handle(), reinterpret_cast<UINT_PTR>(this));
    waiting = false;
}
